// La commande Analyse : les sommets donnés à l'analyseur, le verdict d'une cible, la suite du jeu.
#pragma once

#include "game/JeuCibles.h"
#include "game/TableCibles.h"
#include "model/MessageTitre.h"

#include <optional>
#include <string>
#include <string_view>

struct Modulebas;

inline constexpr const char* TitreAnalyse = "Analyse de la figure";
inline constexpr const char* TitreBonus = "Construction de Figures";

// « Polygone ABCD » donne ABCD fermé sur son premier sommet : ABCDA (compté en caractères).
std::string SommetsFermés(std::string_view tracéPolygone);

// Juge la figure quand une cible est en cours (hors figure de fichier) : Score, SérieRéussites et
// FigureRéussie changent. Rend la fenêtre de l'analyse, phrase et explication suivies de « . ».
MessageTitré JugerAnalyse(Modulebas& m, const Cible& cible, std::string_view description,
                          std::string_view figure);

struct SuiteRéussite {
    // Le message du bonus, s'il est gagné ; EtiBonus prend alors LégendeBonusGagné.
    std::optional<MessageTitré> MessageBonus;
    SuiteDuJeu Suite = SuiteDuJeu::ProposerFigure;
};

// Après la fenêtre de l'analyse, quand FigureRéussie : la cible est finie, l'éloge choisi, le bonus compté.
SuiteRéussite ConclureRéussite(Modulebas& m);
