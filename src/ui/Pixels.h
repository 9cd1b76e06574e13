// Les twips des fenêtres en pixels, le même calcul pour toutes les vues : 1440 twips au pouce.
#pragma once

#include <cmath>

inline double TwipsParPixel(double pointsParPouce)
{
    return pointsParPouce > 0 ? 1440.0 / pointsParPouce : 15.0;
}

inline int VersPixels(int twips, double twipsParPixel)
{
    return static_cast<int>(std::lround(twips / twipsParPixel));
}

inline int VersTwips(double pixels, double twipsParPixel)
{
    return static_cast<int>(std::lround(pixels * twipsParPixel));
}
