#include "analysis/Mesures.h"
#include "analysis/FigureAnalysee.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<PointDonné> Points(const std::vector<std::pair<std::string, std::string>>& coordonnées)
{
    std::vector<PointDonné> points;
    for (const auto& [x, y] : coordonnées)
        points.push_back({std::string(1, static_cast<char>('A' + points.size())), x, y});
    return points;
}

std::vector<std::string> Textes(const std::vector<LigneMesure>& lignes)
{
    std::vector<std::string> textes;
    for (const LigneMesure& ligne : lignes)
        textes.push_back(ligne.Texte);
    return textes;
}

} // namespace

TEST(Mesures, TexteMesureArrondiAuPairSansZéroFinal)
{
    struct Cas {
        double Valeur;
        std::uint8_t Précision;
        const char* Séparateur;
        const char* Texte;
    };
    const std::vector<Cas> table = {
        {0.456, 2, ",", "0,46"},
        {2.5, 2, ",", "2,5"},
        {3, 1, ",", "3"},
        {5, 0, ",", "5"},
        {2.5, 0, ",", "2"},
        {3.5, 0, ",", "4"},
        {0.125, 2, ",", "0,12"},
        {0.375, 2, ",", "0,38"},
        {3.4999999999999996, 0, ",", "4"}, // 3,5 à 15 chiffres
        {90.00000000000001, 1, ",", "90"},
        {126.86989764584402, 2, ",", "126,87"},
        {9.999, 2, ",", "10"},
        {0.0009, 2, ",", "0"},
        {0.04, 1, ",", "0"},
        {-1.25, 1, ",", "-1,2"},
        {1234567.25, 1, ",", "1234567,2"},
        {3.6, 1, ".", "3.6"},
        {1.0 / 3, 5, ".", "0.33333"},
    };
    for (const Cas& cas : table) {
        SCOPED_TRACE(cas.Texte);
        EXPECT_EQ(TexteMesure(cas.Valeur, cas.Précision, cas.Séparateur), cas.Texte);
    }
}

TEST(Mesures, LongueursEtAnglesDuTriangle345)
{
    Modulebas m = FigureDe(Points({{"0", "0"}, {"3", "0"}, {"0", "4"}}));
    MessagerieEnregistrée messagerie;
    const auto longueurs = LignesLongueurs(m, messagerie, "ABC", ",");
    EXPECT_EQ(Textes(longueurs), (std::vector<std::string>{"AB = 3", "BC = 5", "CA = 4"}));
    EXPECT_DOUBLE_EQ(longueurs[1].Valeur, 5);
    const auto angles = LignesAngles(m, messagerie, "ABC", ",");
    ASSERT_TRUE(angles.has_value());
    EXPECT_EQ(Textes(*angles), (std::vector<std::string>{"A = 90°", "B = 53,1°", "C = 36,9°"}));
    EXPECT_NEAR((*angles)[1].Valeur, 53.130102354156, 1e-9);
    m.Précision = 3;
    EXPECT_EQ(Textes(*LignesAngles(m, messagerie, "CAB", ".")),
              (std::vector<std::string>{"C = 36.87°", "A = 90°", "B = 53.13°"}));
    EXPECT_TRUE(messagerie.Messages.empty());
}

TEST(Mesures, UnAngleRentrantVaut360MoinsLAngle)
{
    MessagerieEnregistrée messagerie;
    Modulebas quadrilatère = FigureDe(Points({{"0", "0"}, {"4", "0"}, {"1", "1"}, {"0", "4"}}));
    quadrilatère.Précision = 2;
    const auto angles = LignesAngles(quadrilatère, messagerie, "ABCD", ",");
    ASSERT_TRUE(angles.has_value());
    EXPECT_EQ(Textes(*angles),
              (std::vector<std::string>{"A = 90°", "B = 18,43°", "C = 233,13°", "D = 18,43°"}));
    EXPECT_NEAR((*angles)[2].Valeur, 360 - 126.869897645844, 1e-9);

    // Au-delà de quatre sommets, c'est le centre des autres sommets qui décide.
    Modulebas pentagone = FigureDe(Points({{"0", "0"}, {"4", "0"}, {"4", "4"}, {"2", "1,5"}, {"0", "4"}}));
    EXPECT_EQ(Textes(*LignesAngles(pentagone, messagerie, "ABCDE", ",")),
              (std::vector<std::string>{"A = 90°", "B = 90°", "C = 38,7°", "D = 282,7°", "E = 38,7°"}));
    EXPECT_TRUE(messagerie.Messages.empty());
}

TEST(Mesures, UnPolygoneCroiséNAPasDAngles)
{
    Modulebas m = FigureDe(Points({{"0", "0"}, {"2", "2"}, {"2", "0"}, {"0", "2"}}));
    MessagerieEnregistrée messagerie;
    EXPECT_EQ(LignesAngles(m, messagerie, "ABCD", ","), std::nullopt);
    AttendreMessage(messagerie, "Angle du polygone",
                    "Le polygone est croisé et dans ce cas, les angles ne sont pas mesurés");
    EXPECT_EQ(Textes(LignesLongueurs(m, messagerie, "ABCD", ",")),
              (std::vector<std::string>{"AB = 2,8", "BC = 2", "CD = 2,8", "DA = 2"}));
}

TEST(Mesures, UnNomRépétéSeMesureCommeLesAutres)
{
    // Cinq sommets pour trois points : la table des sommets doit couvrir toute la suite.
    Modulebas m = FigureDe(Points({{"0", "0"}, {"3", "0"}, {"0", "4"}}));
    MessagerieEnregistrée messagerie;
    EXPECT_EQ(Textes(LignesLongueurs(m, messagerie, "ABCAB", ",")),
              (std::vector<std::string>{"AB = 3", "BC = 5", "CA = 4", "AB = 3", "BA = 3"}));
}
