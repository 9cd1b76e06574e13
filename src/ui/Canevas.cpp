#include "ui/Canevas.h"

#include <cmath>

void Canevas::DéfinirÉchelle(double gauche, double haut, double droite, double bas)
{
    échelleGauche = gauche;
    échelleHaut = haut;
    échelleLargeur = droite - gauche;
    échelleHauteur = bas - haut;
}

void Canevas::Line(double x1, double y1, double x2, double y2, Couleur teinte)
{
    marques.push_back({GenreMarque::Ligne, x1, y1, x2, y2, teinte, DrawWidth});
}

void Canevas::PSet(double x, double y, Couleur teinte)
{
    marques.push_back({GenreMarque::Point, x, y, x, y, teinte, DrawWidth});
}

double Canevas::VersTwipsX(double x) const
{
    return (x - échelleGauche) * Cadre.Width / échelleLargeur;
}
double Canevas::VersTwipsY(double y) const
{
    return (y - échelleHaut) * Cadre.Height / échelleHauteur;
}
double Canevas::DepuisTwipsX(double twips) const
{
    return Cadre.Width ? échelleGauche + twips * échelleLargeur / Cadre.Width : échelleGauche;
}

double Canevas::DepuisTwipsY(double twips) const
{
    return Cadre.Height ? échelleHaut + twips * échelleHauteur / Cadre.Height : échelleHaut;
}

double Canevas::LargeurÉchelle(double twips) const
{
    return Cadre.Width ? std::abs(twips * échelleLargeur / Cadre.Width) : 0;
}

double Canevas::HauteurÉchelle(double twips) const
{
    return Cadre.Height ? std::abs(twips * échelleHauteur / Cadre.Height) : 0;
}
