// Le repère du canevas : figure, échelle, twips et pixels, à l'échelle de départ, après un zoom et après
// un changement de taille.
#include "model/Repere.h"

#include <gtest/gtest.h>

namespace {

void ExpectPoint(PointPlan obtenu, PointPlan attendu)
{
    EXPECT_DOUBLE_EQ(obtenu.X, attendu.X);
    EXPECT_DOUBLE_EQ(obtenu.Y, attendu.Y);
}

} // namespace

TEST(Repere, UnCarreDUneUniteVaDUnCoinALAutreDuCadre)
{
    const Repère carré;
    ExpectPoint(carré.VersTwips({-1, 1}), {0, 0});
    ExpectPoint(carré.VersTwips({1, -1}), {2, 2});
    ExpectPoint(carré.VersPixels({1, 1}, 100, 50), {100, 0});
    ExpectPoint(carré.VersPixels({-1, -1}, 100, 50), {0, 50});
    // Une surface sans pixels ne divise pas par zéro.
    ExpectPoint(carré.DepuisPixels({0, 0}, 0, 0), {-1, 1});
}

TEST(Repere, UnPasDeZoomChangeLeRapportEtLaHauteurDeLEchelle)
{
    const Repère départ(450, 4500, 9000, 6000);
    EXPECT_EQ(départ.YMax(), 3000);
    ExpectPoint(départ.VersTwips(départ.DepuisFigure(2, -1.5)), {5400, 3675});
    // « - » : mille unités de plus de chaque côté, la figure rapetisse.
    const Repère plusDePlan(450, 5500, 9000, 6000);
    EXPECT_FLOAT_EQ(plusDePlan.Rapport(), 9000.0f / 11000.0f);
    EXPECT_EQ(plusDePlan.YMax(), 3667);
    EXPECT_DOUBLE_EQ(plusDePlan.LargeurÉchelle(900), 1100);
    EXPECT_DOUBLE_EQ(plusDePlan.HauteurÉchelle(-600), 600 * 3667.0 / 3000);
    ExpectPoint(plusDePlan.DepuisFigure(2, -1.5), {900, -675});
}

TEST(Repere, UnCadreRedimensionneArronditSesUnitesAuPair)
{
    EXPECT_EQ(Repère::UnitéDuCadre(9010), 450);
    EXPECT_EQ(Repère::UnitéDuCadre(9030), 452);
    EXPECT_EQ(Repère(450, 4500, 9000, 4501).YMax(), 2250);
    // Les pixels d'une surface de n'importe quelle taille reviennent au même point de l'échelle.
    const Repère r(450, 4500, 9000, 4503);
    EXPECT_EQ(r.YMax(), 2252);
    for (const PointPlan p : {PointPlan{0, 0}, PointPlan{-4500, 2252}, PointPlan{1234.5, -987.25}}) {
        const PointPlan retour = r.DepuisPixels(r.VersPixels(p, 601, 300), 601, 300);
        EXPECT_NEAR(retour.X, p.X, 1e-9);
        EXPECT_NEAR(retour.Y, p.Y, 1e-9);
    }
}
