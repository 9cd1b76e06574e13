// La fenêtre principale et les fichiers de figure : ouvrir, sauvegarder, fermer, l'aide et la page web.
#include "files/FichierFigure.h"
#include "game/JeuCibles.h"
#include "support/KorvaneOuverte.h"
#include "ui/FormAide.h"

#include <tuple>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

using KorvaneFichiersTest = KorvaneAvecDocuments;

const std::vector<std::string> CôtésABC{"AB = 4", "BC = 5", "CA = 3"};

// Des fichiers aux limites : historique plein, 250 points, zoom hors des boutons, polygone suivi d'autres
// points ; chacun s'ouvre sans message.
class KorvaneFichiersLimites : public KorvaneAvecDocuments {
protected:
    void OuvrirDonnées(const std::string& nom)
    {
        Ouvrir((Données / nom).string());
        ASSERT_TRUE(m.ModeFichier);
        ASSERT_TRUE(plateforme.Journal.Messages.empty());
    }
};

} // namespace

// Un fichier donné au démarrage s'ouvre sans dialogue, comme par le menu.
TEST_F(KorvaneFichiersTest, UneFigureOuverteSuspendLeJeuEtAfficheSonFichier)
{
    k.OuvrirFichierFigure(Données / "triangle-rectangle.lum");
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty() && plateforme.Journal.Messages.empty());
    EXPECT_TRUE(m.ModeFichier && k.OuvertureFigure && m.PolygoneTracé);
    EXPECT_EQ(m.NbPointsMax, LimitePoints);
    // Le fichier garde les axes et cache le quadrillage.
    EXPECT_TRUE(k.AxesAffichés() && !k.QuadrillageAffiché());
    EXPECT_EQ(k.EtiStatut.Caption, "Figure du fichier : triangle-rectangle.lum");
    EXPECT_TRUE(k.BtonFermer.Visible && k.BtonVelmor.Visible);
    EXPECT_EQ(k.EtiPoint.size(), 4u);
    EXPECT_EQ(m.CheminDocumentsMémorisé, Données.string());

    // Une sauvegarde garde les octets du fichier, options comprises, et le dit ; l'écriture elle-même (lien
    // suivi, lecture seule, échecs) est vérifiée au cœur.
    Sauvegarder((maison.Chemin() / "copie").string());
    AttendreMessage(plateforme.Journal, "Gestion des fichier", "Figure sauvegardée !");
    EXPECT_EQ(LireTout(maison.Chemin() / "copie.lum"), LireTout(Données / "triangle-rectangle.lum"));

    // Fermer la figure efface tout, jusqu'au nom d'un point survolé, et rend le choix d'une cible.
    k.Cliquer(k.BtonModifPoint);
    k.Ecran.MouseMove(0, 0, 0);
    ASSERT_TRUE(k.EtiX.Visible);
    k.Cliquer(k.BtonFermer);
    EXPECT_FALSE(m.ModeFichier || k.OuvertureFigure || k.BtonFermer.Visible || k.EtiX.Visible);
    EXPECT_EQ(m.NbPoints, 0);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
}

TEST_F(KorvaneFichiersTest, UnFichierRefuseLaisseLaFigureLEchelleEtLesOptions)
{
    ASSERT_TRUE(Placer({{"A", "0", "0"}, {"B", "2,5", "1"}}));
    k.BtonEchPlus_Click();
    k.ItemQuadrillage.Checked = false;
    k.RedessinerTout();
    const auto xMax = m.XMax;
    const auto statut = k.EtiStatut.Caption;
    const auto traits = k.Ecran.Marques().size();

    // Les raisons d'un refus sont vérifiées au cœur ; ici, qu'aucun refus ne touche la fenêtre, par le menu
    // comme au démarrage.
    for (const bool menu : {true, false}) {
        SCOPED_TRACE(menu);
        plateforme.Journal.Messages.clear();
        if (menu)
            Ouvrir((Données / "triangle-tronque.lum").string());
        else
            k.OuvrirFichierFigure(maison.Chemin() / "absente.lum");
        EXPECT_EQ(plateforme.Journal.Messages.size(), 1u);
        EXPECT_FALSE(m.ModeFichier || k.OuvertureFigure || k.BtonFermer.Visible);
        EXPECT_EQ(m.Points[2].X, "2.5");
        EXPECT_EQ(m.XMax, xMax);
        EXPECT_TRUE(!k.QuadrillageAffiché() && k.AxesAffichés());
        EXPECT_EQ(k.EtiStatut.Caption, statut);
        EXPECT_EQ(k.Ecran.Marques().size(), traits);
        EXPECT_EQ(m.CheminDocumentsMémorisé, Figures());
    }
}

TEST_F(KorvaneFichiersTest, SeulUneOuvertureRetientSonDossierPourLaSuite)
{
    ASSERT_TRUE(Placer({{"A", "1", "1"}}));
    const std::string classe = maison.Chemin() / "classe";
    std::filesystem::create_directory(classe);
    Sauvegarder(classe + "/point");
    EXPECT_EQ(plateforme.DossiersEnregistrer.back(), Figures());

    // Une sauvegarde ne change pas le dossier du dialogue suivant.
    Ouvrir(std::nullopt);
    EXPECT_EQ(plateforme.DossiersOuvrir.back(), Figures());
    EXPECT_FALSE(k.OuvertureFigure);

    Ouvrir(classe + "/point.lum");
    ASSERT_TRUE(m.ModeFichier);
    Sauvegarder(std::nullopt);
    EXPECT_EQ(plateforme.DossiersEnregistrer.back(), classe);
    // Le dialogue annulé n'écrit rien et ne dit rien.
    EXPECT_EQ(plateforme.Journal.Messages.size(), 1u);
}

TEST_F(KorvaneFichiersTest, LeMenuDesAidesOuvreLAideEtLaPageDeTelechargement)
{
    k.Cliquer(k.ItemZavWeb);
    plateforme.NavigateurDisponible = false;
    k.Cliquer(k.ItemZavWeb);
    EXPECT_EQ(plateforme.PagesOuvertes, std::vector<std::string>{"https://velmor.fr/Telechargements.htm"});
    AttendreMessage(plateforme.Journal, "Gestion des fichiers", "No association for file extension");
    k.Cliquer(k.ItemAides);
    EXPECT_EQ(plateforme.FenêtresOuvertes, std::vector<std::string>{GenreFenêtre<FormAide>()});
}

TEST_F(KorvaneFichiersLimites, UnHistoriquePleinRefuseLaConstructionSansRienPerdre)
{
    OuvrirDonnées("historique-plein.lum");

    // Le polygone annulé laisse une place, que le point D prend.
    k.Cliquer(k.BtonAnnule);
    ASSERT_TRUE(Placer({{"D", "1", "1"}}));

    // Un point de plus, puis un polygone : refusés avant tout dialogue, la figure ne bouge pas.
    plateforme.FenêtresOuvertes.clear();
    k.Cliquer(k.BtonPointCoor);
    k.Cliquer(k.BtonPolygone);
    EXPECT_EQ(plateforme.Journal.Messages.size(), 2u);
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());
    EXPECT_EQ(m.NbTracés, 255u);
    EXPECT_EQ(m.NbPoints, 4);
    EXPECT_FALSE(m.PolygoneTracé);

    // D annulé, le polygone retrouve sa place, et la figure se sauvegarde avec ses 255 constructions.
    k.Cliquer(k.BtonAnnule);
    ASSERT_TRUE(Tracer({{}, "ABC"}));
    const auto copie = maison.Chemin() / "copie.lum";
    Sauvegarder(copie.string());
    const LectureFigure relue = LireFichierFigure(copie);
    ASSERT_TRUE(relue.Figure);
    EXPECT_EQ(relue.Figure->Tracés.size(), 255u);
}

// Le polygone dessiné est celui que l'analyse nomme et que les fenêtres des mesures mesurent.
TEST_F(KorvaneFichiersLimites, AnalyseEtMesuresDisentLePolygoneDessine)
{
    OuvrirDonnées("polygone-puis-points.lum");
    k.Cliquer(k.BtonVelmor);
    EXPECT_EQ(plateforme.Textes.back().Texte, "ABC est un triangle rectangle.");
    EXPECT_EQ(LongueursMontrées(), CôtésABC);

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

// Un rapport que les boutons n'atteignent pas ouvre à l'échelle atteinte la plus proche (l'extrême que les
// boutons atteignent de ce côté), figure gardée ; depuis là, les boutons ramènent exactement l'échelle de
// départ.
TEST_F(KorvaneFichiersLimites, UnRapportHorsDesBoutonsOuvreALEchelleLaPlusProche)
{
    const std::int32_t départ = 10 * m.Unité;
    for (const auto& [fichier, retour, proche] :
         {std::tuple{"rapport-minuscule.lum", &Korvane::BtonEchMoins_Click, 35 * m.Unité},
          std::tuple{"rapport-enorme.lum", &Korvane::BtonEchPlus_Click, 3 * m.Unité}}) {
        SCOPED_TRACE(fichier);
        OuvrirDonnées(fichier);
        EXPECT_EQ((m.XMax - départ) % 1000, 0);
        EXPECT_LT(std::abs(m.XMax - proche), 1000) << m.XMax;
        for (int pas = 0; pas < 100 && m.XMax != départ; ++pas)
            (k.*retour)();
        EXPECT_EQ(k.EtiEchelle.Caption, " 1");
        k.Cliquer(k.BtonFermer);
    }
}

// Un fichier peut tracer ABC 87 fois de suite : les 261 côtés se mesurent jusqu'au dernier, page après
// page.
TEST_F(KorvaneFichiersLimites, UnPolygoneDePlusDe255SommetsSeMesureJusquAuBout)
{
    OuvrirDonnées("polygone-long.lum");
    std::vector<std::string> lignes;
    plateforme.QuandSOuvre<FormLong>([&lignes](FormLong& f) {
        for (int page = 0; page < 40; ++page) {
            const std::vector<std::string> montrées = LignesMontrées(f);
            lignes.insert(lignes.end(), montrées.begin(), montrées.end());
            if (!f.BtonSuite.Visible)
                break;
            f.BtonSuite_Click();
        }
        f.BtonOk_Click();
    });
    k.Cliquer(k.BtonLong);
    ASSERT_EQ(lignes.size(), 261u);
    for (std::size_t i = 0; i < lignes.size(); ++i)
        ASSERT_EQ(lignes[i], CôtésABC[i % 3]) << "ligne " << i;
}
