#include "ui/CadreFocus.h"

#include "ui/Controle.h"

#include <cmath>

namespace {

constexpr Couleur Noir{0, 0, 0};
constexpr Couleur Blanc{255, 255, 255};

double Linéaire(std::uint8_t composante)
{
    const double c = composante / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Couleur c)
{
    return 0.2126 * Linéaire(c.R) + 0.7152 * Linéaire(c.V) + 0.0722 * Linéaire(c.B);
}

Couleur QuiTranche(Couleur fond)
{
    return RapportContraste(Noir, fond) >= RapportContraste(Blanc, fond) ? Noir : Blanc;
}

} // namespace

double RapportContraste(Couleur a, Couleur b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void PoserCadreFocus(Contrôle& c, Couleur autour, Couleur dedans)
{
    c.Focus = CadreFocus{QuiTranche(autour), QuiTranche(dedans)};
}
