#include "model/DescriptionFigure.h"

#include <algorithm>
#include <cctype>

namespace {

bool EstChiffre(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Un nombre écrit simplement : un signe facultatif, des chiffres, au plus un point.
bool EstNombreSimple(const std::string& texte)
{
    const std::size_t début = !texte.empty() && (texte[0] == '-' || texte[0] == '+') ? 1 : 0;
    const auto chiffres =
        std::count_if(texte.begin() + static_cast<std::ptrdiff_t>(début), texte.end(), EstChiffre);
    const auto points = std::count(texte.begin(), texte.end(), '.');
    return chiffres > 0 && points <= 1 && static_cast<std::size_t>(chiffres + points) == texte.size() - début;
}

std::string CoordonnéeLue(const std::string& texte, const std::string& séparateurDécimal)
{
    const std::size_t point = texte.find('.');
    if (point == std::string::npos || !EstNombreSimple(texte))
        return texte;
    return texte.substr(0, point) + séparateurDécimal + texte.substr(point + 1);
}

} // namespace

std::string DescriptionPoint(const PointFig& p, const std::string& séparateurDécimal)
{
    return p.Nom + "(" + CoordonnéeLue(p.X, séparateurDécimal) + " ; " +
           CoordonnéeLue(p.Y, séparateurDécimal) + ")";
}

std::string DescriptionFigure(const Modulebas& m, const std::string& séparateurDécimal)
{
    if (m.NbPoints == 0)
        return "Aucun point.";
    std::string texte = m.NbPoints == 1 ? "Point : " : "Points : ";
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        texte += DescriptionPoint(m.Points[i], séparateurDécimal) + (i < m.NbPoints ? ", " : ".");
    if (m.PolygoneTracé) {
        texte += " Polygone ";
        for (std::size_t i = 1; i <= m.NbSommets; ++i)
            texte += m.Sommets[i].Nom;
        texte += ".";
    }
    return texte;
}
