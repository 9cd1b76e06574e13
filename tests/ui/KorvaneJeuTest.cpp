// Le jeu des cibles joué dans la fenêtre principale : choix, verdict, parties entières, réinitialisation.
#include "PartieKorvane.h"

#include "game/AnalyseFigure.h"
#include "game/Mention.h"
#include "support/TableCas.h"

TEST_F(PartieKorvane, HorsCibleLAnalyseNeMontreQueLaPhraseSuivieDUnPoint)
{
    // Les sommets sont pris dans l'ordre du polygone tracé.
    Soumettre({FiguresRéussies()[9].Points, "ACBD"});
    // Un analyseur neuf à chaque appui : la figure suivante est jugée pour elle-même.
    Soumettre(FiguresRéussies()[0]);
    EXPECT_EQ(plateforme.Textes,
              (std::vector<TexteMontré>{{TitreAnalyse, "ACBD est un quadrilatère croisé.", ""},
                                        {TitreAnalyse, "ABC est un triangle rectangle.", ""}}));
}

TEST_F(PartieKorvane, LeChoixConfirmeEngageLaCibleEtLAnnulationNeMetRienEnJeu)
{
    // La ligne survolée s'éteint dès le clic, même si l'élève annule.
    k.SurvolerÉlément(k.LabTypeFig, 0);
    Choisir(3, false);
    EXPECT_EQ(k.LabTypeFig[0].BackColor, CouleurPanneau);
    EXPECT_FALSE(m.CibleEnCours || k.BtonAbandon.Visible || k.ShapeScore.Visible);

    Choisir(3);
    EXPECT_EQ(plateforme.Textes.back(),
              (TexteMontré{"Choix de la figure", "Construction d'un trapèze isocèle non rectangle", ""}));
    EXPECT_EQ(k.EtiStatut.Caption, "Trace un trapèze isocèle dans le repère");
    EXPECT_TRUE(k.ShapeScore.Visible);
    EXPECT_EQ(k.ShapeTypeFig2[3].BackColor, CouleurBordure);

    // Une autre ligne ne se choisit pas pendant la cible ; la ligne jouée, plus de toute la partie.
    k.CliquerÉlément(k.LabTypeFig, 5);
    k.Cliquer(k.BtonAbandon);
    k.CliquerÉlément(k.LabTypeFig, 3);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), 2u);
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
    EXPECT_EQ(k.LabTypeFig[1].BackColor, CouleurBordure);

    // Une figure lue d'un fichier suspend aussi le choix.
    k.Cliquer(k.BtonAbandon);
    k.OuvrirFichierFigure(CheminDonnées("triangle-rectangle.lum"));
    const std::size_t fenêtres = plateforme.FenêtresOuvertes.size();
    k.SurvolerÉlément(k.LabTypeFig, 6);
    k.CliquerÉlément(k.LabTypeFig, 6);
    EXPECT_EQ(k.LabTypeFig[6].BackColor, CouleurPanneau);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), fenêtres);
}

TEST_F(PartieKorvane, UneCibleFinitAtteinteAbandonneeOuReinitialiseeEtUnEchecLaGarde)
{
    // La figure tracée puis le contrôle cliqué. Un échec garde la cible et la figure, pour la corriger ;
    // l'abandon compte les points mis en jeu ; la réinitialisation les oublie et rend la ligne.
    const struct {
        std::size_t cible;
        FigureTracée figure;
        Contrôle& fin;
        const char* score;
    } cas[] = {{5, FiguresRéussies()[7], k.BtonVelmor, "Score :  2/ 2"},
               {3, FiguresRéussies()[9], k.BtonVelmor, "Score :  0/ 2"},
               {1, TriangleABC, k.BtonAbandon, "Score :  0/ 2"},
               {2, TriangleABC, k.ItemRéinitialiser, "Score :  0/ 0"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cible);
        k.Cliquer(k.ItemRéinitialiser);
        Choisir(c.cible);
        const std::string statut = k.EtiStatut.Caption;
        const std::size_t sommets = TableCibles[c.cible].NbSommets;
        EXPECT_EQ(m.NbPointsMax, sommets);
        ASSERT_TRUE(Tracer(c.figure));
        k.Cliquer(c.fin);
        EXPECT_EQ(k.EtiScore.Caption, c.score);
        const bool gardée = c.cible == 3; // le carré n'est pas un trapèze isocèle non rectangle
        EXPECT_EQ(m.CibleEnCours, gardée);
        EXPECT_EQ(std::pair(k.BtonVelmor.Visible, k.BtonAbandon.Visible), std::pair(gardée, gardée));
        EXPECT_EQ(m.NbPoints, gardée ? sommets : 0);
        EXPECT_EQ(m.NbPointsMax, gardée ? sommets : m.CapPoints()) << "le dessin libre reprend sa limite";
        EXPECT_EQ(k.EtiStatut.Caption, gardée ? statut : StatutChoix);
        EXPECT_EQ(k.LabTypeFig[c.cible].Enabled, &c.fin == &k.ItemRéinitialiser);
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
    EXPECT_EQ(k.LabTypeFig[9].BackColor, CouleurPanneau) << "la dernière ligne jouée s'éteint";
    const std::size_t fenêtres = plateforme.FenêtresOuvertes.size();

    k.Cliquer(k.ItemRéinitialiser);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), fenêtres);
    EXPECT_FALSE(k.ShapeScore.Visible);
}
