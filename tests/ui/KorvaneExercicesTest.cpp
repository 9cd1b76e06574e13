// Les exercices guidés dans la fenêtre principale : énoncés, limites de points, glissement du panneau, fin.
#include "PartieKorvane.h"

#include "game/JeuCibles.h"

#include <cmath>

namespace {

std::vector<PointPosé> Points(std::size_t n)
{
    std::vector<PointPosé> points{{"A", "-5", "5"}, {"B", "-5", "1"}, {"C", "2", "-2"},
                                  {"D", "1", "4"},  {"E", "3", "3"},  {"F", "0", "1"}};
    points.resize(n);
    return points;
}

} // namespace

class KorvaneExercices : public PartieKorvane {
protected:
    bool PlacerPoints(std::size_t n) { return Placer(Points(n)); }
};

TEST_F(KorvaneExercices, ChaqueArticleMontreSonEnonceEtLimiteSesPoints)
{
    struct Cas {
        Contrôle& item;
        const char* légende;
        const char* titre;
        const char* statut;
        std::size_t points;
        const char* débutÉnoncé; // l'énoncé entier pour le triangle
    };
    const Cas cas[] = {
        {k.ItemSymAxe1, "&Symétrie axiale 1", "Symétrie axiale 1",
         "Symétrie axiale : construis le quadrilatère ABCD", 4,
         "Place les points : A(-5 ; 5), B(-5 ; 1) et C(2 ; -2).\r\nD est"},
        {k.ItemSymAxe2, "Symétrie &axiale 2", "Symétrie axiale 2",
         "Symétrie axiale : construis le quadrilatère ABCD", 4,
         "Place les points : A(-4 ; 4), B(-3 ; -1) et C(2 ; -2).\r\nD est"},
        {k.ItemSymCent, "Symétrie &centrale", "Symétrie centrale",
         "Symétrie centrale : construis le quadrilatère ABCD", 5,
         "Place les points : A(-4 ; 4), B(-3 ; -1) et I(-1 ; 1).\r\nC est"},
        {k.ItemTrans1, "Translation &1", "Translation 1", "Translation 1 : construis le quadrilatère ABDC", 4,
         "Place les points : A(4 ; 5), B(-3 ; 3) et C(2 ; -2).\r\nD est"},
        {k.ItemTrans2, "Translation &2", "Translation 2", "Translation 2 : construis le quadrilatère ABDC", 4,
         "Place les points (il est possible de changer l'échelle) : A(5 ; -3), B(11 ; 0) et C(2 ; 3).\r\nD "
         "est"},
        {k.ItemTrans3, "Translation &3", "Translation 3", "Translation 3 : construis le quadrilatère REMI", 4,
         "Place les points (il est possible de changer l'échelle) : M(7 ; 2), R(-4 ; 10) et E(-2 ; -3).\r\nI "
         "est"},
        {k.ItemTriEqui, "&Triangle équilatéral", "Triangle équilatéral",
         "Construis le triangle équilatéral ABC", 3,
         "Place les points : B(-3 ; -2) et C(3 ; -2).\r\r\n - Place le point A pour que le triangle ABC soit "
         "équilatéral (il faut saisir un calcul pour l'ordonnée du point A)."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.titre);
        k.Cliquer(k.ItemRéinitialiser);
        plateforme.Journal.Messages.clear();
        EXPECT_EQ(c.item.Caption, c.légende);
        k.Cliquer(c.item);
        EXPECT_EQ(k.EtiNomExo.Caption, c.titre);
        EXPECT_EQ(k.EtiStatut.Caption, c.statut);
        EXPECT_EQ(k.EtiExercice.Caption.rfind(c.débutÉnoncé, 0), 0u) << k.EtiExercice.Caption;
        // Le retour chariot doublé avant la consigne reste tel quel.
        EXPECT_NE(k.EtiExercice.Caption.find(".\r\r\n"), std::string::npos);
        EXPECT_TRUE(m.ExerciceEnCours);
        EXPECT_EQ(m.NbPointsMax, c.points);

        EXPECT_TRUE(PlacerPoints(c.points));
        EXPECT_TRUE(plateforme.Journal.Messages.empty());
        EXPECT_FALSE(PlacerPoints(c.points + 1));
        AttendreMessage(plateforme.Journal, "Analyse Figure",
                        "La figure demandée ne nécessite pas d'autres points.");
    }
}

TEST_F(KorvaneExercices, LePanneauCouvreLeCanevasEtSuspendLeJeu)
{
    ASSERT_TRUE(PlacerPoints(2));
    k.Cliquer(k.ItemSymAxe1);
    EXPECT_TRUE(k.PictureExo.Visible && k.BtonSuite.Visible);
    EXPECT_FALSE(k.BtonOk.Visible);
    EXPECT_EQ(k.PictureExo.Left, k.Ecran.Cadre.Left);
    EXPECT_EQ(k.PictureExo.BackColor, CouleurPanneau) << "le panneau est opaque sur le canevas";
    EXPECT_FALSE(k.ItemOuvrirFig.Enabled || k.BtonVelmor.Visible || k.BtonFermer.Visible);
    EXPECT_EQ(m.NbPoints, 2) << "la figure déjà tracée reste";

    // Ni survol ni choix des cibles pendant l'exercice.
    k.SurvolerÉlément(k.LabTypeFig, 3);
    EXPECT_EQ(k.LabTypeFig[3].BackColor, CouleurPanneau);
    plateforme.FenêtresOuvertes.clear();
    k.CliquerÉlément(k.LabTypeFig, 3);
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());

    // L'Analyse nomme la figure sans la juger.
    m.NbPoints = 0;
    m.NbTracés = 0;
    ASSERT_TRUE(Tracer(FiguresRéussies()[8]));
    k.Cliquer(k.BtonVelmor);
    ASSERT_EQ(plateforme.Textes.size(), 1u);
    EXPECT_EQ(plateforme.Textes[0].Consigne, "");
    EXPECT_EQ(m.Score, 0);
    EXPECT_EQ(m.ScoreMax, 0);
}

TEST_F(KorvaneExercices, LePanneauGlisseEnCentPasDeDixMillisecondes)
{
    k.Cliquer(k.ItemSymCent);
    k.Cliquer(k.BtonSuite);
    EXPECT_FALSE(k.BtonSuite.Visible);
    EXPECT_TRUE(k.BtonOk.Visible);
    ASSERT_TRUE(plateforme.MinuterieEnMarche());

    const int départ = k.Ecran.Cadre.Left;
    const int arrivée = k.EtiEtape.Left;
    ASSERT_GT(arrivée - départ, 1000);
    plateforme.AvancerMinuterie(9);
    EXPECT_EQ(k.PictureExo.Left, départ);
    plateforme.AvancerMinuterie(1);
    EXPECT_EQ(k.PictureExo.Left, départ + static_cast<int>(std::lround((arrivée - départ) / 100.0)));
    plateforme.AvancerMinuterie(490);
    EXPECT_EQ(k.PictureExo.Left, static_cast<int>(std::lround(départ + (arrivée - départ) / 2.0)));
    plateforme.AvancerMinuterie(500);
    EXPECT_EQ(k.PictureExo.Left, arrivée);
    EXPECT_TRUE(plateforme.MinuterieEnMarche()) << "le centième pas est un pas";
    plateforme.AvancerMinuterie(10);
    EXPECT_FALSE(plateforme.MinuterieEnMarche());
    EXPECT_EQ(k.PictureExo.Left, arrivée);
    EXPECT_EQ(k.Glissement.PasCourant, 0);

    // Le glissement suivant repart du bord du canevas.
    k.Cliquer(k.ItemTrans1);
    EXPECT_EQ(k.PictureExo.Left, départ);
    EXPECT_TRUE(k.BtonSuite.Visible && k.BtonOk.Visible);
    k.Cliquer(k.BtonSuite);
    plateforme.AvancerMinuterie(10);
    EXPECT_EQ(k.PictureExo.Left, départ + static_cast<int>(std::lround((arrivée - départ) / 100.0)));

    // Un autre exercice arrête le glissement en cours.
    plateforme.AvancerMinuterie(300);
    k.Cliquer(k.ItemSymAxe2);
    EXPECT_FALSE(plateforme.MinuterieEnMarche());
    EXPECT_EQ(k.PictureExo.Left, départ);
    EXPECT_EQ(k.Glissement.PasCourant, 0);
}

TEST_F(KorvaneExercices, BtonOkTermineLExerciceEtEffaceLaFigure)
{
    k.Cliquer(k.ItemTriEqui);
    k.Cliquer(k.BtonSuite);
    plateforme.AvancerMinuterie(1010);
    ASSERT_TRUE(PlacerPoints(3));
    k.Cliquer(k.BtonOk);
    EXPECT_FALSE(m.ExerciceEnCours);
    EXPECT_FALSE(k.PictureExo.Visible || k.BtonOk.Visible || k.BtonVelmor.Visible || k.BtonAbandon.Visible);
    EXPECT_TRUE(k.ItemOuvrirFig.Enabled);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
    EXPECT_EQ(m.NbPoints, 0);
    EXPECT_EQ(m.NbPointsMax, m.CapPoints()) << "la limite de l'énoncé ne survit pas à l'exercice";
    EXPECT_TRUE(PlacerPoints(6));

    // Le jeu reprend.
    k.Cliquer(k.BtonEfface);
    Réussir(0);
    EXPECT_EQ(m.Score, 2);
}

TEST_F(KorvaneExercices, LaReinitialisationTermineLExercice)
{
    k.Cliquer(k.ItemTrans3);
    k.Cliquer(k.BtonSuite);
    plateforme.AvancerMinuterie(200);
    k.Cliquer(k.ItemRéinitialiser);
    EXPECT_FALSE(m.ExerciceEnCours);
    EXPECT_FALSE(k.PictureExo.Visible);
    EXPECT_FALSE(plateforme.MinuterieEnMarche());
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
    EXPECT_EQ(m.NbPointsMax, m.CapPoints());
    Choisir(2);
    EXPECT_TRUE(m.CibleEnCours);
}

TEST_F(KorvaneExercices, LaDispositionPlaceLePanneauSurLEtape)
{
    Redimensionner(1280, 1024);
    // Sans énoncé montré, le panneau est sur l'étape, ses boutons à son coin.
    EXPECT_EQ(k.PictureExo.Left, k.EtiEtape.Left);
    EXPECT_EQ(k.PictureExo.Top, k.EtiEtape.Top);
    EXPECT_EQ(k.PictureExo.Width, k.EtiEtape.Width);
    EXPECT_EQ(k.PictureExo.Height, k.EtiEtape.Height);
    EXPECT_EQ(k.EtiExercice.Width, k.EtiComEtape.Width);
    EXPECT_EQ(k.BtonSuite.Left + k.BtonSuite.Width, k.PictureExo.Width);
    EXPECT_EQ(k.BtonSuite.Top + k.BtonSuite.Height, k.PictureExo.Height);

    // L'énoncé montré reste sur le canevas quand la fenêtre change de taille.
    k.Cliquer(k.ItemSymAxe1);
    Redimensionner(1100, 1024);
    EXPECT_EQ(k.PictureExo.Left, k.Ecran.Cadre.Left);
}
