// Korvane : le rendu de la figure sur le canevas, toujours refait en entier depuis le modèle.
#include "ui/Korvane.h"

#include "model/DescriptionFigure.h"

void Korvane::Etat_Outils()
{
    if (QuadrillageAffiché())
        TracerQuadrillage(CouleurQuadrillage);
    if (AxesAffichés())
        TracerAxes(CouleurAxes);
}

void Korvane::RedessinerTout()
{
    Ecran.Cls();
    Etat_Outils();
    RedessinerPoints();
    if (QuadrantsNumérotés())
        NuméroterQuadrants();
    if (!m.CibleEnCours) {
        for (std::size_t i = 0; i < LabTypeFig.size(); ++i)
            ColorerLigneCible(i, CouleurPanneau);
    }
}

// Un texte de coordonnée en faute vaut 0 : le point est tracé sur l'axe, le dessin des autres continue.
void Korvane::RedessinerPoints()
{
    for (std::size_t i = 1; i <= m.NbPoints; ++i) {
        const PointFig& p = m.Points[i];
        const PointPlan position = SurCanevas(p.X, p.Y);
        TracerPoint(position.X, position.Y);
        CréerÉtiquettePoint(i);
        PlacerNom(i, position.X, position.Y, p.Position, p.Nom);
    }
    if (m.PolygoneTracé)
        TracerPolygone();
    DécrireFigure();
}

// Avant l'Analyse, la description ne dit que ce qui est dessiné : elle ne souffle pas la réponse d'une
// cible. Une fois la figure changée, la phrase ne vaut plus et ne revient pas.
void Korvane::DécrireFigure()
{
    const std::string figure = DescriptionFigure(m, plateforme.SéparateurDécimal());
    if (DernièreAnalyse && DernièreAnalyse->Figure != figure)
        DernièreAnalyse.reset();
    Ecran.Cadre.DescriptionAccessible = DernièreAnalyse ? figure + " " + DernièreAnalyse->Phrase : figure;
}

void Korvane::TracerPoint(double x, double y)
{
    Ecran.DrawWidth = 4 * m.ÉpaisseurTrait;
    Ecran.PSet(x, y, m.CouleurTrait);
    Ecran.DrawWidth = m.ÉpaisseurTrait;
}

void Korvane::CréerÉtiquettePoint(std::size_t i)
{
    while (EtiPoint.size() <= i)
        EtiPoint.push_back(EtiPoint[0]);
}

// Codes de position : 1 haut-gauche, 2 bas-gauche, 3 bas-droite, 4 haut-droite, 0 coin sur le point ;
// l'étiquette reste à un quart d'unité du point.
void Korvane::PlacerNom(std::size_t i, double x, double y, std::uint8_t position, const std::string& nom)
{
    CréerÉtiquettePoint(i);
    Contrôle& étiquette = EtiPoint[i];
    étiquette.Caption = nom;
    étiquette.ForeColor = m.CouleurTrait;
    AjusterTaille(étiquette);
    const double d = m.Unité / 4.0;
    const double w = Ecran.RepèreCourant().LargeurÉchelle(étiquette.Width);
    const double h = Ecran.RepèreCourant().HauteurÉchelle(étiquette.Height);

    double haut = y;
    if (position == 1 || position == 4)
        haut = y + d + h;
    else if (position == 2 || position == 3)
        haut = y - d;
    double gauche = x;
    if (position == 1 || position == 2)
        gauche = x - d - w;
    else if (position == 3 || position == 4)
        gauche = x + d;
    PoserSurCanevas(étiquette, gauche, haut);
    étiquette.Visible = true;
}

void Korvane::TracerPolygone()
{
    if (m.NbSommets == 0)
        return;
    if (m.CapSommets() < m.NbSommets + 1)
        m.Sommets.Redimensionner(m.NbSommets + 1);
    m.Sommets[m.NbSommets + 1] = m.Sommets[1];
    for (std::size_t i = 1; i <= m.NbSommets; ++i) {
        const PointPlan a = SurCanevas(m.Sommets[i].X, m.Sommets[i].Y);
        const PointPlan b = SurCanevas(m.Sommets[i + 1].X, m.Sommets[i + 1].Y);
        Ecran.Line(a.X, a.Y, b.X, b.Y, m.CouleurTrait);
    }
}
