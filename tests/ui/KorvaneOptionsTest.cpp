// Les options d'affichage de la fenêtre principale : ce qu'elles changent et ce qu'elles redessinent.
#include "support/KorvaneOuverte.h"
#include "ui/ChoixPrecision.h"
#include "ui/FormCouleurs.h"

#include <set>

namespace {

constexpr Couleur Témoin{1, 2, 3};
constexpr Couleur Cyan{0, 255, 255};
constexpr Couleur Olive{100, 100, 0};

// Un triangle déjà construit, comme le laisserait l'élève.
class KorvaneOptionsTest : public KorvaneOuverte {
protected:
    void SetUp() override
    {
        KorvaneOuverte::SetUp();
        ASSERT_TRUE(Tracer(TriangleABC));
    }

    // Une marque témoin que seul un canevas effacé fait disparaître.
    void PoserTémoin() { k.Ecran.PSet(0, 0, Témoin); }
    bool Redessiné() const { return Compter(GenreMarque::Point, Témoin) == 0; }

    // Les trois points et les trois côtés, de cette couleur et de cette épaisseur de trait.
    void AttendreFigure(Couleur teinte, int épaisseur = 1) const
    {
        EXPECT_EQ(Compter(GenreMarque::Point, teinte, 4 * épaisseur), 3u);
        EXPECT_EQ(Compter(GenreMarque::Ligne, teinte, épaisseur), 3u);
    }
};

} // namespace

// Axes et quadrillage redessinent sous la figure ; les numéros des quadrants se posent sans redessin.
TEST_F(KorvaneOptionsTest, LesOptionsDuRepereRedessinentSaufLesQuadrantsPosesAuxCoinsDeLaVue)
{
    for (const auto& [item, teinte] :
         {std::pair{&k.ItemTracerLumarc, Olive}, std::pair{&k.ItemQuadrillage, Cyan}}) {
        SCOPED_TRACE(item->Caption);
        const int gaucheI = k.EtiI.Left;
        for (const bool allumé : {false, true}) {
            SCOPED_TRACE(allumé);
            PoserTémoin();
            k.Cliquer(*item);
            EXPECT_EQ(item->Checked, allumé);
            EXPECT_TRUE(Redessiné());
            EXPECT_EQ(Compter(GenreMarque::Ligne, teinte) > 0, allumé);
            AttendreFigure(m.CouleurTrait); // la figure reste
            EXPECT_EQ(k.EtiI.Left, gaucheI);
            EXPECT_TRUE(k.EtiO.Visible && k.EtiI.Visible && k.EtiJ.Visible);
        }
    }

    k.BtonEchPlus_Click();
    PoserTémoin();
    for (const bool allumé : {true, false}) {
        k.Cliquer(k.itemNumQuadrants);
        EXPECT_EQ(k.itemNumQuadrants.Checked, allumé);
        EXPECT_FALSE(Redessiné());
        for (const Contrôle& q : k.EtiQuad)
            EXPECT_EQ(q.Visible, allumé);
    }
    // I en haut à droite de la vue agrandie, III en bas à gauche.
    const PointPlan hautDroite = k.Ecran.RepèreCourant().VersTwips({double(m.XMax), double(m.YMax)});
    EXPECT_NEAR(k.EtiQuad[0].Left + k.EtiQuad[0].Width, hautDroite.X, 2);
    EXPECT_NEAR(k.EtiQuad[0].Top, hautDroite.Y, 2);
    EXPECT_NEAR(k.EtiQuad[2].Left, k.Ecran.RepèreCourant().VersTwips({double(m.XMin), 0}).X, 2);
}

// La case choisie dans le dialogue colore le trait (toute la figure) ou le fond (canevas et repère) ;
// les couleurs initiales reviennent au noir sur jaune pâle. Chaque pastille donne sa couleur et le numéro
// de la case de la palette qui a cette couleur.
TEST_F(KorvaneOptionsTest, LesCouleursChoisiesInitialesOuDesPastillesColorentTraitEtFond)
{
    const Couleur bleu = m.CouleurTrait, jaunePâle{255, 255, 192}, rouge{255, 0, 0};
    // L'article, la case choisie, puis le trait et le fond attendus, chacun avec son numéro de palette.
    for (const auto& [item, caseChoisie, trait, numTrait, fond, numFond] :
         {std::tuple{&k.ItemCouleurFond, 3u, bleu, 22, jaunePâle, 3},
          {&k.ItemCouleurTrait, 17u, rouge, 17, jaunePâle, 3},
          {&k.ItemCouleurInit, 0u, {0, 0, 0}, 40, {254, 255, 215}, 0}}) {
        SCOPED_TRACE(item->Caption);
        plateforme.QuandSOuvre<FormCouleurs>([n = caseChoisie](FormCouleurs& f) {
            f.Label2_Click(n);
            f.BtonOk_Click();
        });
        PoserTémoin();
        k.Cliquer(*item);
        plateforme.OublierScripts();
        EXPECT_TRUE(Redessiné());
        EXPECT_EQ(m.NumCouleurTrait, numTrait);
        EXPECT_EQ(m.NumCouleurFond, numFond);
        AttendreFigure(trait);
        EXPECT_EQ(k.EtiPoint[1].ForeColor, trait);
        EXPECT_EQ(k.Ecran.Cadre.BackColor, fond);
        EXPECT_EQ(k.EtiO.BackColor, fond);
    }
    EXPECT_FALSE(k.EtiPoint[2].BackColor.has_value());

    // « ... » ouvre le même dialogue ; le fermer sans choisir garde la couleur courante.
    k.Cliquer(k.EtiCoulSuite);
    EXPECT_EQ(plateforme.FenêtresOuvertes.back(), GenreFenêtre<FormCouleurs>());
    EXPECT_EQ(m.CouleurTrait, (Couleur{0, 0, 0}));

    std::set<std::int32_t> numéros;
    for (std::size_t i = 0; i < k.EtiCoul.size(); ++i) {
        SCOPED_TRACE(i);
        k.Cliquer(k.EtiCoul[i]);
        EXPECT_EQ(k.EtiCoul[i].BackColor, m.CouleurTrait);
        EXPECT_EQ(LireCouleurHexa(TexteCouleurPalette(static_cast<std::size_t>(m.NumCouleurTrait))),
                  m.CouleurTrait);
        numéros.insert(m.NumCouleurTrait);
        // Points, côtés et noms prennent tous la nouvelle couleur.
        AttendreFigure(m.CouleurTrait);
    }
    EXPECT_EQ(numéros.size(), k.EtiCoul.size());
}

// L'épaisseur garde une seule coche ; la précision choisie garde l'épaisseur ; tous deux redessinent.
TEST_F(KorvaneOptionsTest, TraitsEtPrecisionRedessinentLaFigure)
{
    const int initiale = m.Précision;
    // L'article, la case choisie dans le dialogue, l'épaisseur puis la précision (0 : inchangée).
    const std::tuple<Contrôle*, std::size_t, int, int> cas[] = {
        {&k.ItemTépais, 0, 2, 0},    {&k.ItemTfin, 0, 1, 0},       {&k.ItemTépais, 0, 2, 0},
        {&k.ItemPrécision, 2, 2, 2}, {&k.ItemPrécision, 4, 2, 11}, {&k.ItemPrécision, 1, 2, 1}};
    for (const auto& [item, choix, épaisseur, précision] : cas) {
        SCOPED_TRACE(item->Caption + std::to_string(choix));
        plateforme.QuandSOuvre<ChoixPrécision>([n = choix](ChoixPrécision& f) {
            f.OpPrecis_Click(n);
            f.BtonPrecis_Click();
        });
        PoserTémoin();
        k.Cliquer(*item);
        plateforme.OublierScripts();
        EXPECT_TRUE(Redessiné());
        EXPECT_EQ(m.ÉpaisseurTrait, épaisseur);
        EXPECT_EQ(k.ItemTépais.Checked, épaisseur == 2);
        EXPECT_NE(k.ItemTépais.Checked, k.ItemTfin.Checked);
        EXPECT_EQ(m.Précision, précision ? précision : initiale);
        AttendreFigure(m.CouleurTrait, épaisseur);
    }
}
