#include "model/DescriptionFigure.h"

std::string DescriptionFigure(const Modulebas& m)
{
    if (m.NbPoints == 0)
        return "Aucun point.";
    std::string texte = m.NbPoints == 1 ? "Point : " : "Points : ";
    for (std::size_t i = 1; i <= m.NbPoints; ++i) {
        const PointFig& p = m.Points[i];
        texte += p.Nom + "(" + p.X + " ; " + p.Y + ")" + (i < m.NbPoints ? ", " : ".");
    }
    if (m.PolygoneTracé) {
        texte += " Polygone ";
        for (std::size_t i = 1; i <= m.NbSommets; ++i)
            texte += m.Sommets[i].Nom;
        texte += ".";
    }
    return texte;
}
