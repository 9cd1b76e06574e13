// Les exercices guidés dans la fenêtre principale : énoncés résolus, panneau qui glisse, fin de l'exercice.
#include "PartieKorvane.h"

#include "game/JeuCibles.h"
#include "support/TableCas.h"

#include <algorithm>
#include <regex>
#include <tuple>

namespace {

// « A(-5 ; 5), B(-5 ; 1) et C(2 ; -2) » : nom, abscisse et ordonnée de chaque point, un calcul compris.
std::vector<PointPosé> LirePoints(const std::string& texte)
{
    static const std::regex point(R"((\w+)\((.+?) ; (.+?)\)(?:, | et |$))");
    std::vector<PointPosé> points;
    for (std::sregex_iterator i(texte.begin(), texte.end(), point), fin; i != fin; ++i)
        points.push_back({(*i)[1], (*i)[2], (*i)[3]});
    return points;
}

// L'article du menu qui porte ce libellé, où qu'il soit dans l'arbre.
Contrôle* Article(const std::vector<EntréeMenu>& entrées, const std::string& légende)
{
    for (const EntréeMenu& e : entrées) {
        if (e.Item->Caption == légende)
            return e.Item;
        if (Contrôle* trouvé = Article(e.Sous, légende))
            return trouvé;
    }
    return nullptr;
}

} // namespace

using KorvaneExercices = PartieKorvane;

TEST_F(KorvaneExercices, ChaqueEnonceSeResoutAvecLesPointsQuIlPermet)
{
    const std::vector<CasTable> cas = LireTableCas("jeu-exercices.tsv");
    EXPECT_EQ(cas.size(), NbExercices);
    for (const CasTable& c : cas) {
        SCOPED_TRACE(c.Où);
        k.Cliquer(k.ItemRéinitialiser);
        plateforme.Journal.Messages.clear();
        const auto exercice = std::find_if(TableExercices.begin(), TableExercices.end(),
                                           [&](const Exercice& e) { return e.Légende == c[0]; });
        Contrôle* article = Article(k.Menus, c[0]);
        ASSERT_TRUE(exercice != TableExercices.end() && article != nullptr);
        k.Cliquer(*article);
        EXPECT_EQ(k.EtiNomExo.Caption, exercice->Titre);
        EXPECT_EQ(k.EtiStatut.Caption, exercice->Statut);
        EXPECT_NE(k.EtiExercice.Caption.find(c[1]), std::string::npos)
            << "les points donnés sont ceux de l'énoncé";

        // Tous les points de la solution, et pas un de plus.
        const std::vector<PointPosé> points = LirePoints(c[1] + ", " + c[2]);
        ASSERT_TRUE(Placer(points));
        EXPECT_FALSE(Placer({{"Z", "1", "1"}}));
        AttendreMessage(plateforme.Journal, "Analyse Figure",
                        "La figure demandée ne nécessite pas d'autres points.");

        // L'Analyse répond à la question sans rien juger.
        ASSERT_TRUE(Tracer({{}, c[3]}));
        plateforme.Textes.clear();
        k.Cliquer(k.BtonVelmor);
        EXPECT_EQ(plateforme.Textes, (std::vector<TexteMontré>{{"Analyse de la figure", c[4], ""}}));
    }
}

TEST_F(KorvaneExercices, LePanneauCouvreLeCanevasEtSuspendLeJeu)
{
    // Caché, le panneau est posé sur l'étape, ses boutons à son coin.
    Redimensionner(1280, 1024);
    const auto cadre = [](const Contrôle& c) { return std::tuple{c.Left, c.Top, c.Width, c.Height}; };
    EXPECT_EQ(cadre(k.PictureExo), cadre(k.EtiEtape));
    EXPECT_EQ(k.BtonSuite.Left + k.BtonSuite.Width, k.PictureExo.Width);
    EXPECT_EQ(k.BtonSuite.Top + k.BtonSuite.Height, k.PictureExo.Height);

    ASSERT_TRUE(Tracer(TriangleABC));
    k.Cliquer(k.ItemSymAxe1);
    EXPECT_TRUE(k.PictureExo.Visible && k.BtonSuite.Visible);
    EXPECT_FALSE(k.BtonOk.Visible || k.BtonVelmor.Visible || k.BtonFermer.Visible);
    EXPECT_EQ(k.PictureExo.BackColor, CouleurPanneau) << "le panneau est opaque sur le canevas";
    EXPECT_EQ(m.NbPoints, 3) << "la figure déjà tracée reste";
    // L'énoncé montré reste sur le canevas quand la fenêtre change de taille.
    Redimensionner(1100, 1024);
    EXPECT_EQ(k.PictureExo.Left, k.Ecran.Cadre.Left);

    // Ni survol ni choix des cibles pendant l'exercice.
    k.SurvolerÉlément(k.LabTypeFig, 3);
    EXPECT_EQ(k.LabTypeFig[3].BackColor, CouleurPanneau);
    plateforme.FenêtresOuvertes.clear();
    k.CliquerÉlément(k.LabTypeFig, 3);
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());
}

TEST_F(KorvaneExercices, LePanneauGlisseJusquALEtapeEtUnAutreExerciceLeRameneAuBord)
{
    const int départ = k.Ecran.Cadre.Left;
    const int arrivée = k.EtiEtape.Left;
    ASSERT_GT(arrivée - départ, 1000);
    for (Contrôle* exercice : {&k.ItemSymCent, &k.ItemTrans1}) {
        SCOPED_TRACE(exercice->Caption);
        k.Cliquer(*exercice);
        EXPECT_FALSE(plateforme.MinuterieEnMarche());
        EXPECT_EQ(k.PictureExo.Left, départ);
        k.Cliquer(k.BtonSuite);
        EXPECT_TRUE(!k.BtonSuite.Visible && k.BtonOk.Visible);
        plateforme.AvancerMinuterie(500);
        EXPECT_NEAR(k.PictureExo.Left, (départ + arrivée) / 2.0, 1);
    }
    plateforme.AvancerMinuterie(500);
    EXPECT_EQ(k.PictureExo.Left, arrivée);
    plateforme.AvancerMinuterie(10);
    EXPECT_FALSE(plateforme.MinuterieEnMarche());
}

TEST_F(KorvaneExercices, BtonOkOuLaReinitialisationTermineLExerciceEtRendLeJeu)
{
    for (Contrôle* fin : {&k.BtonOk, &k.ItemRéinitialiser}) {
        SCOPED_TRACE(fin->Caption);
        k.Cliquer(k.ItemTriEqui);
        k.Cliquer(k.BtonSuite);
        plateforme.AvancerMinuterie(200);
        ASSERT_TRUE(Placer(TriangleABC.Points));
        k.Cliquer(*fin);
        EXPECT_FALSE(m.ExerciceEnCours || plateforme.MinuterieEnMarche());
        EXPECT_FALSE(k.PictureExo.Visible || k.BtonOk.Visible || k.BtonVelmor.Visible ||
                     k.BtonAbandon.Visible);
        EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
        EXPECT_EQ(m.NbPoints, 0);
        EXPECT_EQ(m.NbPointsMax, m.CapPoints()) << "la limite de l'énoncé ne survit pas à l'exercice";
        // Le jeu reprend.
        Jouer("R");
        EXPECT_EQ(k.EtiScore.Caption, "Score :  2/ 2");
        k.Cliquer(k.ItemRéinitialiser);
    }
}
