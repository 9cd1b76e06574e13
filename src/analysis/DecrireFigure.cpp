// Le classement de la figure : la phrase et le nom court, assemblés à partir des propriétés trouvées.
#include "analysis/ClassAnaPoly.h"
#include "analysis/Tolerance.h"
#include "model/Caracteres.h"

#include <array>
#include <string_view>

namespace {

struct Nom {
    std::string_view Phrase;
    std::string_view Figure;
};

struct NomsPolygone {
    Nom Croisé;
    Nom Régulier;
    Nom Simple;
};

// Du pentagone au décagone.
constexpr std::array<NomsPolygone, 6> Polygones{{
    {{" est un pentagone croisé", "Pentagone croisé"},
     {" est un pentagone régulier", "Pentagone régulier"},
     {" est un pentagone", "Pentagone"}},
    {{" est un hexagone croisé", "Hexagone croisé"},
     {" est un hexagone régulier", "Hexagone régulier"},
     {" est un hexagone", "Hexagone"}},
    {{" est un heptagone croisé", "Heptagone croisé"},
     {" est un heptagone régulier", "Heptagone régulier"},
     {" est un heptagone", "Heptagone"}},
    {{" est un octogone croisé", "Octogone croisé"},
     {" est un octogone régulier", "Octogone régulier"},
     {" est un octogone", "Octogone"}},
    {{" est un ennéagone croisé (ou nonagone croisé)", "Ennéagone croisé"},
     {" est un ennéagone régulier (ou nonagone régulier)", "Ennéagone régulier"},
     {" est un ennéagone (ou nonagone)", "Ennéagone"}},
    {{" est un décagone croisé", "Décagone croisé"},
     {" est un décagone régulier", "Décagone régulier"},
     {" est un décagone", "Décagone"}},
}};

// Positions des sommets d'un triangle ou d'un quadrilatère.
constexpr std::size_t A = 1, B = 2, C = 3, D = 4;

} // namespace

std::string ClassAnaPoly::DécrireFigure(std::string& noms)
{
    const auto caractères = Caractères(noms);
    const std::size_t longueur = caractères.size();
    if (longueur <= 3) {
        figure = "Pas un polygone";
        return "La figure n'est pas un polygone";
    }
    if (longueur >= 12) {
        // Le nombre s'écrit avec la place de son signe : deux blancs suivent « à ».
        const std::string côtés = " " + std::to_string(longueur - 1);
        figure = "Polygone à " + côtés;
        return "La figure est un polygone à " + côtés + " côtés";
    }
    if (caractères.back() != caractères.front()) {
        switch (longueur) {
        case 4:
            figure = "Pas un triangle";
            return noms + " n'est pas un triangle (la figure n'est pas fermée)";
        case 5:
            figure = "Pas un quadrilatère";
            return noms + " n'est pas un quadrilatère (la figure n'est pas fermée)";
        default:
            figure = "Pas un polygone";
            return noms + " n'est pas un polygone (la figure n'est pas fermée)";
        }
    }
    noms.resize(noms.size() - caractères.back().size());
    switch (longueur) {
    case 4:
        return DécrireTriangle(noms);
    case 5:
        return DécrireQuadrilatère(noms);
    default:
        return DécrirePolygone(noms, longueur - 1);
    }
}

std::string ClassAnaPoly::DécrireTriangle(const std::string& noms)
{
    if (!TestTriangleConfondus(noms)) {
        figure = "Pas un triangle";
        return "Ce n'est pas un triangle (des sommets sont confondus)";
    }
    const std::string rect = TestTriangleRectangle() ? "rectangle " : "";
    const std::vector<std::size_t> isocèles = SommetsIsocèles();
    if (isocèles.empty()) {
        figure = rect.empty() ? "Triangle" : "Triangle rectangle";
        return noms + (rect.empty() ? " est un triangle" : " est un triangle rectangle");
    }
    // Deux sommets isocèles suffisent : les trois côtés sont alors égaux à deux tolérances près.
    if (isocèles.size() >= 2) {
        figure = "Triangle équilatéral";
        return noms + " est un triangle équilatéral";
    }
    const std::string sommet = Caractères(noms)[isocèles.front() - 1];
    figure = "Triangle " + rect + "isocèle en " + sommet;
    return noms + " est un triangle " + rect + "isocèle en " + sommet;
}

std::string ClassAnaPoly::DécrireQuadrilatère(const std::string& noms)
{
    const auto nommer = [&](std::string_view phrase, std::string_view court) {
        figure = court;
        return noms + std::string(phrase);
    };
    if (!TestQuadriConfondus(noms)) {
        figure = "Pas un quadrilatère";
        return "Ce n'est pas un quadrilatère (des sommets sont confondus)";
    }
    if (TestCroisé(noms))
        return nommer(" est un quadrilatère croisé", "Quadrilatère croisé");
    if (!TestTrapèze()) {
        if (TestCerfVolant())
            return nommer(" est un cerf-volant", "Cerf-volant");
        return nommer(" est un quadrilatère", "Quadrilatère");
    }
    if (!TestTrapèzeIsocèle()) {
        if (TestAngleDroitTrapèze())
            return nommer(" est un trapèze rectangle", "Trapèze rectangle");
        return nommer(" est un trapèze", "Trapèze");
    }
    if (!TestParallélogramme())
        return nommer(" est un trapèze isocèle", "Trapèze isocèle");
    if (TestRectangle()) {
        if (TestCarré())
            return nommer(" est un carré", "Carré");
        return nommer(" est un rectangle", "Rectangle");
    }
    if (TestLosange())
        return nommer(" est un losange", "Losange");
    return nommer(" est un parallélogramme", "Parallélogramme");
}

std::string ClassAnaPoly::DécrirePolygone(const std::string& noms, std::size_t n)
{
    if (!TestPointsConfondus(noms)) {
        figure = "Pas un polygone";
        return noms + " n'est pas un polygone";
    }
    const NomsPolygone& polygone = Polygones[n - 5];
    const Nom& nom = TestCroisé(noms)  ? polygone.Croisé
                     : TestRégulier(n) ? polygone.Régulier
                                       : polygone.Simple;
    figure = nom.Figure;
    return noms + std::string(nom.Phrase);
}

bool ClassAnaPoly::TestTriangleRectangle() const
{
    return TestPerpendiculaire(C, A, B) || TestPerpendiculaire(A, B, C) || TestPerpendiculaire(B, C, A);
}

std::vector<std::size_t> ClassAnaPoly::SommetsIsocèles() const
{
    // Un sommet est isocèle quand les deux côtés qui en partent ont la même longueur.
    std::vector<std::size_t> sommets;
    if (LongueursÉgales(DistanceSommets(A, B), DistanceSommets(A, C)))
        sommets.push_back(A);
    if (LongueursÉgales(DistanceSommets(B, C), DistanceSommets(A, B)))
        sommets.push_back(B);
    if (LongueursÉgales(DistanceSommets(C, B), DistanceSommets(C, A)))
        sommets.push_back(C);
    return sommets;
}

bool ClassAnaPoly::CôtésÉgaux(std::size_t a, std::size_t b, std::size_t c, std::size_t d) const
{
    return LongueursÉgales(DistanceSommets(a, b), DistanceSommets(c, d));
}

bool ClassAnaPoly::TestTrapèze() const
{
    return TestParallèles(A, B, C, D) || TestParallèles(A, D, B, C);
}

bool ClassAnaPoly::TestAngleDroitTrapèze() const
{
    // Seuls B et C sont examinés : un trapèze droit en A et D reste un trapèze.
    return TestPerpendiculaire(A, B, C) || TestPerpendiculaire(B, C, D);
}

bool ClassAnaPoly::TestTrapèzeIsocèle() const
{
    // Vrai aussi pour un parallélogramme : deux côtés opposés égaux, les deux autres parallèles.
    if (CôtésÉgaux(A, B, C, D))
        return TestParallèles(A, D, B, C);
    if (CôtésÉgaux(A, D, B, C))
        return TestParallèles(A, B, C, D);
    return false;
}

bool ClassAnaPoly::TestParallélogramme() const
{
    return TestParallèles(A, B, C, D) && TestParallèles(A, D, B, C);
}

bool ClassAnaPoly::TestRectangle() const
{
    return TestPerpendiculaire(A, B, C) && CôtésÉgaux(A, B, C, D) && CôtésÉgaux(B, C, D, A);
}

bool ClassAnaPoly::TestCarré() const
{
    return CôtésÉgaux(A, B, B, C);
}

bool ClassAnaPoly::TestLosange() const
{
    return CôtésÉgaux(A, B, C, D) && CôtésÉgaux(B, C, D, A) && CôtésÉgaux(A, B, B, C);
}

bool ClassAnaPoly::TestCerfVolant() const
{
    // Deux paires de côtés consécutifs égaux, sans que les quatre le soient.
    return (CôtésÉgaux(A, B, B, C) && CôtésÉgaux(C, D, D, A) && !CôtésÉgaux(A, B, D, A)) ||
           (CôtésÉgaux(A, B, D, A) && CôtésÉgaux(B, C, C, D) && !CôtésÉgaux(A, B, B, C));
}

bool ClassAnaPoly::TestRégulier(std::size_t n) const
{
    // Seuls les angles comptent : un polygone équiangle à côtés inégaux passe pour régulier.
    const double référence = AngleSommets(1, 2, 3);
    for (std::size_t k = 1; k <= n; ++k) {
        const std::size_t précédent = k == 1 ? n : k - 1;
        const std::size_t suivant = k == n ? 1 : k + 1;
        const double angle = AngleSommets(précédent, k, suivant);
        if (angle < référence - ToléranceAngles || angle > référence + ToléranceAngles)
            return false;
    }
    return true;
}
