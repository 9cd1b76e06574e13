// Les règles du jeu des cibles hors de la fenêtre : choix, abandon, retour au choix, réinitialisation.
#pragma once

#include "game/TableCibles.h"
#include "model/MessageTitre.h"

#include <string>

struct Modulebas;

inline constexpr const char* StatutChoix = "Choisis une figure à construire ...";
inline constexpr const char* StatutFinDuJeu = "Ferme le logiciel ou réinitialise tout par le menu Exercice";

// Ce qui suit une cible terminée (atteinte ou abandonnée) : dix cibles jouées finissent le jeu.
enum class SuiteDuJeu { ProposerFigure, FinDuJeu };
SuiteDuJeu SuiteAprèsCible(const Modulebas& m);

// Une cible ne se choisit (ni ne s'éclaire) que hors cible, hors exercice et hors figure lue d'un fichier.
bool ChoixPossible(const Modulebas& m);

// La confirmation demandée (boutons Valider et Annuler) : « Construction d'un » et le nom en minuscules.
MessageTitré ConfirmationChoix(const Cible& cible);
// La ligne d'état pendant la cible.
std::string StatutCible(const Cible& cible);
// Choix confirmé : la cible est en cours, limitée à ses sommets, et met 2 points en jeu.
void EngagerCible(Modulebas& m, const Cible& cible);

// Abandon : les points en jeu restent comptés, le score et la série ne bougent pas.
SuiteDuJeu AbandonnerCible(Modulebas& m);

// Partie de ProposerFigure qui touche aux valeurs partagées : retour au dessin libre.
void PréparerChoix(Modulebas& m);

// « &Tout réinitialiser » : plus de mode en cours, compteurs à 0 ; la fenêtre revient ensuite au choix
// (ProposerFigure), même après la dixième cible, sans remontrer la note finale.
void RéinitialiserJeu(Modulebas& m);
