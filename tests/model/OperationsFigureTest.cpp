#include "model/OperationsFigure.h"

#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class FenêtreEnregistrée : public FenêtreFigure {
public:
    void DétruireÉtiquettePoint(std::size_t n) override { ÉtiquettesDétruites.push_back(n); }
    void FermerFigure() override { ++Fermetures; }

    std::vector<std::size_t> ÉtiquettesDétruites;
    int Fermetures = 0;
};

class OpérationsFigureTest : public ::testing::Test {
protected:
    Modulebas m;
    MessagerieEnregistrée messagerie;
    FenêtreEnregistrée fenêtre;
    OpérationsFigure figure{m, messagerie, fenêtre};

    bool Placer(const std::string& nom, const std::string& x = "0", const std::string& y = "0",
                std::uint8_t position = 1)
    {
        m.NomSaisi = nom;
        m.XSaisi = x;
        m.YSaisi = y;
        m.PositionSaisie = position;
        return figure.AjouterPoint();
    }

    void PlacerPoints(const std::string& noms)
    {
        for (char nom : noms)
            ASSERT_TRUE(Placer(std::string(1, nom)));
    }

    bool Tracer(const std::string& noms)
    {
        m.ChaîneSommets = noms;
        if (!figure.VérifierSommets())
            return false;
        figure.AjouterPolygone();
        return true;
    }

    RésultatModification Modifier(std::uint8_t n, const std::string& nom, const std::string& x,
                                  const std::string& y, std::uint8_t position)
    {
        m.NumPointModif = n;
        m.NomSaisi = nom;
        m.XSaisi = x;
        m.YSaisi = y;
        m.PositionSaisie = position;
        return figure.ModifierPoint();
    }

    std::vector<std::string> Historique() const
    {
        std::vector<std::string> entrées;
        for (std::size_t i = 1; i <= m.NbTracés; ++i)
            entrées.push_back(m.Tracés[i]);
        return entrées;
    }
};

using Entrées = std::vector<std::string>;

} // namespace

TEST_F(OpérationsFigureTest, NomProposeSuitLesPointsEtSeRabatSurLesPremieresLettres)
{
    PlacerPoints("ABC");
    EXPECT_EQ(figure.NomParDéfaut(), "D");

    Modulebas autre;
    OpérationsFigure figureBC{autre, messagerie, fenêtre};
    autre.NbPoints = 2;
    autre.Points[1].Nom = "B";
    autre.Points[2].Nom = "C";
    EXPECT_EQ(figureBC.NomParDéfaut(), "A");
}

TEST_F(OpérationsFigureTest, NomProposeToujoursAffichable)
{
    // Le 63e point tomberait sur le code 127, le 250e sur le code 314 : on propose une lettre libre.
    struct Cas {
        std::size_t nbPoints;
        std::string attendu;
    };
    // Le code 128 est « € » en Windows-1252 : il s'affiche, on le garde.
    for (const Cas& cas : {Cas{62, "a"}, Cas{191, "a"}, Cas{249, "a"}, Cas{63, "\u20AC"}}) {
        SCOPED_TRACE(cas.nbPoints);
        Modulebas grand;
        grand.Points.Redimensionner(LimitePoints);
        grand.NbPoints = static_cast<std::uint8_t>(cas.nbPoints);
        for (std::size_t i = 1; i <= cas.nbPoints; ++i)
            grand.Points[i].Nom =
                i <= 26 ? std::string(1, static_cast<char>('A' + i - 1)) : "#" + std::to_string(i);
        OpérationsFigure opérations{grand, messagerie, fenêtre};
        EXPECT_EQ(opérations.NomParDéfaut(), cas.attendu);
    }

    Modulebas plein;
    plein.Points.Redimensionner(LimitePoints);
    plein.NbPoints = 62;
    for (std::size_t i = 1; i <= 62; ++i)
        plein.Points[i].Nom = i <= 52
                                  ? std::string(1, static_cast<char>(i <= 26 ? 'A' + i - 1 : 'a' + i - 27))
                                  : "#" + std::to_string(i);
    OpérationsFigure opérations{plein, messagerie, fenêtre};
    EXPECT_EQ(opérations.NomParDéfaut(), "");
}

TEST_F(OpérationsFigureTest, AjouterUnPointRemplitLePointEtLHistorique)
{
    ASSERT_TRUE(Placer("A", "2,5", "RAC(2)", 3));
    EXPECT_EQ(m.NbPoints, 1);
    EXPECT_EQ(m.Points[1], (PointFig{"2,5", "RAC(2)", "A", 3, false}));
    EXPECT_EQ(Historique(), (Entrées{"Point A"}));

    EXPECT_FALSE(Placer("A"));
    AttendreMessage(messagerie, "Saisie du nom des points", "Ce point existe déjà");
    EXPECT_EQ(m.NbPoints, 1);
    EXPECT_EQ(m.NbTracés, 1);
}

TEST_F(OpérationsFigureTest, LesTableauxGrandissentParDixEnGardantLeurContenu)
{
    PlacerPoints("ABCDEFGHIJK");
    EXPECT_EQ(m.Points.Dimension(), 20u);
    EXPECT_EQ(m.TabLongueurs.size(), 21u);
    EXPECT_EQ(m.Points[10].Nom, "J");
    EXPECT_EQ(m.Tracés[10], "Point J");
}

TEST_F(OpérationsFigureTest, DeuxCentCinquantePointsAuPlusSansDebordement)
{
    for (int i = 0; i < 250; ++i)
        ASSERT_TRUE(Placer("#" + std::to_string(i))) << i;
    EXPECT_EQ(m.CapPoints(), 250u);
    EXPECT_EQ(m.CapTracés(), 260u);
    EXPECT_EQ(m.Tracés[250], "Point #249");

    EXPECT_FALSE(Placer("Z"));
    AttendreMessage(messagerie, "Analyse Figure",
                    "La limite supérieure est atteinte, on ne peut plus construire de point.");
    EXPECT_EQ(m.NbPoints, 250);
}

TEST_F(OpérationsFigureTest, LimiteDUneFigureDemandee)
{
    m.CibleEnCours = true;
    m.NbPointsMax = 3;
    PlacerPoints("ABC");
    EXPECT_FALSE(figure.PeutPlacerPoint());
    AttendreMessage(messagerie, "Analyse Figure", "La figure demandée ne nécessite pas d'autres points.");
}

TEST_F(OpérationsFigureTest, SommetsVerifiesEtCopies)
{
    PlacerPoints("ABC");
    EXPECT_FALSE(Tracer("ABX"));
    AttendreMessage(messagerie, "Analyse de la figure", "Le point X n'existe pas");
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_EQ(m.NbTracés, 3);

    ASSERT_TRUE(Tracer("CAB"));
    EXPECT_TRUE(m.PolygoneTracé);
    EXPECT_EQ(m.NbSommets, 3);
    EXPECT_EQ(m.Sommets[1].Nom, "C");
    EXPECT_EQ(m.Sommets[3].Nom, "B");
    EXPECT_EQ(Historique(), (Entrées{"Point A", "Point B", "Point C", "Polygone CAB"}));
}

TEST_F(OpérationsFigureTest, UnLongPolygoneAgranditSommets)
{
    PlacerPoints("ABCDEFGHIJKL");
    ASSERT_TRUE(Tracer("ABCDEFGHIJKL"));
    EXPECT_EQ(m.CapSommets(), 15u);
    EXPECT_EQ(m.Sommets[12].Nom, "L");
}

TEST_F(OpérationsFigureTest, RenommerReecritLHistoriqueEtLesSommets)
{
    PlacerPoints("ABC");
    ASSERT_TRUE(Tracer("ABC"));
    EXPECT_EQ(Modifier(2, "Z", "4", "1", 1), RésultatModification::Modifié);
    EXPECT_EQ(Historique(), (Entrées{"Point A", "Point Z", "Point C", "Polygone AZC"}));
    EXPECT_EQ(m.Points[2], (PointFig{"4", "1", "Z", 1, false}));
    EXPECT_EQ(m.Sommets[2].Nom, "Z");
    EXPECT_EQ(m.Sommets[2].X, "4");

    EXPECT_EQ(Modifier(3, "A", "0", "0", 1), RésultatModification::Refusé);
    AttendreMessage(messagerie, "Saisie du nom des points", "Le point A existe déjà");
    EXPECT_EQ(m.Points[3].Nom, "C");

    // Seule la position change : le point est modifié, l'historique reste.
    EXPECT_EQ(Modifier(1, "A", "0", "0", 1), RésultatModification::Inchangé);
    EXPECT_EQ(Modifier(1, "A", "0", "0", 4), RésultatModification::Modifié);
    EXPECT_EQ(m.Points[1].Position, 4);
    EXPECT_EQ(Historique(), (Entrées{"Point A", "Point Z", "Point C", "Polygone AZC"}));
}

TEST_F(OpérationsFigureTest, RenommerNeTouchePasAuxMotsCles)
{
    // Un point « e » ou « o » ne doit pas abîmer « Polygone » ni « Point ».
    PlacerPoints("ABC");
    ASSERT_TRUE(Placer("e"));
    ASSERT_TRUE(Placer("o"));
    ASSERT_TRUE(Tracer("ABC"));
    EXPECT_EQ(Modifier(4, "X", "0", "0", 1), RésultatModification::Modifié);
    EXPECT_EQ(Modifier(5, "Y", "0", "0", 1), RésultatModification::Modifié);
    EXPECT_EQ(Historique(), (Entrées{"Point A", "Point B", "Point C", "Point X", "Point Y", "Polygone ABC"}));
}

TEST_F(OpérationsFigureTest, AnnulerRetireUneEntreeALaFois)
{
    PlacerPoints("ABC");
    ASSERT_TRUE(Tracer("ABC"));

    figure.AnnulerTracé();
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_EQ(m.NbPoints, 3);
    EXPECT_EQ(Historique(), (Entrées{"Point A", "Point B", "Point C"}));

    figure.AnnulerTracé();
    EXPECT_EQ(m.NbPoints, 2);
    EXPECT_EQ(Historique(), (Entrées{"Point A", "Point B"}));
    figure.AnnulerTracé();
    figure.AnnulerTracé();
    EXPECT_EQ(m.NbPoints, 0);
    EXPECT_EQ(m.NbTracés, 0);
    EXPECT_EQ(fenêtre.ÉtiquettesDétruites, (std::vector<std::size_t>{3, 2, 1}));
    EXPECT_EQ(m.PositionSuivante, 1);
    EXPECT_EQ(m.PositionSaisie, 0);

    figure.AnnulerTracé();
    EXPECT_EQ(m.NbTracés, 0);
    EXPECT_EQ(fenêtre.Fermetures, 0);
}

TEST_F(OpérationsFigureTest, ViderFermeLaFigureDUnFichier)
{
    PlacerPoints("AB");
    m.ModeFichier = true;
    m.NbPointsMax = 2;
    figure.ViderFigure();
    EXPECT_EQ(m.NbPoints, 0);
    EXPECT_EQ(m.NbTracés, 0);
    EXPECT_EQ(m.NbPointsMax, 250);
    EXPECT_EQ(fenêtre.ÉtiquettesDétruites, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(fenêtre.Fermetures, 1);

    PlacerPoints("C");
    m.ModeFichier = true;
    figure.AnnulerTracé();
    EXPECT_EQ(fenêtre.Fermetures, 2);
}
