#include "ui/Canevas.h"

void Canevas::Line(double x1, double y1, double x2, double y2, Couleur teinte)
{
    marques.push_back({GenreMarque::Ligne, x1, y1, x2, y2, teinte, DrawWidth});
}

void Canevas::PSet(double x, double y, Couleur teinte)
{
    marques.push_back({GenreMarque::Point, x, y, x, y, teinte, DrawWidth});
}
