// Le calcul lui-même, sur le texte découpé : priorités, signes, fonctions et parenthèses.
#pragma once

#include "calc/DecoupageCalcul.h"
#include "calc/FauteCalcul.h"
#include "calc/TexteCalcul.h"

#include <optional>
#include <string>
#include <vector>

struct ValeurCalcul {
    double Nombre = 0;
    // Le nombre tel qu'il a été tapé, tant qu'il n'a pris part à aucune opération (3.50 reste 3.50).
    std::optional<std::string> Tapé;
};

struct Évaluation {
    std::optional<ValeurCalcul> Valeur; // vide après une faute qui arrête le calcul
    std::vector<FauteCalcul> Fautes;
};

// Les résultats intermédiaires sont gardés à 15 chiffres significatifs, ceux des fonctions arrondis
// d'abord à nbDécimales décimales. Sans récursion : la profondeur des parenthèses n'a pas de limite.
Évaluation ÉvaluerCalcul(const TexteCalcul& texte, const std::vector<Jeton>& jetons, int nbDécimales);
