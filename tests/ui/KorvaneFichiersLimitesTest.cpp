// La fenêtre principale devant des fichiers aux limites : historique plein, 255 points, zoom hors des
// boutons, polygone suivi d'autres points.
#include "files/FichierFigure.h"
#include "support/DossierTemporaire.h"
#include "support/KorvaneOuverte.h"
#include "ui/FormAngle.h"
#include "ui/FormFichier.h"
#include "ui/FormLong.h"

#include <algorithm>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

constexpr const char* TexteHistoriquePlein =
    "La figure compte déjà 255 constructions, le plus qu'un fichier puisse garder : on ne peut plus en "
    "ajouter.";

class KorvaneFichiersLimitesTest : public KorvaneOuverte {
protected:
    void Ouvrir(const std::filesystem::path& chemin)
    {
        plateforme.RéponsesOuvrir.push_back(chemin.string());
        plateforme.QuandSOuvre<FormFichier>([](FormFichier& f) { f.BtonOk_Click(); });
        k.Cliquer(k.ItemOuvrirFig);
        ASSERT_TRUE(m.ModeFichier);
        plateforme.Journal.Messages.clear();
        plateforme.FenêtresOuvertes.clear();
    }

    std::vector<std::string> LongueursMontrées()
    {
        std::vector<std::string> lignes;
        plateforme.QuandSOuvre<FormLong>([&lignes](FormLong& f) {
            for (const Contrôle& ligne : f.LabLong)
                if (ligne.Visible && !ligne.Caption.empty())
                    lignes.push_back(ligne.Caption);
            f.BtonOk_Click();
        });
        k.Cliquer(k.BtonLong);
        return lignes;
    }

    // Les lignes de la couleur du quadrillage.
    std::size_t LignesDuQuadrillage() const { return Compter(GenreMarque::Ligne, {0, 255, 255}); }

    DossierTemporaire dossier;
};

} // namespace

TEST_F(KorvaneFichiersLimitesTest, UnHistoriquePleinRefuseLaConstructionSansRienPerdre)
{
    Ouvrir(Données / "historique-plein.lum");
    ASSERT_EQ(m.NbTracés, 255u);
    ASSERT_TRUE(m.PolygoneTracé);
    EXPECT_EQ(LongueursMontrées(), (std::vector<std::string>{"AB = 4", "BC = 5", "CA = 3"}));

    // Le polygone annulé laisse une place, que le point D prend.
    k.Cliquer(k.BtonAnnule);
    ASSERT_TRUE(Placer({{"D", "1", "1"}}));
    ASSERT_EQ(m.NbTracés, 255u);
    ASSERT_TRUE(plateforme.Journal.Messages.empty());

    // Un point de plus, puis un polygone : refusés avant tout dialogue, la figure ne bouge pas.
    plateforme.FenêtresOuvertes.clear();
    k.Cliquer(k.BtonPointCoor);
    k.Cliquer(k.BtonPolygone);
    ASSERT_EQ(plateforme.Journal.Messages.size(), 2u);
    for (const MessageTitré& message : plateforme.Journal.Messages) {
        EXPECT_EQ(message.Titre, "Analyse Figure");
        EXPECT_EQ(message.Texte, TexteHistoriquePlein);
    }
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());
    EXPECT_EQ(m.NbTracés, 255u);
    EXPECT_EQ(m.NbPoints, 4);
    EXPECT_EQ(m.Tracés[255], "Point D");
    EXPECT_FALSE(m.PolygoneTracé);

    // D annulé, le polygone retrouve sa place : mesuré, analysé, sauvegardé avec ses 255 constructions.
    k.Cliquer(k.BtonAnnule);
    ASSERT_TRUE(Tracer({{}, "ABC"}));
    ASSERT_EQ(m.NbTracés, 255u);
    EXPECT_EQ(LongueursMontrées(), (std::vector<std::string>{"AB = 4", "BC = 5", "CA = 3"}));
    k.Cliquer(k.BtonVelmor);
    EXPECT_EQ(plateforme.Textes.back().Texte, "ABC est un triangle rectangle.");

    const auto copie = dossier.Chemin() / "copie.lum";
    plateforme.RéponsesEnregistrer.push_back(copie.string());
    plateforme.QuandSOuvre<FormFichier>([](FormFichier& f) { f.BtonOk_Click(); });
    k.Cliquer(k.ItemEnregistrer);
    EXPECT_EQ(plateforme.Journal.Messages.back().Texte, "Figure sauvegardée !");
    const LectureFigure relue = LireFichierFigure(copie);
    ASSERT_TRUE(relue.Figure);
    EXPECT_EQ(relue.Figure->Tracés.size(), 255u);
}

// Le tableau des points d'un fichier plein a une entrée de plus que la limite : le dessin libre qui suit
// garde la limite absolue.
TEST_F(KorvaneFichiersLimitesTest, ApresUnFichierDeDeuxCentCinquantePointsLeDessinLibreGardeSaLimite)
{
    Ouvrir(Données / "points-250.lum");
    ASSERT_EQ(m.NbPoints, 250);
    k.Cliquer(k.BtonFermer);
    EXPECT_LE(m.NbPointsMax, LimitePoints);
    ASSERT_TRUE(Placer({{"A", "1", "1"}}));
    EXPECT_TRUE(plateforme.Journal.Messages.empty());
    EXPECT_EQ(m.NbPoints, 1);
}

// Le polygone dessiné est celui que l'analyse nomme et que les fenêtres des mesures mesurent.
TEST_F(KorvaneFichiersLimitesTest, AnalyseEtMesuresDisentLePolygoneDessine)
{
    Ouvrir(Données / "polygone-puis-points.lum");
    ASSERT_TRUE(m.PolygoneTracé);
    ASSERT_EQ(m.Tracés[m.NbTracés], "Point D");

    k.Cliquer(k.BtonVelmor);
    ASSERT_EQ(plateforme.Textes.size(), 1u);
    EXPECT_EQ(plateforme.Textes[0].Texte, "ABC est un triangle rectangle.");
    EXPECT_EQ(LongueursMontrées(), (std::vector<std::string>{"AB = 4", "BC = 5", "CA = 3"}));

    std::vector<std::string> angles;
    plateforme.QuandSOuvre<FormAngle>([&angles](FormAngle& f) {
        angles.push_back(f.InitAffichage);
        f.BtonOk_Click();
    });
    k.Cliquer(k.BtonAngle);
    EXPECT_EQ(angles, std::vector<std::string>{"ABC"});

    // Renommer un sommet renomme le polygone dessiné, et ce que l'analyse en dit.
    m.NumPointModif = 2;
    m.NomSaisi = "E";
    m.XSaisi = "4";
    m.YSaisi = "0";
    m.PositionSaisie = 1;
    ASSERT_EQ(k.Opérations.ModifierPoint(), RésultatModification::Modifié);
    k.Cliquer(k.BtonVelmor);
    EXPECT_EQ(plateforme.Textes.back().Texte, "AEC est un triangle rectangle.");
}

// Un rapport que les boutons n'atteignent pas ouvre à l'échelle atteinte la plus proche, figure gardée ;
// depuis là, les boutons ramènent exactement l'échelle de départ.
TEST_F(KorvaneFichiersLimitesTest, UnRapportHorsDesBoutonsOuvreALEchelleLaPlusProche)
{
    const std::int32_t départ = 10 * m.Unité;
    struct Cas {
        const char* fichier;
        void (Korvane::*retour)();
    };
    for (const Cas& c : {Cas{"rapport-minuscule.lum", &Korvane::BtonEchMoins_Click},
                         Cas{"rapport-enorme.lum", &Korvane::BtonEchPlus_Click}}) {
        SCOPED_TRACE(c.fichier);
        Ouvrir(Données / c.fichier);
        EXPECT_EQ(m.NbPoints, 3);
        EXPECT_EQ((m.XMax - départ) % 1000, 0);
        if (c.retour == &Korvane::BtonEchMoins_Click) {
            EXPECT_TRUE(m.XMax >= 35 * m.Unité && m.XMax < 35 * m.Unité + 1000) << m.XMax;
        } else {
            EXPECT_TRUE(m.XMax <= 3 * m.Unité && m.XMax > 3 * m.Unité - 1000) << m.XMax;
        }
        for (int pas = 0; pas < 100 && m.XMax != départ; ++pas)
            (k.*c.retour)();
        EXPECT_EQ(k.EtiEchelle.Caption, " 1");
        k.Cliquer(k.BtonFermer);
    }
}

// Quel que soit le repère, le quadrillage ne trace pas plus de lignes que le canevas n'a de pixels.
TEST_F(KorvaneFichiersLimitesTest, LeQuadrillageCouteCeQueCoutentLesPixels)
{
    const std::size_t pixels = static_cast<std::size_t>((k.Ecran.Cadre.Width + k.Ecran.Cadre.Height) / 15);
    k.RedessinerTout();
    const std::size_t àLÉchelleDeDépart = LignesDuQuadrillage();
    EXPECT_GT(àLÉchelleDeDépart, 20u);

    m.Unité = 1;
    m.XMax = 1'000'000;
    k.ChangerEchelle();
    EXPECT_LE(LignesDuQuadrillage(), pixels + 2);
    EXPECT_GT(LignesDuQuadrillage(), pixels / 4) << "un quadrillage serré reste visible";
}

// Un fichier peut tracer ABC 87 fois de suite : les 261 côtés se mesurent jusqu'au dernier, page après
// page.
TEST_F(KorvaneFichiersLimitesTest, UnPolygoneDePlusDe255SommetsSeMesureJusquAuBout)
{
    Ouvrir(Données / "polygone-long.lum");
    ASSERT_EQ(m.NbSommets, 261u);

    std::vector<std::string> lignes;
    plateforme.QuandSOuvre<FormLong>([&lignes](FormLong& f) {
        for (int page = 0; page < 40; ++page) {
            for (const Contrôle& ligne : f.LabLong)
                if (ligne.Visible && !ligne.Caption.empty())
                    lignes.push_back(ligne.Caption);
            if (!f.BtonSuite.Visible)
                break;
            f.BtonSuite_Click();
        }
        f.BtonOk_Click();
    });
    k.Cliquer(k.BtonLong);
    ASSERT_EQ(lignes.size(), 261u);
    const std::string côtés[] = {"AB = 4", "BC = 5", "CA = 3"};
    for (std::size_t i = 0; i < lignes.size(); ++i)
        ASSERT_EQ(lignes[i], côtés[i % 3]) << "ligne " << i;
}
