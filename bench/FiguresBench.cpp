#include "FiguresBench.h"

#include "files/FichierFigure.h"
#include "model/Caracteres.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace {

// Lettres puis chiffres : assez de noms d'un caractère pour le polygone le plus long.
constexpr std::string_view Noms = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string Nom(std::size_t i)
{
    return std::string(1, Noms[i % Noms.size()]);
}

// Un décimal tapé à deux décimales, avec la virgule.
std::string Décimal(double v)
{
    char tampon[32];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, 2).ptr;
    std::string texte(tampon, fin);
    for (char& c : texte)
        if (c == '.')
            c = ',';
    return texte;
}

// Les points ailleurs que sur le polygone : un sur trois est un calcul.
std::string Éparpillé(std::size_t i, int facteur)
{
    const int k = static_cast<int>((i * 37 + facteur * 11) % 17) - 8;
    switch (i % 3) {
    case 0:
        return "RAC(" + std::to_string(std::abs(k) + 1) + ")";
    case 1:
        return std::to_string(k) + "/3";
    default:
        return Décimal(k + 0.25 * facteur);
    }
}

void AjouterPoint(FigureFichier& figure, std::string x, std::string y)
{
    const std::size_t i = figure.Points.size();
    PointFig p;
    p.X = std::move(x);
    p.Y = std::move(y);
    p.Nom = Nom(i);
    p.Position = static_cast<std::uint8_t>(1 + i % 4);
    figure.Points.push_back(std::move(p));
    figure.Tracés.push_back("Point " + Nom(i));
}

void AjouterPolygone(FigureFichier& figure, std::size_t nbSommets)
{
    std::string sommets;
    for (std::size_t i = 0; i < nbSommets; ++i)
        sommets += Nom(i);
    figure.Tracés.push_back("Polygone " + sommets);
}

} // namespace

void MessagerieMuette::MontrerFormMessage(Modulebas& m)
{
    m.TitreMessage.clear();
    m.TexteMessage.clear();
}

FigureFichier FigureDePoints(std::size_t nbPoints, std::size_t nbSommets, unsigned variante)
{
    FigureFichier figure;
    for (std::size_t i = 0; i < nbPoints; ++i) {
        if (i < nbSommets) {
            const double angle =
                2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(nbSommets);
            const double rayon = 6 + 0.5 * static_cast<double>((variante + i) % 3);
            AjouterPoint(figure, Décimal(rayon * std::cos(angle)), Décimal(rayon * std::sin(angle)));
        } else {
            AjouterPoint(figure, Éparpillé(i, 1), Éparpillé(i + variante, 2));
        }
    }
    AjouterPolygone(figure, nbSommets);
    return figure;
}

FigureFichier FigurePolygone(const std::vector<std::pair<std::string, std::string>>& sommets)
{
    FigureFichier figure;
    for (const auto& [x, y] : sommets)
        AjouterPoint(figure, x, y);
    AjouterPolygone(figure, sommets.size());
    return figure;
}

FigureFichier PolygoneRégulier(std::size_t n)
{
    std::vector<std::pair<std::string, std::string>> sommets;
    const std::size_t pas = 360 / n;
    for (std::size_t k = 0; k < n; ++k) {
        const std::string angle = std::to_string(pas * k);
        sommets.emplace_back("5*COS(" + angle + ")", "5*SIN(" + angle + ")");
    }
    return FigurePolygone(sommets);
}

std::string SuiteFermée(const FigureFichier& figure)
{
    const std::string ouverte = PolygoneDeLaFigure(figure).value_or("");
    return ouverte.empty() ? ouverte : ouverte + Caractères(ouverte).front();
}
