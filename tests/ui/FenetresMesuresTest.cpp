// Les fenêtres des longueurs et des angles, ouvertes par la fenêtre principale sur le polygone tracé.
#include "support/KorvaneOuverte.h"
#include "ui/FormAngle.h"

namespace {

class FenetresMesures : public KorvaneOuverte {
protected:
    // Un polygone régulier de n sommets A, B, C... inscrit dans un cercle de rayon 4.
    void TracerRégulier(int n)
    {
        FigureTracée figure;
        for (int i = 0; i < n; ++i) {
            const std::string angle = std::to_string(360 * i / n);
            figure.Points.push_back(
                {std::string(1, static_cast<char>('A' + i)), "4*COS(" + angle + ")", "4*SIN(" + angle + ")"});
            figure.Sommets += figure.Points.back().Nom;
        }
        ASSERT_TRUE(Tracer(figure));
    }
};

const char* const PremièrePageLongueurs = "Seules les 8 premières longueurs sont affichées\r\n"
                                          "Cliquer sur le bouton ci-contre pour les suivantes.";

} // namespace

TEST_F(FenetresMesures, DixCotesSePaginentEnDeuxPagesAllerEtRetour)
{
    TracerRégulier(10);
    plateforme.QuandSOuvre<FormLong>([](FormLong& f) {
        EXPECT_EQ(f.LabLong[7].Caption, "HI = 2,5");
        EXPECT_EQ(f.LabRq.Caption, PremièrePageLongueurs);
        f.BtonSuite_Click();
        EXPECT_EQ(LignesMontrées(f), (std::vector<std::string>{"IJ = 2,5", "JA = 2,5"}));
        EXPECT_TRUE(!f.BtonSuite.Visible && f.BtonBack.Visible);
        EXPECT_EQ(f.LabRq.Caption,
                  "Cliquer sur le bouton ci-contre pour afficher les longueurs précédentes.");
        f.BtonBack_Click();
        EXPECT_EQ(f.LabLong[0].Caption, "AB = 2,5");
        EXPECT_EQ(f.LabRq.Caption, PremièrePageLongueurs);
        EXPECT_TRUE(f.BtonSuite.Visible && !f.BtonBack.Visible);
        f.BtonOk_Click();
    });
    k.Cliquer(k.BtonLong);

    plateforme.QuandSOuvre<FormAngle>([](FormAngle& f) {
        ASSERT_EQ(f.PictureAngle.size(), 8u);
        EXPECT_EQ(f.LabAngle[0].Caption, "A = 144°");
        // Chaque image d'angle est à gauche de sa ligne, à sa hauteur.
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_TRUE(f.PictureAngle[i].Visible) << i;
            EXPECT_LT(f.PictureAngle[i].Left + f.PictureAngle[i].Width, f.LabAngle[i].Left) << i;
            EXPECT_LT(f.PictureAngle[i].Top, f.LabAngle[i].Top + f.LabAngle[i].Height) << i;
            EXPECT_GT(f.PictureAngle[i].Top + f.PictureAngle[i].Height, f.LabAngle[i].Top) << i;
        }
        f.BtonSuite_Click();
        EXPECT_TRUE(f.PictureAngle[1].Visible && !f.PictureAngle[2].Visible);
        // Revenir à la première page remontre les images que la deuxième avait cachées.
        f.BtonBack_Click();
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_TRUE(f.PictureAngle[i].Visible) << i;
        f.BtonOk_Click();
    });
    k.Cliquer(k.BtonAngle);
}

TEST_F(FenetresMesures, UnQuadrilatereTientSurUnePageSansAide)
{
    TracerRégulier(4);
    plateforme.QuandSOuvre<FormAngle>([](FormAngle& f) {
        EXPECT_EQ(LignesMontrées(f), (std::vector<std::string>{"A = 90°", "B = 90°", "C = 90°", "D = 90°"}));
        EXPECT_FALSE(f.PictureAngle[4].Visible || f.BtonSuite.Visible || f.LabRq.Visible);
        f.BtonSuite_Click();
        EXPECT_EQ(f.PageAngle, 0);
        f.BtonOk_Click();
    });
    k.Cliquer(k.BtonAngle);
}

// Les pages du milieu gardent le bouton de leur sens, jusqu'à la dernière, pleine ou non.
TEST_F(FenetresMesures, LesPagesDuMilieuGardentLeBoutonDeLeurSens)
{
    for (const std::size_t côtés : {16u, 17u}) {
        SCOPED_TRACE(côtés);
        const std::size_t pages = (côtés + 7) / 8;
        std::vector<std::string> tableau;
        for (std::size_t i = 0; i < côtés; ++i)
            tableau.push_back("côté " + std::to_string(i));
        FormLong f(tableau, k.Form);
        f.InitAffichage = std::string(côtés, 'A');
        f.Form_Load();
        for (std::size_t p = 1; p + 1 < pages; ++p) {
            f.BtonSuite_Click();
            EXPECT_TRUE(f.BtonSuite.Visible && !f.BtonBack.Visible);
            EXPECT_EQ(f.LabRq.Caption,
                      "Cliquer sur le bouton ci-contre pour afficher les longueurs suivantes.");
        }
        f.BtonSuite_Click();
        EXPECT_FALSE(f.BtonSuite.Visible);
        EXPECT_EQ(f.LabLong[0].Caption, tableau[(pages - 1) * 8]);
        EXPECT_EQ(f.LabLong[7].Caption, côtés % 8 == 0 ? tableau[côtés - 1] : "");
    }
}

TEST_F(FenetresMesures, UnPolygoneCroiseNAQueSonMessage)
{
    ASSERT_TRUE(Tracer({{{"A", "0", "0"}, {"B", "2", "2"}, {"C", "2", "0"}, {"D", "0", "2"}}, "ABCD"}));
    plateforme.FenêtresOuvertes.clear();
    k.Cliquer(k.BtonAngle);
    AttendreMessage(plateforme.Journal, "Angle du polygone",
                    "Le polygone est croisé et dans ce cas, les angles ne sont pas mesurés");
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());
}
