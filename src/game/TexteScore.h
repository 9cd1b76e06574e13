// Les textes du score : légendes de la fenêtre principale, fenêtre du score et messages de son impression.
#pragma once

#include "model/MessageTitre.h"

#include <optional>
#include <string>

struct Modulebas;

// L'issue d'une commande d'impression, pour le message qui la suit.
enum class RésultatImpression { Imprimé, Annulé, Erreur };

// EtiScore : « Score : » puis les deux nombres, chacun précédé du blanc du signe (« Score :  2/ 4 »).
std::string LégendeScore(const Modulebas& m);
// EtiBonus à la réinitialisation, blanc du signe compris (« Bonus :  0 »).
std::string LégendeBonus(const Modulebas& m);
// EtiBonus quand un bonus vient d'être gagné : les seuls chiffres (« Bonus : 1 »).
std::string LégendeBonusGagné(const Modulebas& m);

inline constexpr const char* TitreFormScore = "Score du jeu Velmor";
// LabScore de FormScore : « 16 / 20 » avec le blanc du signe devant chaque nombre.
std::string TexteLabScore(const Modulebas& m);
// LabBonus de FormScore.
std::string TexteLabBonus(const Modulebas& m);

// Le message montré après l'impression du score, s'il y en a un (titre et texte de FormMessage).
std::optional<MessageTitré> MessageImpression(RésultatImpression résultat);
