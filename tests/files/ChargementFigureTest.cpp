#include "files/ChargementFigure.h"

#include "files/FichierFigure.h"

#include "support/DossierTemporaire.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

} // namespace

TEST(ChargementFigure, UneFigureLueRemplitLeModeleAvecSesCapacites)
{
    const auto lecture = LireFichierFigure(Données / "hexagone-calcule.lum");
    ASSERT_TRUE(lecture.Figure);
    Modulebas m;
    m.PolygoneTracé = true;
    ChargerFigure(m, *lecture.Figure);
    EXPECT_EQ(m.NbPoints, 6);
    EXPECT_EQ(m.CapPoints(), 7u);
    EXPECT_EQ(m.Points.Dimension(), 7u);
    EXPECT_EQ(m.TabLongueurs.size(), 8u);
    EXPECT_EQ(m.Points[2], (PointFig{"1", "RAC(3)", "B", 4, false}));
    EXPECT_EQ(m.NbTracés, 7);
    EXPECT_EQ(m.CapTracés(), 10u);
    EXPECT_EQ(m.Tracés[7], "Polygone ABCDEF");
    EXPECT_EQ(m.ChaîneSommets, "ABCDEF");
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_EQ(m.Précision, 2);
}

TEST(ChargementFigure, UnHistoriqueLongAgranditLesTraces)
{
    FigureFichier figure;
    for (char nom = 'A'; nom <= 'L'; ++nom) {
        figure.Points.push_back({"0", "0", std::string(1, nom), 1, false});
        figure.Tracés.push_back(std::string("Point ") + nom);
    }
    Modulebas m;
    ChargerFigure(m, figure);
    EXPECT_EQ(m.CapTracés(), 13u);
    EXPECT_EQ(m.Tracés.Dimension(), 13u);
    EXPECT_EQ(m.Tracés[12], "Point L");
    EXPECT_EQ(m.ChaîneSommets, "");
}

TEST(ChargementFigure, LaFigureDuModeleSEnregistreCommeElleSEstLue)
{
    const auto octets = LireTout(Données / "points-sans-polygone.lum");
    const auto lecture = LireOctetsFigure(octets);
    ASSERT_TRUE(lecture.Figure);
    Modulebas m;
    ChargerFigure(m, *lecture.Figure);
    m.Unité = 450;
    m.XMax = XMaxDuRapport(m.Unité, lecture.Figure->RapportZoom);
    EXPECT_EQ(m.XMax, 3500);
    EXPECT_EQ(ÉcrireOctetsFigure(FigureDuModèle(m, false, true)), octets);
}
