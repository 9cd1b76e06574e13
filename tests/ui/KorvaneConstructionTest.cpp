// La fenêtre principale construit une figure : placer, tracer, modifier, annuler, effacer, mesurer.
#include "support/KorvaneOuverte.h"
#include "support/TableCas.h"
#include "ui/FormAngle.h"
#include "ui/FormChoixPoint.h"

namespace {

constexpr Couleur Témoin{1, 2, 3}; // une marque que seul un redessin efface

// Ici l'élève passe par les dialogues, comme à l'écran.
class KorvaneConstructionTest : public KorvaneOuverte {
protected:
    // Le pointeur passe sur le point de coordonnées (x ; y) du repère, puis le bouton s'enfonce.
    void Presser(double x, double y)
    {
        k.Ecran.MouseMove(0, m.Unité * x, m.Unité * y);
        k.Ecran.MouseDown(1, m.Unité * x, m.Unité * y);
    }

    std::vector<std::string> Historique() const
    {
        std::vector<std::string> entrées;
        for (std::size_t i = 1; i <= m.NbTracés; ++i)
            entrées.push_back(m.Tracés[i]);
        return entrées;
    }

    std::size_t Marques(GenreMarque genre) const { return Compter(genre, m.CouleurTrait); }
};

} // namespace

TEST_F(KorvaneConstructionTest, ChaquePointPlaceSeDessineSeul)
{
    for (const PointPosé& p : TriangleABC.Points) {
        SCOPED_TRACE(p.Nom);
        k.Ecran.PSet(0, 0, Témoin);
        const std::size_t avant = k.Ecran.Marques().size();
        plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
            EXPECT_EQ(d.NomPoint.Caption, p.Nom); // la proposition suit le nombre de points
            Remplir(d, p.Nom, p.X, p.Y);
        });
        k.Cliquer(k.BtonPointCoor);

        // Rien n'est effacé, témoins compris : une seule marque de plus, le point.
        const std::vector<Marque>& après = k.Ecran.Marques();
        ASSERT_EQ(après.size(), avant + 1);
        EXPECT_EQ(après.back().Genre, GenreMarque::Point);
        EXPECT_DOUBLE_EQ(après.back().X1, m.Unité * std::stod(p.X));
        EXPECT_DOUBLE_EQ(après.back().Y1, m.Unité * std::stod(p.Y));
        ASSERT_EQ(k.EtiPoint.size(), std::size_t{m.NbPoints} + 1);
        EXPECT_EQ(k.EtiPoint.back().Caption, p.Nom);
    }
    EXPECT_EQ(k.EtiStatut.Caption, "Figure libre");
}

TEST_F(KorvaneConstructionTest, UnNomPrisOuUnDialogueAnnuleNAjouteRienEtLaPropositionSauteLesNomsPris)
{
    Placer({{"A", "0", "0"}});
    const std::size_t marques = k.Ecran.Marques().size();
    Placer({{"A", "2", "2"}});
    AttendreMessage(plateforme.Journal, "Saisie du nom des points", "Ce point existe déjà");
    plateforme.QuandSOuvre<Coordonnées>([](Coordonnées& d) { d.BtonAnnuler_Click(); });
    k.Cliquer(k.ItemPlacerPt);
    EXPECT_EQ(Historique(), std::vector<std::string>{"Point A"});
    EXPECT_EQ(k.Ecran.Marques().size(), marques);

    // Deux points : « C » est pris, « A » aussi, reste « B ».
    Placer({{"C", "1", "0"}});
    std::string proposé;
    plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
        proposé = d.NomPoint.Caption;
        d.BtonAnnuler_Click();
    });
    k.Cliquer(k.ItemPlacerPt);
    EXPECT_EQ(proposé, "B");
}

// Le dialogue ne garde que les majuscules (et le retour arrière) ; il ne rend que des noms valides, et
// rien quand l'élève le ferme sans valider.
TEST_F(KorvaneConstructionTest, LesSommetsTapesSontFiltresEtRefusesAvantQueLePolygoneSeTraceParDessus)
{
    ASSERT_TRUE(Placer(TriangleABC.Points));
    for (const CasTable& c : LireTableCas("fenetre-sommets.tsv")) {
        SCOPED_TRACE(c.Où);
        std::string tapé = c[0];
        if (const std::size_t i = tapé.find("\\b"); i != std::string::npos)
            tapé.replace(i, 2, "\b");
        plateforme.Journal.Messages.clear();
        const std::size_t marques = k.Ecran.Marques().size();
        plateforme.QuandSOuvre<FormSaisie>([&](FormSaisie& f) {
            Taper(f.TextPolySeg, tapé, [&f](char32_t t) { return f.TextPolySeg_KeyPress(t); });
            EXPECT_EQ(f.TextPolySeg.Caption, c[1]);
            if (c[2] == "ok")
                f.BtonOk_Click();
            else if (c[2] == "annuler")
                f.BtonAnnuler_Click();
        });
        k.Cliquer(k.BtonPolygone);
        if (!c[3].empty())
            AttendreMessage(plateforme.Journal, c[3], c[4]);
        else
            EXPECT_TRUE(plateforme.Journal.Messages.empty());
        EXPECT_EQ(m.ChaîneSommets, c[5]);
        EXPECT_FALSE(m.PolygoneTracé);
        EXPECT_EQ(k.Ecran.Marques().size(), marques);
    }

    const std::size_t avant = k.Ecran.Marques().size();
    ASSERT_TRUE(Tracer({{}, "ABC"})); // les points sont déjà là
    // Trois côtés ajoutés aux marques, sans rien effacer ; le dernier revient au premier sommet.
    const std::vector<Marque>& après = k.Ecran.Marques();
    ASSERT_EQ(après.size(), avant + 3);
    EXPECT_DOUBLE_EQ(après.back().Y1, 3.0 * m.Unité);
    EXPECT_DOUBLE_EQ(après.back().Y2, 0);
}

TEST_F(KorvaneConstructionTest, RenommerUnSommetPuisToutAnnulerEntreeParEntree)
{
    ASSERT_TRUE(Tracer(TriangleABC));
    k.Cliquer(k.BtonModifPoint);
    // Le dialogue rend les coordonnées qu'il a reçues : non préremplies, elles seraient refusées.
    plateforme.QuandSOuvre<Coordonnées>(
        [](Coordonnées& d) { Remplir(d, "Z", d.SaisieX.Caption, d.SaisieY.Caption); });
    Presser(4, 0);
    EXPECT_EQ(Historique(), (std::vector<std::string>{"Point A", "Point Z", "Point C", "Polygone AZC"}));
    EXPECT_EQ(k.EtiPoint[2].Caption, "Z");
    EXPECT_EQ(Marques(GenreMarque::Point), 3u); // redessiné sur un canevas effacé

    // Chaque annulation défait la dernière entrée : le polygone, puis C, Z et A.
    const std::vector<std::string> tout = Historique();
    for (const std::size_t reste : {3u, 2u, 1u, 0u}) {
        SCOPED_TRACE(reste);
        k.Cliquer(k.BtonAnnule);
        EXPECT_EQ(Historique(), std::vector<std::string>(tout.begin(), tout.begin() + reste));
        EXPECT_EQ(Marques(GenreMarque::Point), reste);
        EXPECT_EQ(Marques(GenreMarque::Ligne), 0u);
        EXPECT_EQ(k.EtiPoint.size(), reste + 1);
    }
}

TEST_F(KorvaneConstructionTest, LeSurvolMontreCePointDansLaToleranceEtEchapSuspendLOutil)
{
    Placer({{"A", "2", "1"}});
    const double u = m.Unité;
    const double t = k.Tolérance();
    k.Cliquer(k.BtonModifPoint);
    EXPECT_TRUE(k.Ecran.DemandeFocus); // Échap doit pouvoir y arriver
    // Le décalage depuis le point, en unités du canevas.
    for (const auto& [dx, dy, dessus] : {std::tuple{0.0, 0.0, true}, std::tuple{t - 1, 1 - t, true},
                                         std::tuple{t, 0.0, false}, std::tuple{3 * t, 0.0, false}}) {
        SCOPED_TRACE(testing::Message() << dx << " ; " << dy);
        k.Ecran.MouseMove(0, 2 * u + dx, u + dy);
        EXPECT_EQ(k.EtiX.Visible, dessus);
        EXPECT_EQ(k.Ecran.Cadre.MousePointer, dessus ? Pointeur::Personnalisé : Pointeur::Normal);
        if (dessus) {
            const PointPlan coin = k.Ecran.RepèreCourant().VersTwips({2 * u + 3 * t, u});
            EXPECT_NEAR(k.EtiX.Left, coin.X, 1);
            EXPECT_NEAR(k.EtiX.Top, coin.Y, 1);
        }
    }

    // Échap suspend l'outil jusqu'au prochain armement : le survol n'y montre plus rien.
    char32_t échap = 27;
    k.Ecran.KeyPress(échap);
    EXPECT_TRUE(m.ModeModifPoint);
    Presser(2, 1);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), 1u); // le seul dialogue du placement

    // Réarmé, l'outil reprend ; un dialogue annulé le remet au repos.
    k.Cliquer(k.BtonModifPoint);
    plateforme.QuandSOuvre<Coordonnées>([](Coordonnées& d) { d.BtonAnnuler_Click(); });
    Presser(2, 1);
    EXPECT_FALSE(m.ModeModifPoint);
    EXPECT_EQ(m.Points[1].X, "2");
}

TEST_F(KorvaneConstructionTest, DesPointsConfondusFontChoisirLeurPoint)
{
    Placer({{"A", "1", "1"}, {"B", "1.05", "1"}, {"C", "5", "5"}});
    k.Cliquer(k.BtonModifPoint);
    plateforme.QuandSOuvre<FormChoixPoint>([](FormChoixPoint& f) {
        EXPECT_EQ(f.OptionPoint[2].Caption, "Point B");
        EXPECT_FALSE(f.OptionPoint[3].Visible || f.OptionPoint[4].Visible);
        f.OptionPoint_Click(2);
        f.BtonOk_Click();
    });
    std::string choisi;
    plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
        choisi = d.NomPoint.Caption;
        Remplir(d, "B", "3", "-2");
    });
    Presser(1.02, 1);
    EXPECT_EQ(choisi, "B");
    EXPECT_EQ(m.Points[2].X + " ; " + m.Points[2].Y, "3 ; -2");

    // Renoncer au choix ne modifie rien et laisse l'outil armé.
    Placer({{"D", "5.04", "5"}});
    k.Cliquer(k.BtonModifPoint);
    plateforme.QuandSOuvre<FormChoixPoint>([](FormChoixPoint& f) { f.BtonAnnuler_Click(); });
    Presser(5.02, 5);
    EXPECT_EQ(plateforme.FenêtresOuvertes.back(), GenreFenêtre<FormChoixPoint>());
    EXPECT_TRUE(m.ModeModifPoint);
}

TEST_F(KorvaneConstructionTest, UneModificationRefuseeInchangeeOuDePositionSeule)
{
    ASSERT_TRUE(Placer(TriangleABC.Points));
    for (const CasTable& c : LireTableCas("fenetre-modification.tsv")) {
        SCOPED_TRACE(c.Où + " " + c[0]);
        const bool armé = c[3] == "1";
        plateforme.Journal.Messages.clear();
        m.ModeModifPoint = false;
        k.ItemEnregistrer.Enabled = false;
        k.Cliquer(k.ItemModifierPoint);
        plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
            if (c[2] != "0")
                d.Position_Click(std::stoul(c[2]));
            Remplir(d, c[1], d.SaisieX.Caption, d.SaisieY.Caption);
        });
        k.Ecran.PSet(0, 0, Témoin);
        Presser(0, 3);
        if (armé)
            AttendreMessage(plateforme.Journal, "Saisie du nom des points", "Le point A existe déjà");
        else
            EXPECT_TRUE(plateforme.Journal.Messages.empty());
        EXPECT_EQ(m.ModeModifPoint, armé);
        EXPECT_EQ(m.ModeChoixPoint, armé ? 1 : 0);
        EXPECT_EQ(k.ItemEnregistrer.Enabled, c[4] == "1");
        EXPECT_NE(k.Ecran.Marques().back().Teinte == Témoin, c[4] == "1");
        EXPECT_EQ(m.Points[3].Nom, "C");
        EXPECT_EQ(m.Points[3].Position, std::stoi(c[5]));
    }
}

TEST_F(KorvaneConstructionTest, LesMesuresSOuvrentPuisToutEffacerVideLaFigure)
{
    ASSERT_TRUE(Tracer(TriangleABC));
    for (const Contrôle* c : {&k.BtonLong, &k.ItemLong, &k.BtonAngle, &k.ItemAngle}) {
        SCOPED_TRACE(c->ToolTipText + c->Caption);
        m.ModeChoixPoint = 1;
        k.Cliquer(*c);
        const bool longueurs = c == &k.BtonLong || c == &k.ItemLong;
        EXPECT_EQ(plateforme.FenêtresOuvertes.back(),
                  longueurs ? GenreFenêtre<FormLong>() : GenreFenêtre<FormAngle>());
        EXPECT_EQ(m.ModeChoixPoint, 0);
    }
    k.Cliquer(k.BtonEfface);
    EXPECT_EQ(m.NbTracés, 0);
    EXPECT_EQ(k.EtiPoint.size(), 1u);
    EXPECT_EQ(Marques(GenreMarque::Point) + Marques(GenreMarque::Ligne), 0u);
    EXPECT_FALSE(k.Ecran.Marques().empty()); // le repère reste
}
