// La fenêtre principale et les fichiers de figure : ouvrir, sauvegarder, fermer, l'aide et la page web.
#include "files/FichierFigure.h"
#include "game/JeuCibles.h"
#include "support/KorvaneOuverte.h"
#include "ui/FormAide.h"

#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

using KorvaneFichiersTest = KorvaneAvecDocuments;

constexpr const char* TexteHistoriquePlein =
    "La figure compte déjà 255 constructions, le plus qu'un fichier puisse garder : on ne peut plus en "
    "ajouter.";
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
        plateforme.FenêtresOuvertes.clear();
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

    // Les raisons d'un refus sont vérifiées au cœur ; ici, qu'aucun refus ne touche la fenêtre.
    const auto abîmé =
        maison.Écrire("abîmée.lum", LireTout(Données / "triangle-rectangle.lum").substr(0, 60));
    for (int essai = 0; essai < 3; ++essai) {
        SCOPED_TRACE(essai);
        plateforme.Journal.Messages.clear();
        if (essai == 0)
            Ouvrir(abîmé.string());
        else if (essai == 1)
            Ouvrir(maison.Écrire("autre.lum", "Figure du logiciel Lumarc\r\nAutre\r\n").string());
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

// Une sauvegarde garde les octets du fichier ouvert, ajoute l'extension, écrit à travers un lien et jamais
// ailleurs : ni dans un fichier que l'élève ne peut pas écrire, ni dans un fichier qu'un lien posé au nom
// d'un fichier temporaire désignerait.
TEST_F(KorvaneFichiersTest, UneSauvegardeNEcritQueLaOuLEleveLeDemande)
{
    Ouvrir((Données / "triangle-rectangle.lum").string());
    const std::string attendu = LireTout(Données / "triangle-rectangle.lum");
    std::filesystem::create_directories(Figures());
    const std::filesystem::path dossier = Figures();

    const auto vraie = maison.Écrire("Documents/Velmor/vraie.lum", "ancienne");
    std::filesystem::create_symlink("vraie.lum", dossier / "lien.lum");
    const auto victime = maison.Écrire("victime", "à garder");
    std::filesystem::create_symlink(victime,
                                    dossier / (".planté.lum." + std::to_string(::getpid()) + ".tmp"));
    for (const char* nom : {"lien.lum", "planté"}) {
        SCOPED_TRACE(nom);
        plateforme.Journal.Messages.clear();
        Sauvegarder(Figures() + "/" + nom);
        AttendreMessage(plateforme.Journal, "Gestion des fichier", "Figure sauvegardée !");
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dossier / "lien.lum"));
    EXPECT_EQ(LireTout(vraie), attendu);
    EXPECT_EQ(LireTout(dossier / "planté.lum"), attendu);
    EXPECT_EQ(LireTout(victime), "à garder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier), {}), 4)
        << "aucun temporaire ne reste";

#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "node ne lance pas d'enfant : la lecture seule se vérifie au bureau";
#endif
    // Un fichier en lecture seule, pour un utilisateur ordinaire : root écrirait tout, l'enfant devient donc
    // « nobody » avant de sauvegarder, et dit par son code de sortie ce qu'il a vu.
    const auto verrou = maison.Écrire("Documents/Velmor/verrou.lum", "ancienne");
    std::filesystem::permissions(verrou, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    constexpr uid_t personne = 65534;
    if (::geteuid() == 0) {
        for (const auto& chemin : {maison.Chemin(), maison.Chemin() / "Documents", dossier, verrou})
            ASSERT_EQ(::chown(chemin.c_str(), personne, personne), 0);
    }
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        if (::geteuid() == 0 && (::setgid(personne) != 0 || ::setuid(personne) != 0))
            ::_exit(2);
        plateforme.Journal.Messages.clear();
        Sauvegarder(verrou.string());
        const bool refusé =
            plateforme.Journal.Messages.size() == 1 &&
            plateforme.Journal.Messages[0].Texte == "Problème d'accès, La figure n'a pas pu être sauvegardée";
        ::_exit(refusé && LireTout(verrou) == "ancienne" ? 0 : 1);
    }
    int état = 0;
    ASSERT_EQ(::waitpid(enfant, &état, 0), enfant);
    ASSERT_TRUE(WIFEXITED(état));
    EXPECT_EQ(WEXITSTATUS(état), 0) << "1 : sauvegardé par-dessus le fichier en lecture seule ; 2 : setuid";
    EXPECT_EQ(LireTout(verrou), "ancienne");
}

TEST_F(KorvaneFichiersTest, SeulUneOuvertureRetientSonDossierPourLaSuite)
{
    ASSERT_TRUE(Placer({{"A", "1", "1"}}));
    const std::string classe = maison.Chemin() / "classe";
    std::filesystem::create_directory(classe);
    Sauvegarder(classe + "/point");
    ASSERT_TRUE(std::filesystem::exists(classe + "/point.lum"));
    EXPECT_EQ(plateforme.DialoguesEnregistrer.back().Dossier, Figures());

    // Une sauvegarde ne change pas le dossier du dialogue suivant.
    Ouvrir(std::nullopt);
    EXPECT_EQ(plateforme.DialoguesOuvrir.back().Dossier, Figures());
    EXPECT_FALSE(k.OuvertureFigure);

    Ouvrir(classe + "/point.lum");
    ASSERT_TRUE(m.ModeFichier);
    Sauvegarder(std::nullopt);
    EXPECT_EQ(plateforme.DialoguesEnregistrer.back().Dossier, classe);
    // Le dialogue annulé n'écrit rien et ne dit rien.
    EXPECT_EQ(plateforme.Journal.Messages.size(), 1u);
}

TEST_F(KorvaneFichiersTest, LeMenuDesAidesOuvreLAideEtLaPageDeTelechargement)
{
    plateforme.Dossier = maison.Chemin().string() + "/";
    k.Form_Load();
    k.Cliquer(k.ItemAides);
    EXPECT_EQ(plateforme.FenêtresOuvertes, std::vector<std::string>{GenreFenêtre<FormAide>()});
    k.Cliquer(k.ItemZavWeb);
    EXPECT_EQ(plateforme.PagesOuvertes, std::vector<std::string>{"https://velmor.fr/Telechargements.htm"});
}

TEST_F(KorvaneFichiersLimites, UnHistoriquePleinRefuseLaConstructionSansRienPerdre)
{
    OuvrirDonnées("historique-plein.lum");
    ASSERT_EQ(m.NbTracés, 255u);
    ASSERT_TRUE(m.PolygoneTracé);

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
    for (const MessageTitré& message : plateforme.Journal.Messages)
        EXPECT_EQ(message.Texte, TexteHistoriquePlein);
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

// Un rapport que les boutons n'atteignent pas ouvre à l'échelle atteinte la plus proche, figure gardée ;
// depuis là, les boutons ramènent exactement l'échelle de départ.
TEST_F(KorvaneFichiersLimites, UnRapportHorsDesBoutonsOuvreALEchelleLaPlusProche)
{
    const std::int32_t départ = 10 * m.Unité;
    struct Cas {
        const char* fichier;
        void (Korvane::*retour)();
        std::int32_t proche; // l'échelle extrême que les boutons atteignent de ce côté
    };
    for (const Cas& c : {Cas{"rapport-minuscule.lum", &Korvane::BtonEchMoins_Click, 35 * m.Unité},
                         Cas{"rapport-enorme.lum", &Korvane::BtonEchPlus_Click, 3 * m.Unité}}) {
        SCOPED_TRACE(c.fichier);
        OuvrirDonnées(c.fichier);
        EXPECT_EQ((m.XMax - départ) % 1000, 0);
        EXPECT_LT(std::abs(m.XMax - c.proche), 1000) << m.XMax;
        for (int pas = 0; pas < 100 && m.XMax != départ; ++pas)
            (k.*c.retour)();
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
    for (std::size_t i = 0; i < lignes.size(); ++i)
        ASSERT_EQ(lignes[i], CôtésABC[i % 3]) << "ligne " << i;
}
