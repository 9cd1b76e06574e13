// Le jeu des cibles joué dans la fenêtre principale : choix, verdict, parties entières, réinitialisation.
#include "PartieKorvane.h"

#include "game/AnalyseFigure.h"
#include "game/Mention.h"
#include "support/TableCas.h"

TEST_F(PartieKorvane, HorsCibleLAnalyseNeMontreQueLaPhraseSuivieDUnPoint)
{
    Soumettre(FiguresRéussies()[9]);
    // Un analyseur neuf à chaque appui : la figure suivante est jugée pour elle-même.
    Soumettre(FiguresRéussies()[0]);
    EXPECT_EQ(plateforme.Textes,
              (std::vector<TexteMontré>{{TitreAnalyse, "ABCD est un carré.", ""},
                                        {TitreAnalyse, "ABC est un triangle rectangle.", ""}}));
    EXPECT_EQ(k.EtiScore.Caption, "Score :  0/ 0");
    EXPECT_EQ(m.NbPoints, 3) << "hors cible, la figure reste";
    EXPECT_TRUE(k.BtonVelmor.Visible);
}

TEST_F(PartieKorvane, LeChoixConfirmeEngageLaCibleEtLAnnulationNeMetRienEnJeu)
{
    // La ligne survolée s'éteint dès le clic, même si l'élève annule.
    k.SurvolerÉlément(k.LabTypeFig, 0);
    Choisir(3, false);
    EXPECT_EQ(k.LabTypeFig[0].BackColor, CouleurPanneau);
    EXPECT_FALSE(m.CibleEnCours || k.BtonAbandon.Visible || k.ShapeScore.Visible);
    EXPECT_EQ(m.ScoreMax, 0);
    EXPECT_TRUE(k.LabTypeFig[3].Enabled);
    EXPECT_EQ(k.LabTypeFig[3].BackColor, CouleurPanneau);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);

    Choisir(3);
    EXPECT_EQ(plateforme.Textes.back(),
              (TexteMontré{"Choix de la figure", "Construction d'un trapèze isocèle non rectangle", ""}));
    EXPECT_EQ(k.EtiStatut.Caption, "Trace un trapèze isocèle dans le repère");
    EXPECT_EQ(k.EtiScore.Caption, "Score :  0/ 2");
    EXPECT_TRUE(k.ShapeScore.Visible && k.BtonAbandon.Visible && k.BtonVelmor.Visible);
    EXPECT_FALSE(k.LabTypeFig[3].Enabled);
    EXPECT_EQ(k.LabTypeFig[3].BackColor, CouleurBordure);
    EXPECT_EQ(k.ShapeTypeFig2[3].BackColor, CouleurBordure);
    EXPECT_FALSE(k.BtonFermer.Visible);

    // Une autre ligne ne se choisit pas pendant la cible ; la ligne jouée, plus de toute la partie.
    k.CliquerÉlément(k.LabTypeFig, 5);
    k.Cliquer(k.BtonAbandon);
    k.CliquerÉlément(k.LabTypeFig, 3);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), 2u);
    EXPECT_EQ(m.ScoreMax, 2);
}

TEST_F(PartieKorvane, LeSurvolEclaireUneLigneSaufPendantUneCibleOuUneFigureOuverte)
{
    k.SurvolerÉlément(k.LabTypeFig, 0);
    k.SurvolerÉlément(k.LabTypeFig, 4);
    EXPECT_EQ(k.LabTypeFig[0].BackColor, CouleurPanneau) << "la ligne quittée s'éteint";
    EXPECT_EQ(k.LabTypeFig[4].BackColor, CouleurBordure);
    EXPECT_EQ(k.ShapeTypeFig1[4].BackColor, CouleurBordure);
    EXPECT_EQ(k.LabTypeFig[4].MousePointer, Pointeur::Personnalisé);
    k.Form_MouseMove();
    EXPECT_EQ(k.LabTypeFig[4].BackColor, CouleurPanneau);

    Choisir(1);
    k.SurvolerÉlément(k.LabTypeFig, 6);
    EXPECT_EQ(k.LabTypeFig[6].BackColor, CouleurPanneau);
    EXPECT_EQ(k.LabTypeFig[6].MousePointer, Pointeur::Normal);
    EXPECT_EQ(k.LabTypeFig[1].BackColor, CouleurBordure);

    // Une figure lue d'un fichier suspend aussi le choix.
    k.Cliquer(k.BtonAbandon);
    k.OuvrirFichierFigure(CheminDonnées("triangle-rectangle.lum"));
    ASSERT_TRUE(m.ModeFichier);
    const std::size_t fenêtres = plateforme.FenêtresOuvertes.size();
    k.SurvolerÉlément(k.LabTypeFig, 6);
    k.CliquerÉlément(k.LabTypeFig, 6);
    EXPECT_EQ(k.LabTypeFig[6].BackColor, CouleurPanneau);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), fenêtres);
}

TEST_F(PartieKorvane, LaCibleLimiteLesPointsEtSaFinEffaceLaFigure)
{
    // L'abandon compte les points mis en jeu ; la réinitialisation les oublie et rend la ligne.
    const struct {
        std::size_t cible, sommets;
        Contrôle& fin;
        const char* score;
    } cas[] = {{1, 3, k.BtonAbandon, "Score :  0/ 2"}, {2, 4, k.ItemRéinitialiser, "Score :  0/ 0"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cible);
        Choisir(c.cible);
        EXPECT_EQ(m.NbPointsMax, c.sommets);
        ASSERT_TRUE(Tracer(TriangleABC));
        k.Cliquer(c.fin);
        EXPECT_FALSE(m.CibleEnCours || k.BtonAbandon.Visible || k.BtonVelmor.Visible);
        EXPECT_EQ(k.EtiScore.Caption, c.score);
        EXPECT_EQ(m.NbPoints, 0);
        EXPECT_EQ(m.NbPointsMax, m.CapPoints()) << "le dessin libre reprend sa limite";
        EXPECT_EQ(k.LabTypeFig[c.cible].Enabled, &c.fin == &k.ItemRéinitialiser);
    }
}

TEST_F(PartieKorvane, LeVerdictExpliqueLaFigureEtUnEchecGardeLaCible)
{
    const FigureTracée carré = FiguresRéussies()[9];
    const struct {
        std::size_t cible;
        FigureTracée figure;
        TexteMontré attendu;
    } cas[] = {
        {5,
         FiguresRéussies()[7],
         {TitreAnalyse, "ABCD est un losange donc bien un parallélogramme pas un rectangle.", "   Bravo !"}},
        {3,
         carré,
         {TitreAnalyse,
          "ABCD est un carré mais on demande un trapèze isocèle qui ne soit pas rectangle (donc pas un "
          "carré).",
          ""}},
        // Les sommets sont pris dans l'ordre du polygone tracé.
        {9, {carré.Points, "ACBD"}, {TitreAnalyse, "ACBD est un quadrilatère croisé.", ""}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.attendu.Texte);
        k.Cliquer(k.ItemRéinitialiser);
        plateforme.Textes.clear();
        Choisir(c.cible);
        const std::string statut = k.EtiStatut.Caption;
        Soumettre(c.figure);
        ASSERT_EQ(plateforme.Textes.size(), 2u);
        EXPECT_EQ(plateforme.Textes[1], c.attendu);
        const bool réussie = !c.attendu.Consigne.empty();
        EXPECT_EQ(k.EtiScore.Caption, réussie ? "Score :  2/ 2" : "Score :  0/ 2");
        // Un échec garde la cible et la figure, pour la corriger ; un succès efface tout.
        EXPECT_EQ(m.CibleEnCours, !réussie);
        EXPECT_EQ(m.NbPoints, réussie ? 0 : 4);
        EXPECT_EQ(k.BtonVelmor.Visible, !réussie);
        EXPECT_EQ(k.BtonAbandon.Visible, !réussie);
        EXPECT_EQ(k.EtiStatut.Caption, réussie ? StatutChoix : statut);
    }
}

TEST_F(PartieKorvane, LesCoupsDonnentLeScoreLElogeLesBonusEtLaNoteFinale)
{
    for (const CasTable& c : LireTableCas("jeu-mentions.tsv")) {
        SCOPED_TRACE(c.Où);
        k.Cliquer(k.ItemRéinitialiser);
        plateforme.Textes.clear();
        Jouer(c[0]);
        EXPECT_EQ(k.EtiScore.Caption, c[1]);
        EXPECT_EQ(m.Mention, c[2]);
        EXPECT_EQ(k.EtiBonus.Caption, c[3]);
        std::string fenêtres;
        std::size_t bravos = 0;
        for (const TexteMontré& t : plateforme.Textes) {
            if (t.Titre == TitreBonus || t.Titre == TitreFinDuJeu)
                fenêtres += (fenêtres.empty() ? "" : " | ") + t.Texte;
            bravos += t.Consigne == "   Bravo !";
        }
        EXPECT_EQ(fenêtres, c[4]);
        EXPECT_EQ(bravos, m.Score / 2u) << "chaque cible atteinte, et elle seule, dit « Bravo ! »";
    }
}

TEST_F(PartieKorvane, ApresLaFinLaReinitialisationRevientAuChoixSansRemontrerLaNote)
{
    Jouer("RRRRRRRRRR");
    EXPECT_EQ(k.EtiStatut.Caption, StatutFinDuJeu);
    EXPECT_FALSE(k.BtonVelmor.Visible || k.BtonAbandon.Visible);
    for (std::size_t i = 0; i < NbCibles; ++i) {
        EXPECT_FALSE(k.LabTypeFig[i].Enabled) << i;
        EXPECT_EQ(k.LabTypeFig[i].BackColor, CouleurPanneau) << i;
    }
    const std::size_t fenêtres = plateforme.FenêtresOuvertes.size();

    k.Cliquer(k.ItemRéinitialiser);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), fenêtres);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
    EXPECT_EQ(k.EtiScore.Caption, "Score :  0/ 0");
    EXPECT_FALSE(k.ShapeScore.Visible);
    for (std::size_t i = 0; i < NbCibles; ++i)
        EXPECT_TRUE(k.LabTypeFig[i].Enabled) << i;
}
