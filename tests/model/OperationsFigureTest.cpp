// Ce que seul le modèle atteint : la fenêtre teste placer, tracer, renommer, annuler et effacer.
#include "model/OperationsFigure.h"

#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class FenêtreEnregistrée : public FenêtreFigure {
public:
    void DétruireÉtiquettePoint(std::size_t) override {}
    void FermerFigure() override { ++Fermetures; }
    int Fermetures = 0;
};

class OpérationsFigureTest : public ::testing::Test {
protected:
    Modulebas m;
    MessagerieEnregistrée messagerie;
    FenêtreEnregistrée fenêtre;
    OpérationsFigure figure{m, messagerie, fenêtre};

    void Saisir(const std::string& nom, const std::string& x = "0", const std::string& y = "0")
    {
        m.NomSaisi = nom;
        m.XSaisi = x;
        m.YSaisi = y;
        m.PositionSaisie = 1;
    }
    bool Placer(const std::string& nom)
    {
        Saisir(nom);
        return figure.AjouterPoint();
    }
    void Tracer(const std::string& noms)
    {
        for (char nom : noms) {
            if (figure.ChercherPoint(std::string(1, nom)) == 0) {
                ASSERT_TRUE(Placer(std::string(1, nom)));
            }
        }
        m.ChaîneSommets = noms;
        ASSERT_TRUE(figure.VérifierSommets() && figure.AjouterPolygone());
    }
};

} // namespace

// Le 63e point tomberait sur le code 127, le 250e sur le code 314 : on propose une lettre affichable. Les
// points portent les `lettres` premières de A-Z puis a-z, puis des noms qui ne sont pas des lettres.
TEST_F(OpérationsFigureTest, LeNomProposeEstToujoursAffichable)
{
    // Le code 128 est « € » en Windows-1252 : il s'affiche, on le garde. Toutes les lettres prises : rien.
    const std::tuple<std::size_t, std::size_t, std::string> cas[] = {
        {62, 26, "a"}, {191, 26, "a"}, {249, 26, "a"}, {63, 26, "\u20AC"}, {62, 52, ""}};
    for (const auto& [nbPoints, lettres, attendu] : cas) {
        SCOPED_TRACE(nbPoints);
        Modulebas grand;
        grand.Points.Redimensionner(LimitePoints);
        grand.NbPoints = static_cast<std::uint8_t>(nbPoints);
        for (std::size_t i = 1; i <= nbPoints; ++i)
            grand.Points[i].Nom =
                i > lettres ? "#" + std::to_string(i)
                            : std::string(1, static_cast<char>(i <= 26 ? 'A' + i - 1 : 'a' + i - 27));
        EXPECT_EQ((OpérationsFigure{grand, messagerie, fenêtre}.NomParDéfaut()), attendu);
    }
}

TEST_F(OpérationsFigureTest, LesCapacitesGrandissentParDixJusquAuxLimites)
{
    Tracer("ABCDEFGHIJKL");
    EXPECT_EQ(m.TabLongueurs.size(), 21u);
    for (int i = 12; i < 250; ++i)
        ASSERT_TRUE(Placer("#" + std::to_string(i))) << i;
    EXPECT_EQ(m.Tracés[251], "Point #249");
    EXPECT_FALSE(Placer("Z"));
    AttendreMessage(messagerie, "Analyse Figure",
                    "La limite supérieure est atteinte, on ne peut plus construire de point.");
    // L'historique plein refuse aussi un polygone, que la fenêtre ne demande alors plus.
    messagerie.Messages.clear();
    while (m.NbTracés < LimiteTracés) {
        ASSERT_TRUE(figure.AjouterPolygone());
    }
    EXPECT_FALSE(figure.AjouterPolygone());
    EXPECT_EQ(messagerie.Messages.size(), 1u);
}

TEST_F(OpérationsFigureTest, ModifierReecritLesNomsSansToucherAuxMotsClesNiAuxAutresCoordonnees)
{
    // Un point « e » ou « o » ne doit pas abîmer « Polygone » ni « Point ».
    for (const char* nom : {"A", "B", "C", "e", "o"})
        ASSERT_TRUE(Placer(nom));
    Tracer("ABC");
    for (const auto& [n, nom] : {std::pair{4, "X"}, std::pair{5, "Y"}}) {
        m.NumPointModif = static_cast<std::uint8_t>(n);
        Saisir(nom);
        EXPECT_EQ(figure.ModifierPoint(), RésultatModification::Modifié);
    }
    for (const auto& [i, entrée] :
         {std::pair{4, "Point X"}, std::pair{5, "Point Y"}, std::pair{6, "Polygone ABC"}})
        EXPECT_EQ(m.Tracés[i], entrée);
    // Une seule coordonnée changée suffit à reprendre la saisie, dans le point comme dans le sommet.
    for (const auto& [x, y] : {std::pair{"3", "0"}, std::pair{"3", "-2"}}) {
        m.NumPointModif = 2;
        Saisir("B", x, y);
        EXPECT_EQ(figure.ModifierPoint(), RésultatModification::Modifié);
        EXPECT_EQ(m.Points[2], (PointFig{x, y, "B", 1, false}));
        EXPECT_EQ(m.Sommets[2].Y, y);
    }
}

TEST_F(OpérationsFigureTest, UneFigureDeFichierVideeOuToutAnnuleeSeFerme)
{
    ASSERT_TRUE(Placer("A") && Placer("B"));
    m.ModeFichier = true;
    m.NbPointsMax = 2;
    figure.ViderFigure();
    EXPECT_EQ(m.NbPointsMax, 250);
    // Le prochain point repart de la première position, aucune case cochée.
    EXPECT_EQ(m.PositionSuivante, 1);
    EXPECT_EQ(m.PositionSaisie, 0);
    EXPECT_EQ(fenêtre.Fermetures, 1);
    ASSERT_TRUE(Placer("C"));
    figure.AnnulerTracé();
    EXPECT_EQ(fenêtre.Fermetures, 2);
    // Plus rien à annuler : rien ne se passe.
    figure.AnnulerTracé();
    EXPECT_EQ(m.NbTracés, 0);
    EXPECT_EQ(fenêtre.Fermetures, 2);
}
