// Une zone de texte : son texte (la légende du contrôle), le curseur et la sélection, comptés en caractères.
#pragma once

#include "ui/Controle.h"

#include <cstddef>

struct ZoneTexte : Contrôle {
    std::size_t SelStart = 0;  // position du curseur, en caractères
    std::size_t SelLength = 0; // caractères sélectionnés après le curseur
    // Demande à la vue de donner le focus à la zone avec sa sélection ; la vue l'éteint une fois fait.
    bool DemandeFocus = false;
};

// Les touches que les filtres laissent toujours passer : l'effacement, et Entrée et Échap qui
// valident ou annulent le dialogue.
inline constexpr char32_t ToucheRetourArrière = 8;
inline constexpr char32_t ToucheEntrée = 13;
inline constexpr char32_t ToucheÉchap = 27;

inline bool ToucheDeCommande(char32_t touche)
{
    return touche == ToucheRetourArrière || touche == ToucheEntrée || touche == ToucheÉchap;
}
