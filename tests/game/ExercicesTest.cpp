#include "game/Exercices.h"

#include "game/JeuCibles.h"
#include "model/Modulebas.h"

#include <gtest/gtest.h>

namespace {
std::size_t Compter(std::string_view texte, std::string_view motif)
{
    std::size_t n = 0;
    for (std::size_t i = texte.find(motif); i != std::string_view::npos; i = texte.find(motif, i + 1))
        ++n;
    return n;
}
} // namespace

TEST(Exercices, LesEnoncesGardentLeursSautsDeLigne)
{
    struct Cas {
        std::string_view Item;
        std::size_t CrLf;   // sauts simples
        std::size_t CrCrLf; // le saut qui sépare les données des questions
        std::uint8_t NbPoints;
        std::string_view Fin; // la question posée à l'élève
    };
    const Cas cas[] = {
        {"ItemSymAxe1", 3, 1, 4, "\r\n- Quelle est la nature du quadrilatère ABCD ?"},
        {"ItemSymAxe2", 3, 1, 4, "\r\n- Quelle est la nature du quadrilatère ABCD ?"},
        {"ItemSymCent", 4, 1, 5, "\r\n- Quelle est la nature du quadrilatère ABCD ?"},
        {"ItemTrans1", 3, 1, 4, "\r\n- Quelle est la nature du quadrilatère ABDC ?"},
        {"ItemTrans2", 3, 1, 4, "\r\n- Quelle est la nature du quadrilatère ABDC ?"},
        {"ItemTrans3", 3, 1, 4, "\r\n- Quelle est la nature du quadrilatère REMI ?"},
        {"ItemTriEqui", 1, 1, 3,
         ".\r\r\n - Place le point A pour que le triangle ABC soit équilatéral (il faut "
         "saisir un calcul pour l'ordonnée du point A)."},
    };
    ASSERT_EQ(std::size(cas), TableExercices.size());
    for (std::size_t i = 0; i < TableExercices.size(); ++i) {
        const Exercice& exercice = TableExercices[i];
        SCOPED_TRACE(exercice.Titre);
        EXPECT_EQ(exercice.Item, cas[i].Item);
        EXPECT_EQ(Compter(exercice.Énoncé, "\n"), cas[i].CrLf);
        EXPECT_EQ(Compter(exercice.Énoncé, "\r\r\n"), cas[i].CrCrLf);
        EXPECT_EQ(Compter(exercice.Énoncé, "\r"), cas[i].CrLf + cas[i].CrCrLf);
        EXPECT_EQ(exercice.NbPoints, cas[i].NbPoints);
        EXPECT_TRUE(exercice.Énoncé.ends_with(cas[i].Fin));
    }
    EXPECT_EQ(TableExercices[0].Énoncé, "Place les points : A(-5 ; 5), B(-5 ; 1) et C(2 ; -2).\r\n"
                                        "D est le point image du point B dans la symétrie d'axe (AC).\r\r\n"
                                        "- Place le point D\r\n"
                                        "- Quelle est la nature du quadrilatère ABCD ?");
}

TEST(Exercices, LExerciceLimiteLesPointsPuisRendLeDessinLibre)
{
    Modulebas m;
    m.Points.Redimensionner(20);
    m.NbPointsMax = 20;
    DébuterExercice(m, TableExercices[6]);
    EXPECT_TRUE(m.ExerciceEnCours);
    EXPECT_EQ(m.NbPointsMax, 3);
    EXPECT_FALSE(ChoixPossible(m));

    TerminerExercice(m);
    EXPECT_TRUE(ChoixPossible(m));
    EXPECT_EQ(m.NbPointsMax, 20);
}

TEST(Exercices, LePanneauGlisseEnCentPasPuisLaMinuterieSArrete)
{
    GlissementPanneau glissement;
    glissement.Lancer(1000, 6000);
    EXPECT_DOUBLE_EQ(glissement.LongueurPas, 50);
    EXPECT_EQ(glissement.Top(1000), 1050);
    std::optional<double> gauche;
    for (int pas = 2; pas <= 100; ++pas)
        gauche = glissement.Top(1000);
    EXPECT_EQ(gauche, 6000);
    EXPECT_EQ(glissement.Top(1000), std::nullopt);
    EXPECT_EQ(glissement.PasCourant, 0);

    // Le glissement suivant repart du bord de l'écran.
    glissement.Lancer(1000, 6000);
    EXPECT_EQ(glissement.Top(1000), 1050);
}
