// Une zone de texte : son texte (la légende du contrôle), le curseur et la sélection, comptés en caractères.
#pragma once

#include "ui/Controle.h"

#include <cstddef>
#include <string>
#include <string_view>

struct ZoneTexte : Contrôle {
    std::size_t SelStart = 0;  // position du curseur, en caractères
    std::size_t SelLength = 0; // caractères sélectionnés après le curseur
    // Demande à la vue de donner le focus à la zone avec sa sélection ; la vue l'éteint une fois fait.
    bool DemandeFocus = false;
};

// Codes des touches que les filtres laissent toujours passer.
inline constexpr char32_t ToucheRetourArrière = 8;

// Nombre de caractères d'un texte UTF-8.
inline std::size_t NombreCaractères(std::string_view texte)
{
    std::size_t n = 0;
    for (unsigned char c : texte) {
        if ((c & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

// Index de l'octet où commence le caractère numéro i (0 en premier) ; la taille du texte au-delà.
inline std::size_t OctetDuCaractère(std::string_view texte, std::size_t i)
{
    std::size_t caractère = 0;
    for (std::size_t octet = 0; octet < texte.size(); ++octet) {
        if ((static_cast<unsigned char>(texte[octet]) & 0xC0) != 0x80) {
            if (caractère == i) {
                return octet;
            }
            ++caractère;
        }
    }
    return texte.size();
}

// Les n caractères à partir du caractère numéro début.
inline std::string SousChaîne(std::string_view texte, std::size_t début, std::size_t n)
{
    const std::size_t premier = OctetDuCaractère(texte, début);
    const std::size_t fin = OctetDuCaractère(texte, début + n);
    return std::string(texte.substr(premier, fin - premier));
}
