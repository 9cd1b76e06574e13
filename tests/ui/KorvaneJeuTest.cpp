// Le jeu des cibles joué dans la fenêtre principale : Analyse, choix, abandon, note finale, réinitialisation.
#include "PartieKorvane.h"

#include "game/JeuCibles.h"

namespace {

constexpr const char* TitreFin = "Fin de la construction de figures";

std::vector<std::string> TextesFinaux(const std::vector<TexteMontré>& textes)
{
    std::vector<std::string> finaux;
    for (const TexteMontré& t : textes)
        if (t.Titre == TitreFin)
            finaux.push_back(t.Texte);
    return finaux;
}

} // namespace

TEST_F(PartieKorvane, HorsCibleLAnalyseNeMontreQueLaPhraseSuivieDUnPoint)
{
    ASSERT_TRUE(Tracer(FiguresRéussies()[9]));
    Analyser();
    ASSERT_EQ(plateforme.Textes.size(), 1u);
    EXPECT_EQ(plateforme.Textes[0], (TexteMontré{"Analyse de la figure", "ABCD est un carré.", ""}));
    EXPECT_EQ(k.EtiScore.Caption, "Score :  0/ 0");
    EXPECT_EQ(m.NbPoints, 4) << "hors cible, la figure reste";
    EXPECT_TRUE(k.BtonVelmor.Visible);

    // Un analyseur neuf à chaque appui : la figure suivante est jugée pour elle-même.
    k.Cliquer(k.BtonEfface);
    ASSERT_TRUE(Tracer(FiguresRéussies()[0]));
    Analyser();
    ASSERT_EQ(plateforme.Textes.size(), 2u);
    EXPECT_EQ(plateforme.Textes[1].Texte, "ABC est un triangle rectangle.");
}

TEST_F(PartieKorvane, LeChoixConfirmeEngageLaCibleEtLAnnulationNeMetRienEnJeu)
{
    Choisir(3, false);
    EXPECT_FALSE(m.CibleEnCours);
    EXPECT_EQ(m.ScoreMax, 0);
    EXPECT_TRUE(k.LabTypeFig[3].Enabled);
    EXPECT_EQ(k.LabTypeFig[3].BackColor, CouleurPanneau);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
    EXPECT_FALSE(k.BtonAbandon.Visible || k.ShapeScore.Visible);

    Choisir(3);
    ASSERT_EQ(plateforme.Textes.size(), 2u);
    EXPECT_EQ(plateforme.Textes[1],
              (TexteMontré{"Choix de la figure", "Construction d'un trapèze isocèle non rectangle", ""}));
    EXPECT_TRUE(m.CibleEnCours);
    EXPECT_EQ(k.EtiStatut.Caption, "Trace un trapèze isocèle dans le repère");
    EXPECT_EQ(k.EtiScore.Caption, "Score :  0/ 2");
    EXPECT_TRUE(k.ShapeScore.Visible && k.BtonAbandon.Visible && k.BtonVelmor.Visible);
    EXPECT_FALSE(k.BtonVelmor.Enabled) << "pas d'Analyse avant le polygone";
    EXPECT_FALSE(k.LabTypeFig[3].Enabled);
    EXPECT_EQ(k.LabTypeFig[3].BackColor, CouleurBordure);
    EXPECT_EQ(k.ShapeTypeFig2[3].BackColor, CouleurBordure);
    EXPECT_FALSE(k.SousMenuConstructions.Enabled || k.ItemOuvrirFig.Enabled);

    // Une autre ligne ne se choisit pas pendant la cible ; la ligne jouée, plus de toute la partie.
    k.CliquerÉlément(k.LabTypeFig, 5);
    k.Cliquer(k.BtonAbandon);
    k.CliquerÉlément(k.LabTypeFig, 3);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), 2u);
    EXPECT_EQ(m.ScoreMax, 2);
}

TEST_F(PartieKorvane, LeSurvolEclaireUneLigneEtLeFondDeLaFenetreLEteint)
{
    k.SurvolerÉlément(k.LabTypeFig, 2);
    k.SurvolerÉlément(k.LabTypeFig, 4);
    for (std::size_t i = 0; i < NbCibles; ++i) {
        SCOPED_TRACE(i);
        const Couleur attendue = i == 4 ? CouleurBordure : CouleurPanneau;
        EXPECT_EQ(k.LabTypeFig[i].BackColor, attendue);
        EXPECT_EQ(k.ShapeTypeFig1[i].BackColor, attendue);
    }
    EXPECT_EQ(k.LabTypeFig[4].MousePointer, Pointeur::Personnalisé);
    k.Form_MouseMove();
    EXPECT_EQ(k.LabTypeFig[4].BackColor, CouleurPanneau);

    // Pendant une cible, le survol ne change plus rien.
    Choisir(1);
    k.SurvolerÉlément(k.LabTypeFig, 6);
    EXPECT_EQ(k.LabTypeFig[6].BackColor, CouleurPanneau);
    EXPECT_EQ(k.LabTypeFig[6].MousePointer, Pointeur::Normal);
    EXPECT_EQ(k.LabTypeFig[1].BackColor, CouleurBordure);
}

TEST_F(PartieKorvane, LaCibleLimiteLesPointsASesSommets)
{
    for (std::size_t cible : {0u, 1u, 2u, 9u}) {
        SCOPED_TRACE(cible);
        const std::size_t sommets = cible < 2 ? 3 : 4;
        Choisir(cible);
        EXPECT_EQ(m.NbPointsMax, sommets);
        FigureTracée trop{
            {{"A", "0", "0"}, {"B", "1", "0"}, {"C", "0", "1"}, {"D", "1", "1"}, {"E", "2", "2"}}, ""};
        trop.Points.resize(sommets + 1);
        plateforme.Journal.Messages.clear();
        EXPECT_FALSE(Tracer(trop));
        EXPECT_EQ(m.NbPoints, sommets);
        AttendreMessage(plateforme.Journal, "Analyse Figure",
                        "La figure demandée ne nécessite pas d'autres points.");
        k.Cliquer(k.BtonAbandon);
        EXPECT_EQ(m.NbPoints, 0) << "l'abandon efface la figure";
        EXPECT_EQ(m.NbPointsMax, m.CapPoints()) << "le dessin libre reprend sa limite";
    }
}

TEST_F(PartieKorvane, LeVerdictExpliqueLaFigureTracee)
{
    const FigureTracée losange = FiguresRéussies()[7];
    const FigureTracée carré = FiguresRéussies()[9];
    struct Cas {
        const char* nom;
        std::size_t cible;
        const FigureTracée& figure;
        TexteMontré attendu;
    };
    const Cas cas[] = {
        {"losange pour un parallélogramme pas un rectangle",
         5,
         losange,
         {"Analyse de la figure", "ABCD est un losange donc bien un parallélogramme pas un rectangle.",
          "   Bravo !"}},
        {"losange pour un trapèze isocèle non rectangle",
         3,
         losange,
         {"Analyse de la figure", "ABCD est un losange donc bien un trapèze isocèle non rectangle.",
          "   Bravo !"}},
        {"parallélogramme pour un trapèze non isocèle",
         2,
         FiguresRéussies()[5],
         {"Analyse de la figure",
          "ABCD est un parallélogramme mais on demande un trapèze qui ne soit pas isocèle (donc pas un "
          "parallélogramme).",
          ""}},
        {"carré pour un trapèze isocèle non rectangle",
         3,
         carré,
         {"Analyse de la figure",
          "ABCD est un carré mais on demande un trapèze isocèle qui ne soit pas rectangle (donc pas un "
          "carré).",
          ""}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        k.ItemRéinitialiser_Click();
        plateforme.Textes.clear();
        Choisir(c.cible);
        ASSERT_TRUE(Tracer(c.figure));
        Analyser();
        ASSERT_GE(plateforme.Textes.size(), 2u);
        EXPECT_EQ(plateforme.Textes[1], c.attendu);
        const bool réussie = !c.attendu.Consigne.empty();
        EXPECT_EQ(m.Score, réussie ? 2 : 0);
        EXPECT_EQ(k.EtiScore.Caption, réussie ? "Score :  2/ 2" : "Score :  0/ 2");
        // Un échec garde la cible et la figure, pour la corriger ; un succès efface tout.
        EXPECT_EQ(m.CibleEnCours, !réussie);
        EXPECT_EQ(m.NbPoints, réussie ? 0 : 4);
        EXPECT_EQ(k.BtonVelmor.Visible, !réussie);
        EXPECT_EQ(k.BtonAbandon.Visible, !réussie);
        EXPECT_EQ(k.EtiStatut.Caption,
                  réussie ? StatutChoix
                          : "Trace un " + std::string(c.cible == 2 ? "trapèze" : "trapèze isocèle") +
                                " dans le repère");
        EXPECT_TRUE(k.SousMenuConstructions.Enabled == réussie);
    }
}

TEST_F(PartieKorvane, LaNoteFinaleSuitLesSuccesDeLaPartie)
{
    struct Cas {
        const char* coups; // R réussite, A abandon, une lettre par cible
        std::uint8_t score;
        const char* mention;
        std::vector<std::string> finaux;
    };
    const std::vector<Cas> cas = {
        {"RRARRRRARR", 16, "Bien", {"Bien, presque toutes les figures ont été construites avec succès !"}},
        {"AAAAAAAAAA",
         0,
         "Aucun résultat",
         {"Insuffisant, trop peu de figures ont été construites avec succès !",
          "Aucune figure construite avec succès !"}},
        {"RRRRRRRRRR",
         20,
         "Excellent !",
         {"Excellent, toutes les figures ont été construites avec succès !"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.coups);
        k.ItemRéinitialiser_Click();
        plateforme.Textes.clear();
        for (std::size_t cible = 0; cible < NbCibles; ++cible) {
            if (c.coups[cible] == 'A')
                Abandonner(cible);
            else
                Réussir(cible);
        }
        EXPECT_EQ(m.Score, c.score);
        EXPECT_EQ(m.ScoreMax, 20);
        EXPECT_EQ(m.Mention, c.mention);
        EXPECT_EQ(TextesFinaux(plateforme.Textes), c.finaux);
        EXPECT_EQ(k.EtiScore.Caption, "Score :  " + std::to_string(c.score) + "/ 20");
        EXPECT_EQ(k.EtiStatut.Caption, StatutFinDuJeu);
        EXPECT_FALSE(k.BtonVelmor.Visible || k.BtonAbandon.Visible);
        for (std::size_t i = 0; i < NbCibles; ++i) {
            SCOPED_TRACE(i);
            EXPECT_FALSE(k.LabTypeFig[i].Enabled);
            EXPECT_EQ(k.LabTypeFig[i].BackColor, CouleurPanneau);
        }
        // Chaque analyse réussie a dit « Bravo ! » ; les fenêtres de bonus et de fin ne le disent pas.
        for (const TexteMontré& t : plateforme.Textes) {
            SCOPED_TRACE(t.Texte);
            EXPECT_EQ(t.Consigne.empty(), t.Titre != "Analyse de la figure");
        }
    }
    // La partie parfaite, jouée en dernier : les deux premières, puis deux séries de quatre.
    EXPECT_EQ(m.Bonus, 3);
    EXPECT_EQ(k.EtiBonus.Caption, "Bonus : 3");
}

TEST_F(PartieKorvane, LesBonusRecompensentLesSeriesQuUnEchecRemetAZero)
{
    const auto bonus = [&](std::size_t début) {
        std::vector<std::string> textes;
        for (std::size_t i = début; i < plateforme.Textes.size(); ++i)
            if (plateforme.Textes[i].Titre == "Construction de Figures")
                textes.push_back(plateforme.Textes[i].Texte);
        return textes;
    };
    struct Cas {
        const char* nom;
        std::vector<char> coups; // R réussite, E échec puis réussite, A abandon
        std::vector<std::string> bonus;
        std::string etiBonus;
    };
    const std::vector<Cas> cas = {
        {"les deux premières", {'R', 'R'}, {"Un petit Bonus : + 1"}, "Bonus : 1"},
        {"puis quatre de suite",
         {'R', 'R', 'R', 'R', 'R', 'R'},
         {"Un petit Bonus : + 1", "Encore un petit Bonus : + 1"},
         "Bonus : 2"},
        {"un échec rompt la série", {'R', 'E', 'R', 'R'}, {}, "Bonus :  0"},
        {"la série reprend après l'échec",
         {'R', 'E', 'R', 'R', 'R'},
         {"Encore un petit Bonus : + 1"},
         "Bonus : 1"},
        {"un abandon ne rompt pas la série",
         {'R', 'R', 'R', 'A', 'R', 'R', 'R'},
         {"Un petit Bonus : + 1", "Encore un petit Bonus : + 1"},
         "Bonus : 2"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        k.ItemRéinitialiser_Click();
        const std::size_t début = plateforme.Textes.size();
        for (std::size_t cible = 0; cible < c.coups.size(); ++cible) {
            if (c.coups[cible] == 'A') {
                Abandonner(cible);
                continue;
            }
            if (c.coups[cible] == 'E') {
                Choisir(cible);
                ASSERT_TRUE(Tracer(FiguresRéussies()[cible == 0 ? 1 : 0]));
                Analyser();
                EXPECT_EQ(m.SérieRéussites, 0);
                k.Cliquer(k.BtonEfface);
                ASSERT_TRUE(Tracer(FiguresRéussies()[cible]));
                Analyser();
                continue;
            }
            Réussir(cible);
        }
        EXPECT_EQ(bonus(début), c.bonus);
        EXPECT_EQ(k.EtiBonus.Caption, c.etiBonus);
    }
}

TEST_F(PartieKorvane, ApresLaFinLaReinitialisationRevientAuChoixSansRemontrerLaNote)
{
    for (std::size_t cible = 0; cible < NbCibles; ++cible)
        Réussir(cible);
    const std::size_t fenêtres = plateforme.FenêtresOuvertes.size();

    k.Cliquer(k.ItemRéinitialiser);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), fenêtres);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);
    EXPECT_EQ(m.Score, 0);
    EXPECT_EQ(m.ScoreMax, 0);
    EXPECT_EQ(m.Bonus, 0);
    EXPECT_EQ(k.EtiScore.Caption, "Score :  0/ 0");
    EXPECT_EQ(k.EtiBonus.Caption, "Bonus :  0");
    EXPECT_FALSE(k.ShapeScore.Visible);
    EXPECT_TRUE(k.ItemOuvrirFig.Enabled && k.SousMenuConstructions.Enabled);
    for (std::size_t i = 0; i < NbCibles; ++i)
        EXPECT_TRUE(k.LabTypeFig[i].Enabled) << i;

    // Une nouvelle partie commence.
    Réussir(9);
    EXPECT_EQ(m.Score, 2);
    EXPECT_EQ(m.Mention, "Bon début !");
}

TEST_F(PartieKorvane, LaReinitialisationPendantUneCibleLAbandonneSansCompterSesPoints)
{
    Choisir(4);
    ASSERT_TRUE(Tracer(FiguresRéussies()[4]));
    k.Cliquer(k.ItemRéinitialiser);
    EXPECT_FALSE(m.CibleEnCours);
    EXPECT_EQ(m.ScoreMax, 0);
    EXPECT_EQ(m.NbPoints, 0);
    EXPECT_FALSE(k.BtonAbandon.Visible || k.BtonVelmor.Visible);
    EXPECT_TRUE(k.LabTypeFig[4].Enabled);
    EXPECT_EQ(m.NbPointsMax, m.CapPoints());
}
