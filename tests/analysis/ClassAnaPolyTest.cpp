#include "analysis/ClassAnaPoly.h"
#include "analysis/FigureAnalysee.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

using Coordonnées = std::pair<std::string, std::string>;

// Les points s'appellent A, B, C... dans l'ordre donné.
std::vector<PointDonné> Points(const std::vector<Coordonnées>& coordonnées)
{
    std::vector<PointDonné> points;
    for (const auto& [x, y] : coordonnées)
        points.push_back({std::string(1, static_cast<char>('A' + points.size())), x, y});
    return points;
}

struct Nom {
    std::string Phrase;
    std::string Court;
};

struct Cas {
    std::string Nom;
    std::vector<PointDonné> Figure;
    std::string Noms;
    std::string Phrase;
    std::string Court;
    std::string Message = ""; // le message de sommets confondus attendu, s'il y en a un
};

void VérifierCas(const std::vector<Cas>& table)
{
    for (const Cas& cas : table) {
        SCOPED_TRACE(cas.Nom);
        const Analyse analyse = Analyser(cas.Figure, cas.Noms);
        EXPECT_EQ(analyse.Phrase, cas.Phrase);
        EXPECT_EQ(analyse.Figure, cas.Court);
        if (cas.Message.empty()) {
            EXPECT_TRUE(analyse.Messages.empty());
        } else {
            ASSERT_EQ(analyse.Messages.size(), 1u);
            EXPECT_EQ(analyse.Messages[0].Titre, "Analyse de la figure");
            EXPECT_EQ(analyse.Messages[0].Texte, cas.Message);
        }
    }
}

std::string Texte12(double v)
{
    char tampon[40];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, 12).ptr;
    return {tampon, fin};
}

// Polygone régulier à n sommets de rayon 3 ; `écart` éloigne le premier sommet du centre.
std::vector<Coordonnées> Régulier(int n, double écart = 1)
{
    std::vector<Coordonnées> sommets;
    for (int k = 0; k < n; ++k) {
        const double rayon = k == 0 ? 3 * écart : 3;
        const double angle = 2 * std::numbers::pi * k / n;
        sommets.emplace_back(Texte12(rayon * std::cos(angle)), Texte12(rayon * std::sin(angle)));
    }
    return sommets;
}

// Le tour des n premières lettres dans l'ordre donné, refermé sur la première.
std::string Tour(const std::vector<int>& ordre)
{
    std::string noms;
    for (int k : ordre)
        noms += static_cast<char>('A' + k);
    return noms + noms.front();
}

std::vector<int> Dans(int n)
{
    std::vector<int> ordre;
    for (int k = 0; k < n; ++k)
        ordre.push_back(k);
    return ordre;
}

// Une étoile pour n impair, deux sommets voisins échangés pour n pair : dans les deux cas, croisé.
std::vector<int> Croisé(int n)
{
    std::vector<int> ordre;
    if (n % 2 == 1) {
        for (int k = 0; k < n; ++k)
            ordre.push_back(2 * k % n);
    } else {
        ordre = Dans(n);
        std::swap(ordre[1], ordre[2]);
    }
    return ordre;
}

// Un analyseur branché sur sa propre figure, pour les appels membre à membre.
struct Analyseur {
    explicit Analyseur(const std::vector<Coordonnées>& sommets, const std::string& noms)
        : m(FigureDe(Points(sommets)))
    {
        analyse.NomSommets(noms);
    }
    double Angle(std::uint8_t p1, std::uint8_t p2, std::uint8_t p3)
    {
        analyse.NumPoint1(p1);
        analyse.NumPoint2(p2);
        analyse.NumPoint3(p3);
        return analyse.Angle();
    }
    Modulebas m;
    MessagerieEnregistrée messagerie;
    ClassAnaPoly analyse{m, messagerie};
};

} // namespace

TEST(ClassAnaPoly, NommeLesTrianglesEtLesQuadrilatères)
{
    const auto triangle345 = Points({{"0", "0"}, {"3", "0"}, {"0", "4"}});
    const auto carré = Points({{"0", "0"}, {"2", "0"}, {"2", "2"}, {"0", "2"}});
    VérifierCas({
        {"triangle non fermé", Points({{"0", "0"}, {"3", "0"}, {"0", "4"}, {"1", "1"}}), "ABCD",
         "ABCD n'est pas un triangle (la figure n'est pas fermée)", "Pas un triangle"},
        {"rectangle non isocèle", triangle345, "ABCA", "ABC est un triangle rectangle", "Triangle rectangle"},
        {"quelconque", Points({{"0", "0"}, {"4", "0"}, {"1", "3"}}), "ABCA", "ABC est un triangle",
         "Triangle"},
        {"équilatéral", Points({{"0", "0"}, {"2", "0"}, {"1", "RAC(3)"}}), "ABCA",
         "ABC est un triangle équilatéral", "Triangle équilatéral"},
        {"isocèle en C", Points({{"0", "0"}, {"4", "0"}, {"2", "5"}}), "ABCA",
         "ABC est un triangle isocèle en C", "Triangle isocèle en C"},
        {"isocèle en B", Points({{"0", "0"}, {"2", "3"}, {"4", "0"}}), "ABCA",
         "ABC est un triangle isocèle en B", "Triangle isocèle en B"},
        {"rectangle isocèle en A", Points({{"0", "0"}, {"4", "0"}, {"0", "4"}}), "ABCA",
         "ABC est un triangle rectangle isocèle en A", "Triangle rectangle isocèle en A"},
        {"autres noms", triangle345, "BCAB", "BCA est un triangle rectangle", "Triangle rectangle"},
        {"quadrilatère non fermé", Points({{"0", "0"}, {"2", "0"}, {"2", "2"}, {"0", "2"}, {"1", "5"}}),
         "ABCDE", "ABCDE n'est pas un quadrilatère (la figure n'est pas fermée)", "Pas un quadrilatère"},
        {"A et C confondus", Points({{"0", "0"}, {"2", "0"}, {"0", "0"}, {"0", "2"}}), "ABCDA",
         "Ce n'est pas un quadrilatère (des sommets sont confondus)", "Pas un quadrilatère",
         "Il y a deux points confondus"},
        {"même point deux fois", carré, "ABCAA", "Ce n'est pas un quadrilatère (des sommets sont confondus)",
         "Pas un quadrilatère", "Il y a deux points confondus"},
        {"croisé", Points({{"0", "0"}, {"2", "2"}, {"2", "0"}, {"0", "2"}}), "ABCDA",
         "ABCD est un quadrilatère croisé", "Quadrilatère croisé"},
        {"C sur le côté AB", Points({{"0", "0"}, {"4", "0"}, {"2", "0"}, {"2", "3"}}), "ABCDA",
         "ABCD est un quadrilatère croisé", "Quadrilatère croisé"},
        {"carré", carré, "ABCDA", "ABCD est un carré", "Carré"},
        {"rectangle", Points({{"0", "0"}, {"4", "0"}, {"4", "2"}, {"0", "2"}}), "ABCDA",
         "ABCD est un rectangle", "Rectangle"},
        {"losange", Points({{"0", "0"}, {"2", "1"}, {"4", "0"}, {"2", "-1"}}), "ABCDA", "ABCD est un losange",
         "Losange"},
        {"parallélogramme", Points({{"0", "0"}, {"4", "0"}, {"5", "2"}, {"1", "2"}}), "ABCDA",
         "ABCD est un parallélogramme", "Parallélogramme"},
        {"trapèze isocèle", Points({{"0", "0"}, {"6", "0"}, {"4", "2"}, {"2", "2"}}), "ABCDA",
         "ABCD est un trapèze isocèle", "Trapèze isocèle"},
        {"trapèze droit en B et C", Points({{"0", "0"}, {"4", "0"}, {"4", "2"}, {"1", "2"}}), "ABCDA",
         "ABCD est un trapèze rectangle", "Trapèze rectangle"},
        {"trapèze droit en A et D", Points({{"0", "0"}, {"4", "0"}, {"2", "2"}, {"0", "2"}}), "ABCDA",
         "ABCD est un trapèze", "Trapèze"},
        {"trapèze", Points({{"0", "0"}, {"5", "0"}, {"3", "2"}, {"1", "2"}}), "ABCDA", "ABCD est un trapèze",
         "Trapèze"},
        {"cerf-volant", Points({{"0", "3"}, {"2", "0"}, {"0", "-1"}, {"-2", "0"}}), "ABCDA",
         "ABCD est un cerf-volant", "Cerf-volant"},
        {"cerf-volant creux", Points({{"0", "3"}, {"2", "0"}, {"0", "1"}, {"-2", "0"}}), "ABCDA",
         "ABCD est un cerf-volant", "Cerf-volant"},
        {"quelconque", Points({{"0", "0"}, {"5", "0"}, {"4", "3"}, {"1", "2"}}), "ABCDA",
         "ABCD est un quadrilatère", "Quadrilatère"},
    });
}

TEST(ClassAnaPoly, NommeLesPolygonesDeCinqÀDixSommets)
{
    struct Famille {
        int N;
        Nom Croisé;
        Nom Régulier;
        Nom Simple;
    };
    const std::vector<Famille> familles = {
        {5,
         {" est un pentagone croisé", "Pentagone croisé"},
         {" est un pentagone régulier", "Pentagone régulier"},
         {" est un pentagone", "Pentagone"}},
        {6,
         {" est un hexagone croisé", "Hexagone croisé"},
         {" est un hexagone régulier", "Hexagone régulier"},
         {" est un hexagone", "Hexagone"}},
        {7,
         {" est un heptagone croisé", "Heptagone croisé"},
         {" est un heptagone régulier", "Heptagone régulier"},
         {" est un heptagone", "Heptagone"}},
        {8,
         {" est un octogone croisé", "Octogone croisé"},
         {" est un octogone régulier", "Octogone régulier"},
         {" est un octogone", "Octogone"}},
        {9,
         {" est un ennéagone croisé (ou nonagone croisé)", "Ennéagone croisé"},
         {" est un ennéagone régulier (ou nonagone régulier)", "Ennéagone régulier"},
         {" est un ennéagone (ou nonagone)", "Ennéagone"}},
        {10,
         {" est un décagone croisé", "Décagone croisé"},
         {" est un décagone régulier", "Décagone régulier"},
         {" est un décagone", "Décagone"}},
    };
    std::vector<Cas> table;
    for (const Famille& f : familles) {
        const std::string croisé = Tour(Croisé(f.N));
        const std::string dans = Tour(Dans(f.N));
        const auto ouvert = [](const std::string& tour) { return tour.substr(0, tour.size() - 1); };
        table.push_back({f.Croisé.Court, Points(Régulier(f.N)), croisé, ouvert(croisé) + f.Croisé.Phrase,
                         f.Croisé.Court});
        table.push_back({f.Régulier.Court, Points(Régulier(f.N)), dans, ouvert(dans) + f.Régulier.Phrase,
                         f.Régulier.Court});
        table.push_back({f.Simple.Court, Points(Régulier(f.N, 1.2)), dans, ouvert(dans) + f.Simple.Phrase,
                         f.Simple.Court});
    }
    const auto hexagone = Points(Régulier(6));
    table.insert(
        table.end(),
        {
            {"non fermé", hexagone, "ABCDEF", "ABCDEF n'est pas un polygone (la figure n'est pas fermée)",
             "Pas un polygone"},
            {"B et D confondus",
             Points({{"0", "0"}, {"2", "0"}, {"3", "2"}, {"2", "0"}, {"-1", "2"}, {"0", "5"}}), "ABCDEA",
             "ABCDE n'est pas un polygone", "Pas un polygone", "Il y a des points confondus"},
            {"noms répétés au-delà du nombre de points", Points({{"0", "0"}, {"2", "0"}, {"1", "2"}}),
             "ABCABA", "ABCAB n'est pas un polygone", "Pas un polygone", "Il y a des points confondus"},
            {"étoile à cinq branches", Points(Régulier(5)), "ACEBDA", "ACEBD est un pentagone croisé",
             "Pentagone croisé"},
            {"aucun nom", {}, "", "La figure n'est pas un polygone", "Pas un polygone"},
            {"un nom", hexagone, "A", "La figure n'est pas un polygone", "Pas un polygone"},
            {"trois noms", hexagone, "ABA", "La figure n'est pas un polygone", "Pas un polygone"},
            {"onze côtés fermés", hexagone, "ABCDEFABCDEA", "La figure est un polygone à  11 côtés",
             "Polygone à  11"},
            {"onze côtés ouverts", hexagone, "ABCDEFABCDEF", "La figure est un polygone à  11 côtés",
             "Polygone à  11"},
            {"vingt côtés", hexagone, "ABCDEFABCDEFABCDEFABC", "La figure est un polygone à  20 côtés",
             "Polygone à  20"},
        });
    VérifierCas(table);
}

TEST(ClassAnaPoly, LaisseLaSuiteOuverteQuandLaFigureEstFermée)
{
    const auto carré = Points({{"0", "0"}, {"2", "0"}, {"2", "2"}, {"0", "2"}});
    EXPECT_EQ(Analyser(carré, "ABCDA").NomSommets, "ABCD");
    EXPECT_EQ(Analyser(carré, "ABCA").NomSommets, "ABC");
    EXPECT_EQ(Analyser(carré, "ABCD").NomSommets, "ABCD");
    EXPECT_EQ(Analyser(carré, "ABCDABCDABCDA").NomSommets, "ABCDABCDABCDA");
}

TEST(ClassAnaPoly, CompteLesNomsEnCaractères)
{
    const std::vector<PointDonné> points = {
        {"É", "0", "0"}, {"B", "2", "0"}, {"Ç", "2", "2"}, {"D", "0", "2"}};
    EXPECT_EQ(Analyser(points, "ÉBÇDÉ").Phrase, "ÉBÇD est un carré");
    EXPECT_EQ(Analyser(points, "BÇÉB").Phrase, "BÇÉ est un triangle rectangle isocèle en B");
}

TEST(ClassAnaPoly, DeuxPointsDeMêmeNomLeDernierLEmporte)
{
    const std::vector<PointDonné> points = {
        {"A", "9", "9"}, {"A", "0", "0"}, {"B", "4", "0"}, {"C", "4", "4"}, {"D", "0", "4"}};
    EXPECT_EQ(Analyser(points, "ABCDA").Phrase, "ABCD est un carré");
}

// Les fautes réparées : des coordonnées décimales, des sommets confondus, des angles indéfinis.
TEST(ClassAnaPoly, NommeJusteUneFigureAuxCoordonnéesDécimales)
{
    const auto carré = Points({{"0,2", "0,1"}, {"1,4", "0,6"}, {"0,9", "1,8"}, {"-0,3", "1,3"}});
    VérifierCas({
        {"carré décimal", carré, "ABCDA", "ABCD est un carré", "Carré"},
        {"demi-carré décimal", carré, "ABCA", "ABC est un triangle rectangle isocèle en B",
         "Triangle rectangle isocèle en B"},
        {"écart de 10^-12 : isocèle", Points({{"0", "0"}, {"5", "0"}, {"3", "4,000000000001"}}), "ABCA",
         "ABC est un triangle isocèle en A", "Triangle isocèle en A"},
        {"écart de 10^-10 : non isocèle", Points({{"0", "0"}, {"5", "0"}, {"3", "4,000000000125"}}), "ABCA",
         "ABC est un triangle", "Triangle"},
        {"deux sommets isocèles sur trois",
         Points({{"0", "0"}, {"1", "0"}, {"0,500000000016", "0,866025403784"}}), "ABCA",
         "ABC est un triangle équilatéral", "Triangle équilatéral"},
        {"triangle aux sommets confondus", Points({{"1", "1"}, {"3", "0"}, {"1", "1"}}), "ABCA",
         "Ce n'est pas un triangle (des sommets sont confondus)", "Pas un triangle",
         "Il y a deux sommets confondus"},
        {"hexagone régulier de rayon 2 tapé en calculs",
         Points({{"2", "0"},
                 {"2*COS(60)", "2*SIN(60)"},
                 {"2*COS(120)", "2*SIN(120)"},
                 {"-2", "0"},
                 {"2*COS(240)", "2*SIN(240)"},
                 {"2*COS(300)", "2*SIN(300)"}}),
         "ABCDEFA", "ABCDEF est un hexagone régulier", "Hexagone régulier"},
        {"hexagone à 120° de côtés 1 et 2",
         Points({{"0", "0"},
                 {"1", "0"},
                 {"2", "RAC(3)"},
                 {"1,5", "1,5*RAC(3)"},
                 {"-0,5", "1,5*RAC(3)"},
                 {"-1", "RAC(3)"}}),
         "ABCDEFA", "ABCDEF est un hexagone régulier", "Hexagone régulier"},
        {"hexagone au sommet déplacé de 0,001",
         Points({{"2,001", "0"},
                 {"2*COS(60)", "2*SIN(60)"},
                 {"2*COS(120)", "2*SIN(120)"},
                 {"-2", "0"},
                 {"2*COS(240)", "2*SIN(240)"},
                 {"2*COS(300)", "2*SIN(300)"}}),
         "ABCDEFA", "ABCDEF est un hexagone", "Hexagone"},
    });
}

TEST(ClassAnaPoly, MesureLesCôtésEtLesAngles)
{
    Analyseur triangle({{"0", "0"}, {"4", "0"}, {"0", "3"}}, "ABC");
    triangle.analyse.NumPoint1(3);
    EXPECT_DOUBLE_EQ(triangle.analyse.DistancePointPoint(), 3) << "le dernier côté revient au sommet 1";
    triangle.analyse.NumPoint1(2);
    EXPECT_DOUBLE_EQ(triangle.analyse.DistancePointPoint(), 5);
    EXPECT_FALSE(triangle.analyse.PolyCroisé());
    EXPECT_NEAR(triangle.Angle(3, 1, 2), 90, 1e-12);
    EXPECT_GE(triangle.Angle(3, 1, 2), 90) << "pi pris à 15 chiffres";
    EXPECT_TRUE(triangle.messagerie.Messages.empty());

    // Alignés : l'arrondi pousse le cosinus de l'angle en B sous -1.
    Analyseur alignés({{"0", "0"}, {"0,3", "0,7"}, {"0,9", "2,1"}}, "ABC");
    alignés.analyse.PolyCroisé();
    EXPECT_NEAR(alignés.Angle(1, 2, 3), 180, 1e-12);
    EXPECT_NEAR(alignés.Angle(3, 1, 2), 0, 1e-6);
    EXPECT_EQ(alignés.Angle(1, 1, 2), 0) << "un côté nul au sommet";
}

TEST(ClassAnaPoly, ReconnaîtLesPolygonesCroisés)
{
    struct CasCroisé {
        const char* Nom;
        std::vector<Coordonnées> Sommets;
        bool Croisé;
    };
    const std::vector<CasCroisé> table = {
        {"triangle", {{"0", "0"}, {"4", "0"}, {"0", "3"}}, false},
        {"papillon", {{"0", "0"}, {"2", "2"}, {"2", "0"}, {"0", "2"}}, true},
        {"carré", {{"0", "0"}, {"2", "0"}, {"2", "2"}, {"0", "2"}}, false},
        {"passe par son sommet C", {{"0", "0"}, {"4", "0"}, {"2", "0"}, {"2", "3"}}, true},
        {"côté presque vertical", {{"0", "0"}, {"0,009", "5"}, {"2", "0"}, {"-1", "3"}}, true},
        {"deux côtés sur une même droite",
         {{"0", "0"}, {"1", "0"}, {"1", "1"}, {"2", "1"}, {"2", "0"}, {"3", "0"}, {"3", "2"}, {"0", "2"}},
         false},
        {"creux", {{"0", "0"}, {"4", "0"}, {"1", "1"}, {"0", "4"}}, false},
    };
    for (const CasCroisé& cas : table) {
        SCOPED_TRACE(cas.Nom);
        const int n = static_cast<int>(cas.Sommets.size());
        Analyseur a(cas.Sommets, Tour(Dans(n)).substr(0, n));
        EXPECT_EQ(a.analyse.PolyCroisé(), cas.Croisé);
    }
}

TEST(ClassAnaPoly, RelitUnPointModifiéEntreDeuxAppels)
{
    Analyseur a({{"0", "0"}, {"2", "0"}, {"2", "2"}, {"0", "2"}}, "ABCDA");
    EXPECT_EQ(a.analyse.DescriptionFig(), "ABCD est un carré");
    EXPECT_FALSE(a.analyse.PolyCroisé());

    // C et D échangés : un papillon, que le même objet doit voir.
    a.m.Points[3].X = "0";
    a.m.Points[4].X = "2";
    EXPECT_TRUE(a.analyse.PolyCroisé());
    a.analyse.NomSommets("ABCDA");
    EXPECT_EQ(a.analyse.DescriptionFig(), "ABCD est un quadrilatère croisé");
}
