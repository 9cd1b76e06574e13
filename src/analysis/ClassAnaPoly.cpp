#include "analysis/ClassAnaPoly.h"

#include "analysis/NombreDecimal.h"
#include "analysis/Tolerance.h"
#include "calc/ValeurCoordonnee.h"
#include "model/AfficherMessage.h"
#include "model/Caracteres.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;
// Le point (30000 ; 30000) tient lieu d'intersection absente : il est hors de tout côté.
constexpr double HorsFigure = 30000;
// Un côté plus étroit que cela est traité comme vertical.
constexpr double LargeurVerticale = 0.01;

int Signe(double v)
{
    return (v > 0) - (v < 0);
}

// Une intersection calculée est écrite en texte puis relue comme une coordonnée : 15 chiffres
// significatifs coupés à 12 décimales. C'est ce qui la fait tomber juste sur un sommet.
double CommeCoordonnée(double v)
{
    return NombreDécimal::De(v).Tronqué(12).Valeur();
}

} // namespace

ClassAnaPoly::ClassAnaPoly(Modulebas& m, Messagerie& messagerie) : m(m), messagerie(messagerie) {}

void ClassAnaPoly::NomSommets(std::string noms)
{
    nomSommets = std::move(noms);
}

const std::string& ClassAnaPoly::NomSommets() const
{
    return nomSommets;
}

std::string ClassAnaPoly::DescriptionFig()
{
    return DécrireFigure(nomSommets);
}

const std::string& ClassAnaPoly::Figure() const
{
    return figure;
}

bool ClassAnaPoly::PolyCroisé()
{
    IndexerSommets(nomSommets);
    return TestCroisé(nomSommets);
}

void ClassAnaPoly::NumPoint1(std::size_t n)
{
    numPoint1 = n;
}

void ClassAnaPoly::NumPoint2(std::size_t n)
{
    numPoint2 = n;
}

void ClassAnaPoly::NumPoint3(std::size_t n)
{
    numPoint3 = n;
}

void ClassAnaPoly::NumPoint4(std::size_t n)
{
    numPoint4 = n;
}

double ClassAnaPoly::DistancePointPoint()
{
    const auto caractères = Caractères(nomSommets);
    IndexerSommets(caractères.empty() ? nomSommets : nomSommets + caractères.front());
    return DistanceSommets(numPoint1, numPoint1 + 1u);
}

bool ClassAnaPoly::TestAng()
{
    return AngleRentrant(numPoint1, numPoint2, numPoint3, numPoint4);
}

double ClassAnaPoly::Angle()
{
    return AngleSommets(numPoint1, numPoint2, numPoint3);
}

void ClassAnaPoly::IndexerSommets(const std::string& noms)
{
    const auto caractères = Caractères(noms);
    // Un nom peut revenir plusieurs fois : la table couvre toute la suite, même plus longue que la figure.
    const std::size_t dimension = std::max<std::size_t>(m.NbPoints + 1u, caractères.size());
    m.IndSommets.Redimensionner(dimension);
    for (std::size_t k = 1; k <= dimension; ++k)
        m.IndSommets[k] = 0;
    const std::size_t nbPoints = std::min<std::size_t>(m.NbPoints, m.Points.Dimension());
    // Deux points de même nom : le dernier construit l'emporte.
    for (std::size_t i = 1; i <= nbPoints; ++i)
        for (std::size_t j = 1; j <= caractères.size(); ++j)
            if (caractères[j - 1] == m.Points[i].Nom)
                m.IndSommets[j] = static_cast<std::uint8_t>(i);
}

std::size_t ClassAnaPoly::NuméroDuSommet(std::size_t k) const
{
    if (k == 0 || k > m.IndSommets.Dimension())
        return 0;
    const std::size_t i = m.IndSommets[k];
    return i > m.Points.Dimension() ? 0 : i;
}

ClassAnaPoly::Coordonnées ClassAnaPoly::Position(std::size_t numéro) const
{
    // Un nom qui n'est celui d'aucun point se lit comme un point vide, à l'origine.
    static const PointFig aucun;
    const PointFig& p = numéro == 0 ? aucun : m.Points[numéro];
    if (numéro >= positions.size())
        positions.resize(numéro + 1);
    PositionRetenue& retenue = positions[numéro];
    // Comparer les textes coûte bien moins que les calculer, même longs.
    if (!retenue.Calculée || retenue.X != p.X || retenue.Y != p.Y)
        retenue = {p.X, p.Y, {ValeurCoordonnée(p.X), ValeurCoordonnée(p.Y)}, true};
    return retenue.Valeur;
}

ClassAnaPoly::Coordonnées ClassAnaPoly::Sommet(std::size_t k) const
{
    return Position(NuméroDuSommet(k));
}

double ClassAnaPoly::DistanceSommets(std::size_t a, std::size_t b) const
{
    const Coordonnées pa = Sommet(a);
    const Coordonnées pb = Sommet(b);
    return std::pow(std::pow(pb.y - pa.y, 2) + std::pow(pb.x - pa.x, 2), 0.5);
}

// La distance est nulle quand la somme des carrés l'est : la racine n'y change rien, et coûte.
bool ClassAnaPoly::SommetsConfondus(std::size_t a, std::size_t b) const
{
    const Coordonnées pa = Sommet(a);
    const Coordonnées pb = Sommet(b);
    return std::pow(pb.y - pa.y, 2) + std::pow(pb.x - pa.x, 2) == 0;
}

double ClassAnaPoly::AngleSommets(std::size_t p1, std::size_t p2, std::size_t p3) const
{
    const double c = DistanceSommets(p1, p2);
    const double a = DistanceSommets(p2, p3);
    const double b = DistanceSommets(p1, p3);
    // Un côté nul au sommet ne fait pas d'angle.
    if (a == 0 || c == 0)
        return 0;
    const double cosinus = (c * c + a * a - b * b) / (2 * a * c);
    return ArcCosinus(cosinus) * 180 / Pi;
}

double ClassAnaPoly::ArcCosinus(double x)
{
    // L'arrondi pousse le cosinus d'un angle plat ou nul au-delà de ±1 : il y est ramené.
    if (x >= 1)
        return 0;
    if (x <= -1)
        return 4 * std::atan(1.0);
    return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

bool ClassAnaPoly::TestPerpendiculaire(std::size_t p1, std::size_t p2, std::size_t p3) const
{
    const Coordonnées a = Sommet(p1);
    const Coordonnées b = Sommet(p2);
    const Coordonnées c = Sommet(p3);
    const double ux = b.x - a.x, uy = b.y - a.y;
    const double vx = c.x - b.x, vy = c.y - b.y;
    // Produit scalaire nul, à la tolérance près rapportée aux longueurs.
    return std::abs(ux * vx + uy * vy) <= Tolérance * std::hypot(ux, uy) * std::hypot(vx, vy);
}

bool ClassAnaPoly::TestParallèles(std::size_t p1, std::size_t p2, std::size_t p3, std::size_t p4) const
{
    const Coordonnées a = Sommet(p1);
    const Coordonnées b = Sommet(p2);
    const Coordonnées c = Sommet(p3);
    const Coordonnées d = Sommet(p4);
    const double dx1 = b.x - a.x, dy1 = b.y - a.y;
    const double dx2 = d.x - c.x, dy2 = d.y - c.y;
    // Vecteurs colinéaires : leur déterminant est nul, à la tolérance près rapportée aux longueurs.
    return std::abs(dx1 * dy2 - dy1 * dx2) <= Tolérance * std::hypot(dx1, dy1) * std::hypot(dx2, dy2);
}

bool ClassAnaPoly::TestTriangleConfondus(const std::string& noms)
{
    return AucunePaireConfondue(noms, {{1, 2}, {2, 3}, {3, 1}}, "Il y a deux sommets confondus");
}

bool ClassAnaPoly::TestQuadriConfondus(const std::string& noms)
{
    return AucunePaireConfondue(noms, {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {1, 3}, {2, 4}},
                                "Il y a deux points confondus");
}

bool ClassAnaPoly::TestPointsConfondus(const std::string& noms)
{
    std::vector<std::pair<std::size_t, std::size_t>> paires;
    const std::size_t n = Caractères(noms).size();
    for (std::size_t a = 1; a <= n; ++a)
        for (std::size_t b = a + 1; b <= n; ++b)
            paires.emplace_back(a, b);
    return AucunePaireConfondue(noms, paires, "Il y a des points confondus");
}

bool ClassAnaPoly::AucunePaireConfondue(const std::string& noms,
                                        const std::vector<std::pair<std::size_t, std::size_t>>& paires,
                                        const std::string& message)
{
    IndexerSommets(noms);
    const bool confondus = std::any_of(paires.begin(), paires.end(), [this](const auto& paire) {
        return SommetsConfondus(paire.first, paire.second);
    });
    if (confondus)
        AfficherMessage(m, messagerie, "Analyse de la figure", message);
    return !confondus;
}

bool ClassAnaPoly::TestCroisé(const std::string& noms) const
{
    const std::size_t n = Caractères(noms).size();
    if (n < 4)
        return false;
    const auto suivant = [n](std::size_t k) { return k % n + 1; };
    // Chaque côté est mis en équation une fois, puis comparé à tous les autres.
    std::vector<Droite> côtés;
    côtés.reserve(n);
    for (std::size_t k = 1; k <= n; ++k)
        côtés.push_back(CalculerDroite(k, suivant(k)));
    for (std::size_t i = 1; i <= n; ++i) {
        const Droite& l1 = côtés[i - 1];
        for (std::size_t j = 1; j <= n; ++j) {
            // Deux côtés voisins se touchent toujours à leur sommet commun : seuls les autres comptent.
            const bool voisins =
                j + 1 == i || j == i || j == i + 1 || (i == 1 && j == n) || (i == n && j == 1);
            if (voisins)
                continue;
            const Droite& l2 = côtés[j - 1];
            // Le point de croisement devrait être dans le cadre de chacun des deux côtés : si ces cadres ne
            // se touchent pas, le calcul de l'intersection ne peut que dire non.
            if (CadresDisjoints(l1, l2))
                continue;
            if (IntersectionDroites(l1, l2).SurLesDeuxCôtés)
                return true;
        }
    }
    return false;
}

Droite ClassAnaPoly::CalculerDroite(std::size_t k1, std::size_t k2) const
{
    const auto [x1, y1] = Sommet(k1);
    const auto [x2, y2] = Sommet(k2);
    Droite l{.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2};
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (-LargeurVerticale < dx && dx < LargeurVerticale && dy != 0) {
        l.Verticale = true;
    } else if (dy == 0) {
        l.A = 0;
        l.B = y1;
    } else {
        l.A = dy / dx;
        l.B = y1 - l.A * x1;
    }
    return l;
}

Intersection ClassAnaPoly::IntersectionDroites(const Droite& l1, const Droite& l2) const
{
    Intersection r{HorsFigure, HorsFigure, false};
    if (l1.Verticale && l2.Verticale) {
        // Deux côtés verticaux ne se coupent pas.
    } else if (l1.Verticale) {
        r.X = l1.X1;
        r.Y = CommeCoordonnée(l2.A * r.X + l2.B);
    } else if (l2.Verticale) {
        r.X = l2.X1;
        r.Y = CommeCoordonnée(l1.A * r.X + l1.B);
    } else if (l1.A != l2.A) {
        r.X = CommeCoordonnée((l2.B - l1.B) / (l1.A - l2.A));
        r.Y = CommeCoordonnée((l2.B - l1.B) * l1.A / (l1.A - l2.A) + l1.B);
    }
    r.SurLesDeuxCôtés = PointDansSegment(l1, r.X, r.Y) && PointDansSegment(l2, r.X, r.Y);
    return r;
}

bool ClassAnaPoly::CadresDisjoints(const Droite& l1, const Droite& l2)
{
    return std::max(l1.X1, l1.X2) < std::min(l2.X1, l2.X2) ||
           std::max(l2.X1, l2.X2) < std::min(l1.X1, l1.X2) ||
           std::max(l1.Y1, l1.Y2) < std::min(l2.Y1, l2.Y2) || std::max(l2.Y1, l2.Y2) < std::min(l1.Y1, l1.Y2);
}

bool ClassAnaPoly::PointDansSegment(const Droite& l, double x, double y)
{
    const auto [xmin, xmax] = std::minmax(l.X1, l.X2);
    const auto [ymin, ymax] = std::minmax(l.Y1, l.Y2);
    return xmin <= x && x <= xmax && ymin <= y && y <= ymax;
}

Droite ClassAnaPoly::CalculerDroiteCartésienne(std::size_t k1, std::size_t k2) const
{
    const auto [x1, y1] = Sommet(k1);
    const auto [x2, y2] = Sommet(k2);
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return {.A = dy, .B = -dx, .C = y1 * dx - x1 * dy, .X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2};
}

double ClassAnaPoly::DistancePointDroite(std::size_t k, const Droite& l) const
{
    const auto [x, y] = Sommet(k);
    return std::abs(l.A * x + l.B * y + l.C) / std::sqrt(l.A * l.A + l.B * l.B);
}

bool ClassAnaPoly::AngleRentrant(std::size_t p1, std::size_t p2, std::size_t p3, std::size_t& p4) const
{
    const Droite l = CalculerDroiteCartésienne(p1, p3);
    const auto côté = [&l](Coordonnées c) { return Signe(l.A * c.x + l.B * c.y + l.C); };
    const int s = côté(Sommet(p2));
    if (p4 == 0) {
        // Le sommet est rentrant quand le centre des autres sommets est du même côté que lui de la
        // droite qui joint ses voisins.
        const std::size_t n = Caractères(nomSommets).size();
        Coordonnées g;
        for (std::size_t k = 1; k <= n; ++k) {
            if (k == p2)
                continue;
            const Coordonnées c = Sommet(k);
            g.x += c.x;
            g.y += c.y;
        }
        g.x /= static_cast<double>(n - 1);
        g.y /= static_cast<double>(n - 1);
        return côté(g) * s == 1;
    }
    if (p4 == 5)
        p4 = 1;
    // Dans un quadrilatère, le sommet opposé est du même côté que le sommet rentrant, et plus loin.
    if (côté(Sommet(p4)) * s != 1)
        return false;
    return DistancePointDroite(p2, l) < DistancePointDroite(p4, l);
}
