#include "model/Repere.h"

#include <algorithm>
#include <cmath>

namespace {

// Au plus proche, les moitiés vers l'entier pair.
std::int32_t ArrondiPair(double v)
{
    return static_cast<std::int32_t>(std::nearbyint(v));
}

} // namespace

Repère::Repère(std::int32_t unité, std::int32_t xMax, int largeurTwips, int hauteurTwips)
    : unité(unité), xMax(xMax), largeurTwips(largeurTwips), hauteurTwips(hauteurTwips),
      rapport(static_cast<float>(largeurTwips) / (2.0f * static_cast<float>(xMax)))
{
    yMax = ArrondiPair(hauteurTwips / (2.0 * rapport));
}

std::int32_t Repère::UnitéDuCadre(int largeurTwips)
{
    return ArrondiPair(largeurTwips / 20.0);
}

PointPlan Repère::VersTwips(PointPlan p) const
{
    return {(p.X + xMax) * largeurTwips / (2.0 * xMax), (yMax - p.Y) * hauteurTwips / (2.0 * yMax)};
}

double Repère::LargeurÉchelle(double twips) const
{
    return largeurTwips ? std::abs(twips * 2.0 * xMax / largeurTwips) : 0;
}

double Repère::HauteurÉchelle(double twips) const
{
    return hauteurTwips ? std::abs(twips * 2.0 * yMax / hauteurTwips) : 0;
}

PointPlan Repère::VersPixels(PointPlan p, double largeur, double hauteur) const
{
    return {(p.X + xMax) * (largeur / (2.0 * xMax)), (p.Y - yMax) * (hauteur / (-2.0 * yMax))};
}

PointPlan Repère::DepuisPixels(PointPlan pixel, double largeur, double hauteur) const
{
    return {-xMax + pixel.X * 2.0 * xMax / std::max(largeur, 1.0),
            yMax - pixel.Y * 2.0 * yMax / std::max(hauteur, 1.0)};
}
