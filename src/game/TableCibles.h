// Les dix figures cibles du jeu, dans l'ordre où la fenêtre principale les affiche.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// « Aucune » tient lieu de case vide : pas de propriété exclue, pas de seconde figure admise ;
// aucun nom court de l'analyse ni aucune phrase ne le contient.
struct Cible {
    std::string_view Nom;
    std::uint8_t NbSommets;
    std::string_view PropriétéExclue;
    std::string_view FigureDemandée;
    std::string_view FigureAdmise;
};

inline constexpr std::size_t NbCibles = 10;

inline constexpr std::array<Cible, NbCibles> TableCibles{{
    {"Triangle rectangle", 3, "Aucune", "Triangle rectangle", "Aucune"},
    {"Triangle isocèle non rectangle", 3, "rectangle", "Triangle isocèle", "Triangle équilatéral"},
    {"Trapèze non isocèle", 4, "isocèle", "Trapèze", "Aucune"},
    {"Trapèze isocèle non rectangle", 4, "rectangle", "Trapèze isocèle", "Parallélogramme"},
    {"Trapèze rectangle non isocèle", 4, "isocèle", "Trapèze rectangle", "Aucune"},
    {"Parallélogramme pas un rectangle", 4, "un rectangle", "Parallélogramme", "Losange"},
    {"Cerf-volant mais pas un losange", 4, "un losange", "Cerf-volant", "Aucune"},
    {"Losange mais pas un carré", 4, "un carré", "Losange", "Aucune"},
    {"Rectangle mais pas un carré", 4, "un carré", "Rectangle", "Aucune"},
    {"Carré", 4, "Aucune", "Carré", "Aucune"},
}};
