// Les appréciations du jeu : l'éloge après chaque cible atteinte, la note finale après la dixième.
#pragma once

#include "model/MessageTitre.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Modulebas;

// L'éloge pour a points gagnés sur b en jeu ; rien quand aucune règle ne s'applique (la mention reste).
std::optional<std::string> ChoisirMention(std::uint8_t score, std::uint8_t scoreMax);

inline constexpr const char* TitreFinDuJeu = "Fin de la construction de figures";

// FinDuJeu : fixe Mention et rend les fenêtres à montrer dans l'ordre (deux quand aucun point n'est gagné).
std::vector<MessageTitré> NoteFinale(Modulebas& m);
