// Korvane : le repère, l'échelle affichée, le zoom, le quadrillage, les axes et les quadrants.
#include "calc/ValeurCoordonnee.h"
#include "model/TexteNombre.h"
#include "ui/Korvane.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Les lignes u × i du quadrillage entre bas et haut, i allant des entiers les plus proches (moitié au
// pair) de bas / u à haut / u. Plus serrées qu'un pixel, elles se confondraient : on n'en garde qu'une par
// pixel, pour que le dessin coûte ce que coûte le canevas quel que soit le repère.
template <typename Tracer> void TracerLignes(double bas, double haut, double u, double pixels, Tracer tracer)
{
    if (!(u > 0))
        return;
    const double premier = std::nearbyint(bas / u);
    const double dernier = std::nearbyint(haut / u);
    if (!(premier <= dernier))
        return;
    const double pas = std::max(1.0, std::ceil((dernier - premier + 1) / std::max(pixels, 1.0)));
    for (double i = premier; i <= dernier; i += pas)
        tracer(u * i);
}

} // namespace

void Korvane::AjusterCadre()
{
    // Un plan vide ne donne pas d'échelle : on garde la précédente.
    if (m.XMax < 1) {
        m.XMax += 2;
        return;
    }
    if (Ecran.Cadre.Width <= 0 || Ecran.Cadre.Height <= 0)
        return;
    const Repère repère(m.Unité, m.XMax, Ecran.Cadre.Width, Ecran.Cadre.Height);
    m.YMax = repère.YMax();
    m.XMin = -m.XMax;
    m.YMin = -m.YMax;
    Ecran.DéfinirRepère(repère);

    for (Contrôle* étiquette : {&EtiO, &EtiI, &EtiJ})
        AjusterTaille(*étiquette);
    const double u = m.Unité;
    const auto largeur = [&](const Contrôle& c) { return repère.LargeurÉchelle(c.Width); };
    const auto hauteur = [&](const Contrôle& c) { return repère.HauteurÉchelle(c.Height); };
    PoserSurCanevas(EtiO, -largeur(EtiO) - u / 5, -u / 5);
    PoserSurCanevas(EtiI, u, -u / 5);
    PoserSurCanevas(EtiJ, -largeur(EtiJ) - u / 5, hauteur(EtiJ) / 2 + u);
}

void Korvane::AfficherEchelle()
{
    // Le rapport de l'étendue de départ à l'étendue actuelle, tronqué à deux décimales.
    if (m.XMax < 1)
        return;
    const std::int64_t centièmes = std::int64_t{1000} * m.Unité / m.XMax;
    const double f = static_cast<double>(centièmes) / 100;
    if (m.XMax > 10 * m.Unité)
        EtiEchelle.Caption = " 0," + TexteNumérique(f).substr(2);
    else
        EtiEchelle.Caption = TexteNumérique(f);
}

void Korvane::ChangerEchelle()
{
    AjusterCadre();
    AfficherEchelle();
    EtiX.Visible = false;
    EtiY.Visible = false;
    RedessinerTout();
}

// Les boutons s'arrêtent après avoir passé 3 et 35 unités du repère : un XMax au-delà de ce qu'ils
// atteignent depuis l'échelle de départ revient au plus proche qu'ils atteignent.
std::int32_t Korvane::XMaxAtteignable(std::int32_t xMax) const
{
    std::int32_t plusPetit = 10 * m.Unité;
    while (plusPetit > 3 * m.Unité)
        plusPetit -= 1000;
    std::int32_t plusGrand = 10 * m.Unité;
    while (plusGrand < 35 * m.Unité)
        plusGrand += 1000;
    return std::clamp(xMax, plusPetit, plusGrand);
}

// « + » : moins de plan, la figure grossit.
void Korvane::BtonEchMoins_Click()
{
    m.ModeChoixPoint = 0;
    if (m.XMax > 3 * m.Unité) {
        m.XMax -= 1000;
        ChangerEchelle();
    }
}

// « - » : plus de plan.
void Korvane::BtonEchPlus_Click()
{
    m.ModeChoixPoint = 0;
    if (m.XMax < 35 * m.Unité) {
        m.XMax += 1000;
        ChangerEchelle();
    }
}

void Korvane::BtonEch_MouseMove()
{
    Form.MousePointer = Pointeur::Flèche;
}

void Korvane::TracerQuadrillage(Couleur teinte)
{
    Ecran.DrawWidth = 1;
    const double largeurPixels = static_cast<double>(Ecran.Cadre.Width) / plateforme.TwipsParPixelX();
    const double hauteurPixels = static_cast<double>(Ecran.Cadre.Height) / plateforme.TwipsParPixelY();
    TracerLignes(m.XMin, m.XMax, m.Unité, largeurPixels,
                 [&](double x) { Ecran.Line(x, m.YMax, x, m.YMin, teinte); });
    TracerLignes(m.YMin, m.YMax, m.Unité, hauteurPixels,
                 [&](double y) { Ecran.Line(m.XMin, y, m.XMax, y, teinte); });
    Ecran.DrawWidth = m.ÉpaisseurTrait;
}

void Korvane::TracerAxes(Couleur teinte)
{
    Ecran.DrawWidth = 2;
    const double u = m.Unité;
    Ecran.Line(0, m.YMax, 0, m.YMin, teinte);
    Ecran.Line(m.XMin, 0, m.XMax, 0, teinte);
    Ecran.Line(u, -u / 10, u, u / 10, teinte);
    Ecran.Line(-u / 10, u, u / 10, u, teinte);
    Ecran.DrawWidth = m.ÉpaisseurTrait;
}

// I en haut à droite, II en haut à gauche, III en bas à gauche, IV en bas à droite.
void Korvane::NuméroterQuadrants()
{
    for (Contrôle& q : EtiQuad)
        AjusterTaille(q);
    const Repère& repère = Ecran.RepèreCourant();
    const auto largeur = [&](const Contrôle& c) { return repère.LargeurÉchelle(c.Width); };
    const double bas = m.YMin + repère.HauteurÉchelle(EtiQuad[2].Height);
    PoserSurCanevas(EtiQuad[0], m.XMax - largeur(EtiQuad[0]), m.YMax);
    PoserSurCanevas(EtiQuad[1], m.XMin, m.YMax);
    PoserSurCanevas(EtiQuad[2], m.XMin, bas);
    PoserSurCanevas(EtiQuad[3], m.XMax - largeur(EtiQuad[3]), bas);
    for (Contrôle& q : EtiQuad)
        q.Visible = true;
}

void Korvane::AjusterTaille(Contrôle& étiquette)
{
    const TailleTexte taille = plateforme.MesurerTexte(étiquette.Caption, étiquette.FontSize);
    étiquette.Width = taille.Largeur;
    étiquette.Height = taille.Hauteur;
}

void Korvane::PoserSurCanevas(Contrôle& étiquette, double gauche, double haut)
{
    const PointPlan coin = Ecran.RepèreCourant().VersTwips({gauche, haut});
    étiquette.Left = static_cast<int>(std::lround(coin.X));
    étiquette.Top = static_cast<int>(std::lround(coin.Y));
}

PointPlan Korvane::SurCanevas(const std::string& x, const std::string& y) const
{
    return Ecran.RepèreCourant().DepuisFigure(ValeurCoordonnée(x), ValeurCoordonnée(y));
}
