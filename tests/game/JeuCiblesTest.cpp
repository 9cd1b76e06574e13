#include "PartieJeu.h"

#include "game/Minuscules.h"

#include <gtest/gtest.h>

using Textes = std::vector<std::string>;

TEST(JeuCibles, LeChoixDemandeConfirmationEtMetDeuxPointsEnJeu)
{
    EXPECT_EQ(ConfirmationChoix(TableCibles[0]),
              (MessageTitré{"Choix de la figure", "Construction d'un triangle rectangle"}));
    EXPECT_EQ(ConfirmationChoix(TableCibles[9]).Texte, "Construction d'un carré");
    EXPECT_EQ(StatutCible(TableCibles[3]), "Trace un trapèze isocèle dans le repère");
    EXPECT_EQ(StatutCible(TableCibles[6]), "Trace un cerf-volant dans le repère");

    for (std::size_t i = 0; i < NbCibles; ++i) {
        SCOPED_TRACE(TableCibles[i].Nom);
        Modulebas m;
        m.ScoreMax = 6;
        EngagerCible(m, TableCibles[i]);
        EXPECT_TRUE(m.CibleEnCours);
        EXPECT_EQ(m.NbPointsMax, i < 2 ? 3 : 4);
        EXPECT_EQ(m.ScoreMax, 8);
        EXPECT_EQ(m.Score, 0);
    }
}

TEST(JeuCibles, OnNeChoisitQuHorsCibleExerciceEtFichier)
{
    Modulebas m;
    EXPECT_TRUE(ChoixPossible(m));
    for (bool Modulebas::*mode :
         {&Modulebas::CibleEnCours, &Modulebas::ExerciceEnCours, &Modulebas::ModeFichier}) {
        Modulebas enCours;
        enCours.*mode = true;
        EXPECT_FALSE(ChoixPossible(enCours));
    }
}

TEST(JeuCibles, LesMinusculesGardentLesAccents)
{
    EXPECT_EQ(Minuscules("ÉTÉ À ÇA ×"), "été à ça ×");
}

TEST(JeuCibles, UnePartieParfaiteFinitAVingtSurVingtExcellent)
{
    PartieJeu partie;
    for (std::size_t i = 0; i < NbCibles; ++i)
        partie.Réussir(i);
    EXPECT_TRUE(partie.Finie);
    EXPECT_EQ(partie.m.Score, 20);
    EXPECT_EQ(partie.m.ScoreMax, 20);
    // Deux premières, puis deux séries de quatre.
    EXPECT_EQ(partie.m.Bonus, 3);
    EXPECT_EQ(partie.m.Mention, "Excellent !");
    EXPECT_EQ(partie.Fenêtres.back(),
              (MessageTitré{"Fin de la construction de figures",
                            "Excellent, toutes les figures ont été construites avec succès !"}));
    EXPECT_FALSE(partie.m.CibleEnCours);
}

TEST(JeuCibles, DixAbandonsDonnentDeuxFenetresEtAucunResultat)
{
    PartieJeu partie;
    for (std::size_t i = 0; i < NbCibles; ++i) {
        EXPECT_FALSE(partie.Finie);
        partie.Abandonner(i);
    }
    EXPECT_TRUE(partie.Finie);
    EXPECT_EQ(partie.m.Score, 0);
    EXPECT_EQ(partie.m.ScoreMax, 20);
    EXPECT_EQ(partie.TextesDepuis(0),
              (Textes{"Insuffisant, trop peu de figures ont été construites avec succès !",
                      "Aucune figure construite avec succès !"}));
    EXPECT_EQ(partie.m.Mention, "Aucun résultat");
}

TEST(JeuCibles, HuitSuccesSurDixDonnentBien)
{
    PartieJeu partie;
    for (std::size_t i = 0; i < NbCibles; ++i) {
        if (i == 4 || i == 7)
            partie.Abandonner(i);
        else
            partie.Réussir(i);
    }
    EXPECT_EQ(partie.m.Score, 16);
    EXPECT_EQ(partie.Fenêtres.back().Texte,
              "Bien, presque toutes les figures ont été construites avec succès !");
    EXPECT_EQ(partie.m.Mention, "Bien");
}

TEST(JeuCibles, LesDeuxPremieresCiblesAtteintesDonnentUnBonus)
{
    PartieJeu partie;
    partie.Réussir(0);
    EXPECT_EQ(partie.m.Mention, "Bon début !");
    std::size_t avant = partie.Fenêtres.size();
    partie.Réussir(1);
    EXPECT_EQ(partie.TextesDepuis(avant),
              (Textes{"ABC est un triangle isocèle en A.", "Un petit Bonus : + 1"}));
    EXPECT_EQ(partie.Fenêtres.back().Titre, "Construction de Figures");
    EXPECT_EQ(partie.m.Mention, "Très bon début !");
    EXPECT_EQ(partie.m.Bonus, 1);
    EXPECT_EQ(partie.EtiBonus, "Bonus : 1");
    EXPECT_EQ(partie.m.SérieRéussites, 0);
}

TEST(JeuCibles, QuatreSuccesDeSuiteDonnentEncoreUnBonus)
{
    PartieJeu partie;
    // Deux succès qui ne sont pas les deux premiers ne donnent rien.
    partie.Abandonner(0);
    for (std::size_t i = 1; i <= 3; ++i)
        partie.Réussir(i);
    EXPECT_EQ(partie.m.Bonus, 0);
    std::size_t avant = partie.Fenêtres.size();
    partie.Réussir(4);
    EXPECT_EQ(partie.TextesDepuis(avant),
              (Textes{"ABCD est un trapèze rectangle.", "Encore un petit Bonus : + 1"}));
    EXPECT_EQ(partie.m.Bonus, 1);
    EXPECT_EQ(partie.m.SérieRéussites, 0);
}

TEST(JeuCibles, UnEchecRemetLaSerieAZeroEtGardeLaCible)
{
    PartieJeu partie;
    partie.Abandonner(0);
    partie.Réussir(1);
    partie.Réussir(2);
    partie.Réussir(3);
    EXPECT_EQ(partie.m.SérieRéussites, 3);

    partie.Choisir(5);
    partie.Analyser({"ABCD est un rectangle", "Rectangle"});
    EXPECT_EQ(partie.m.SérieRéussites, 0);
    EXPECT_TRUE(partie.m.CibleEnCours);
    EXPECT_FALSE(partie.m.FigureRéussie);
    EXPECT_EQ(partie.m.Score, 6);

    // Même cible, nouvelle figure : la série repart de un.
    partie.Analyser(FiguresRéussies[5]);
    EXPECT_EQ(partie.m.SérieRéussites, 1);
    EXPECT_FALSE(partie.m.CibleEnCours);
    EXPECT_EQ(partie.m.Bonus, 0);
}

TEST(JeuCibles, LaDixiemeCibleAtteinteFinitLeJeuSansNouveauChoix)
{
    PartieJeu partie;
    for (std::size_t i = 0; i < 9; ++i)
        partie.Abandonner(i);
    partie.Choisir(9);
    partie.Analyser(FiguresRéussies[9]);
    EXPECT_TRUE(partie.Finie);
    EXPECT_EQ(
        partie.TextesDepuis(partie.Fenêtres.size() - 2),
        (Textes{"ABCD est un carré.", "Insuffisant, trop peu de figures ont été construites avec succès !"}));
    EXPECT_EQ(partie.m.Mention, "Insuffisant");
}

TEST(JeuCibles, HorsCibleLAnalyseNeJugeRien)
{
    Modulebas m;
    m.Score = 4;
    m.ScoreMax = 6;
    m.SérieRéussites = 1;
    EXPECT_EQ(JugerAnalyse(m, TableCibles[0], "ABC est un triangle rectangle", "Triangle rectangle"),
              (MessageTitré{"Analyse de la figure", "ABC est un triangle rectangle."}));
    m.CibleEnCours = true;
    m.ModeFichier = true;
    EXPECT_EQ(JugerAnalyse(m, TableCibles[0], "ABC est un triangle", "Triangle").Texte,
              "ABC est un triangle.");
    EXPECT_EQ(m.Score, 4);
    EXPECT_EQ(m.SérieRéussites, 1);
    EXPECT_FALSE(m.FigureRéussie);
}

TEST(JeuCibles, LaReinitialisationRevientAuChoixCompteursAZero)
{
    PartieJeu partie;
    for (std::size_t i = 0; i < NbCibles; ++i)
        partie.Réussir(i);
    partie.m.Points.Redimensionner(20);
    partie.m.ExerciceEnCours = true;
    RéinitialiserJeu(partie.m);
    EXPECT_EQ(partie.m.Score, 0);
    EXPECT_EQ(partie.m.ScoreMax, 0);
    EXPECT_EQ(partie.m.Bonus, 0);
    EXPECT_EQ(partie.m.SérieRéussites, 0);
    EXPECT_TRUE(ChoixPossible(partie.m));
    EXPECT_EQ(partie.m.NbPointsMax, 20);
    EXPECT_EQ(SuiteAprèsCible(partie.m), SuiteDuJeu::ProposerFigure);
}

TEST(JeuCibles, LaCommandeDonneLesSommetsFermesSurLePremier)
{
    EXPECT_EQ(SommetsFermés("Polygone ABCD"), "ABCDA");
    EXPECT_EQ(SommetsFermés("Polygone ÉBC"), "ÉBCÉ");
    EXPECT_EQ(SommetsFermés("Polygone "), "");
}
