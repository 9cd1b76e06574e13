#include "ui/CommandesMesures.h"

#include "support/PlateformeScriptee.h"
#include "ui/FormAngle.h"
#include "ui/FormLong.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Une figure déjà construite : ses points A, B, C..., puis le polygone qui les prend dans l'ordre.
struct FigureMesurée {
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);

    explicit FigureMesurée(const std::vector<std::pair<std::string, std::string>>& coordonnées)
    {
        std::string noms;
        for (const auto& [x, y] : coordonnées) {
            const std::string nom(1, static_cast<char>('A' + m.NbPoints));
            ++m.NbPoints;
            m.Points[m.NbPoints] = {x, y, nom, 1, false};
            m.Tracés[++m.NbTracés] = "Point " + nom;
            noms += nom;
        }
        m.Tracés.Redimensionner(m.NbTracés + 1);
        m.Tracés[++m.NbTracés] = "Polygone " + noms;
        m.Sommets.Redimensionner(m.NbPoints + 1);
        for (std::size_t i = 1; i <= m.NbPoints; ++i) {
            m.Sommets[i] = m.Points[i];
        }
        m.NbSommets = m.NbPoints;
        m.PolygoneTracé = true;
        m.ModeChoixPoint = 1;
    }
};

std::vector<std::string> LignesMontrées(const FormMesures& fenêtre)
{
    std::vector<std::string> lignes;
    for (const Contrôle& ligne : fenêtre.Lignes) {
        if (ligne.Visible && !ligne.Caption.empty()) {
            lignes.push_back(ligne.Caption);
        }
    }
    return lignes;
}

} // namespace

TEST(CommandesMesures, LesLongueursDuTriangleTroisQuatreCinq)
{
    FigureMesurée f({{"0", "0"}, {"3", "0"}, {"0", "4"}});
    std::vector<std::string> vues;
    f.plateforme.QuandSOuvre<FormLong>([&vues](FormLong& fenêtre) {
        EXPECT_EQ(fenêtre.InitAffichage, "ABC");
        vues = LignesMontrées(fenêtre);
        fenêtre.BtonOk_Click();
    });
    CommandeLongueurs(f.m, f.plateforme, f.principale);
    EXPECT_EQ(vues, (std::vector<std::string>{"AB = 3", "BC = 5", "CA = 4"}));
    EXPECT_EQ(f.m.ModeChoixPoint, 0);
    EXPECT_EQ(f.m.TabLongueurs[1], "BC = 5");
}

TEST(CommandesMesures, LesAnglesDuDecagoneRegulier)
{
    std::vector<std::pair<std::string, std::string>> décagone;
    for (int k = 0; k < 10; ++k) {
        décagone.push_back(
            {"4*COS(" + std::to_string(36 * k) + ")", "4*SIN(" + std::to_string(36 * k) + ")"});
    }
    FigureMesurée f(décagone);
    f.m.Précision = 2;
    std::vector<std::string> première, deuxième;
    f.plateforme.QuandSOuvre<FormAngle>([&](FormAngle& fenêtre) {
        première = LignesMontrées(fenêtre);
        fenêtre.BtonSuite_Click();
        deuxième = LignesMontrées(fenêtre);
        fenêtre.BtonOk_Click();
    });
    CommandeAngles(f.m, f.plateforme, f.principale);
    ASSERT_EQ(première.size(), 8u);
    EXPECT_EQ(première[0], "A = 144°");
    EXPECT_EQ(deuxième, (std::vector<std::string>{"I = 144°", "J = 144°"}));
}

TEST(CommandesMesures, UnPolygoneCroiseNAQueSonMessage)
{
    FigureMesurée f({{"0", "0"}, {"2", "2"}, {"2", "0"}, {"0", "2"}});
    CommandeAngles(f.m, f.plateforme, f.principale);
    AttendreMessage(f.plateforme.Journal, "Angle du polygone",
                    "Le polygone est croisé et dans ce cas, les angles ne sont pas mesurés");
    EXPECT_TRUE(f.plateforme.FenêtresOuvertes.empty());
    EXPECT_EQ(f.m.ModeChoixPoint, 0);
}

TEST(CommandesMesures, SansPolygoneRienNeSOuvre)
{
    FigureMesurée f({{"0", "0"}, {"1", "0"}, {"0", "1"}});
    f.m.PolygoneTracé = false;
    CommandeLongueurs(f.m, f.plateforme, f.principale);
    CommandeAngles(f.m, f.plateforme, f.principale);
    EXPECT_TRUE(f.plateforme.FenêtresOuvertes.empty());
    EXPECT_FALSE(SommetsMesurés(f.m).has_value());
}
