// Ce qu'un fichier de figure (.lum) garde d'une figure, sans rien de la fenêtre qui l'affiche.
#pragma once

#include "model/PointFig.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FigureFichier {
    // 10 × Unité / XMax : 1 à l'échelle de départ, 0,5 quand on voit deux fois plus loin.
    double RapportZoom = 1;
    std::vector<PointFig> Points;
    std::vector<std::string> Tracés;
    // À la lecture, une valeur autre que 1 ou 0 laisse l'option affichée comme elle est (rien).
    std::optional<bool> AxesAffichés = true;
    std::optional<bool> QuadrillageAffiché = true;
    std::uint8_t Précision = 1;

    bool operator==(const FigureFichier&) const = default;
};
