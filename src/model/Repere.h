// Le repère du canevas : une coordonnée de la figure vaut `Unité` unités de l'échelle ; l'échelle va de
// -XMax à XMax en largeur et de YMax à -YMax en hauteur, sur un cadre mesuré en twips et dessiné en pixels.
#pragma once

#include <cstdint>

struct PointPlan {
    double X = 0;
    double Y = 0;
};

class Repère {
public:
    // Un carré d'une unité de côté de part et d'autre de l'origine, sur un cadre de 2 × 2 twips.
    Repère() = default;
    // La hauteur de l'échelle suit celle du cadre, à la même proportion que la largeur.
    Repère(std::int32_t unité, std::int32_t xMax, int largeurTwips, int hauteurTwips);

    // L'unité de départ : vingt unités de la figure dans la largeur du cadre.
    static std::int32_t UnitéDuCadre(int largeurTwips);

    std::int32_t Unité() const { return unité; }
    std::int32_t XMax() const { return xMax; }
    std::int32_t YMax() const { return yMax; }
    // Twips du cadre par unité de l'échelle, en simple précision comme la tolérance du pointeur.
    float Rapport() const { return rapport; }

    PointPlan DepuisFigure(double x, double y) const { return {unité * x, unité * y}; }

    // Des twips comptés depuis le coin haut-gauche du cadre.
    PointPlan VersTwips(PointPlan p) const;
    // Une largeur ou une hauteur en twips, en unités de l'échelle (toujours positive).
    double LargeurÉchelle(double twips) const;
    double HauteurÉchelle(double twips) const;

    // Des pixels d'une surface de largeur × hauteur pixels qui montre tout le cadre.
    PointPlan VersPixels(PointPlan p, double largeur, double hauteur) const;
    PointPlan DepuisPixels(PointPlan pixel, double largeur, double hauteur) const;

private:
    std::int32_t unité = 1;
    std::int32_t xMax = 1;
    std::int32_t yMax = 1;
    int largeurTwips = 2;
    int hauteurTwips = 2;
    float rapport = 1;
};
