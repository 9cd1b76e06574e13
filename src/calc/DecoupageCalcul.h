// Le découpage du texte d'un calcul en nombres, opérateurs, parenthèses et fonctions.
#pragma once

#include "calc/FauteCalcul.h"
#include "calc/TexteCalcul.h"

#include <cstddef>
#include <optional>
#include <vector>

enum class SorteJeton { Nombre, Opérateur, Ouvrante, Fermante, Fonction };

enum class FonctionCalcul { Racine, Cosinus, Sinus, Tangente };

struct Jeton {
    SorteJeton Sorte;
    std::size_t Début; // octets ; un nombre est sans ses blancs autour
    std::size_t Fin;   // une fonction s'étend jusqu'après sa parenthèse ouvrante
    char Opérateur = 0;
    FonctionCalcul Fonction = FonctionCalcul::Racine;
    std::size_t LongueurNom = 0;
};

struct Découpage {
    std::vector<Jeton> Jetons;
    std::optional<FauteCalcul> Faute; // code 6 : nom de fonction sans parenthèse juste après
};

// Un « nombre » est tout ce qui se trouve entre deux opérateurs, parenthèses ou fonctions : des lettres
// n'y sont pas une faute, le nombre vaut alors ce que vaut son début.
Découpage DécouperCalcul(const TexteCalcul& texte);
