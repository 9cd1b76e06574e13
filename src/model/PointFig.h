// Le point d'une figure, tel qu'il est tapé, tracé et enregistré.
#pragma once

#include <cstdint>
#include <string>

struct PointFig {
    std::string X;             // abscisse telle que tapée (nombre ou calcul)
    std::string Y;             // ordonnée telle que tapée
    std::string Nom;           // une lettre en pratique, comparée à la casse près
    std::uint8_t Position = 0; // 1 haut-gauche, 2 bas-gauche, 3 bas-droite, 4 haut-droite, 0 sur le point
    bool Marque = false;

    bool operator==(const PointFig&) const = default;
};
