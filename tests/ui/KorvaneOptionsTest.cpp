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

TEST_F(KorvaneOptionsTest, RepereEtQuadrillageGardentCocheEtTagEgauxEtRedessinent)
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
    // Le quadrillage passe sous les axes.
    EXPECT_EQ(k.Ecran.Marques().front().Teinte, Cyan);
}

TEST_F(KorvaneOptionsTest, LesQuadrantsSeMontrentAuxCoinsDeLaVueSansRedessin)
{
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

// Chaque pastille donne sa couleur et le numéro de la case de la palette qui a cette couleur.
TEST_F(KorvaneOptionsTest, ChaquePastilleColoreLaFigureEtRetientSaCaseDePalette)
{
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

// La case choisie dans le dialogue colore le trait (toute la figure) ou le fond (canevas et repère) ;
// les couleurs initiales reviennent au noir sur jaune pâle.
TEST_F(KorvaneOptionsTest, LesCouleursChoisiesOuInitialesColorentTraitEtFond)
{
    const Couleur bleu = m.CouleurTrait, jaunePâle{255, 255, 192}, rouge{255, 0, 0};
    struct Cas {
        Contrôle& item;
        std::size_t caseChoisie;
        Couleur trait;
        std::int32_t numTrait;
        Couleur fond;
        std::int32_t numFond;
    };
    for (const Cas& c : {Cas{k.ItemCouleurFond, 3, bleu, 22, jaunePâle, 3},
                         Cas{k.ItemCouleurTrait, 17, rouge, 17, jaunePâle, 3},
                         Cas{k.ItemCouleurInit, 0, {0, 0, 0}, 40, {254, 255, 215}, 0}}) {
        SCOPED_TRACE(c.item.Caption);
        plateforme.QuandSOuvre<FormCouleurs>([&c](FormCouleurs& f) {
            f.Label2_Click(c.caseChoisie);
            f.BtonOk_Click();
        });
        PoserTémoin();
        k.Cliquer(c.item);
        plateforme.OublierScripts();
        EXPECT_TRUE(Redessiné());
        EXPECT_EQ(m.NumCouleurTrait, c.numTrait);
        EXPECT_EQ(m.NumCouleurFond, c.numFond);
        AttendreFigure(c.trait);
        EXPECT_EQ(k.EtiPoint[1].ForeColor, c.trait);
        EXPECT_EQ(k.Ecran.Cadre.BackColor, c.fond);
        EXPECT_EQ(k.EtiO.BackColor, c.fond);
    }
    EXPECT_FALSE(k.EtiPoint[2].BackColor.has_value());

    // « ... » ouvre le même dialogue ; le fermer sans choisir garde la couleur courante.
    k.Cliquer(k.EtiCoulSuite);
    EXPECT_EQ(plateforme.FenêtresOuvertes.back(), GenreFenêtre<FormCouleurs>());
    EXPECT_EQ(m.CouleurTrait, (Couleur{0, 0, 0}));
}

// L'épaisseur garde une seule coche ; la précision choisie garde l'épaisseur ; tous deux redessinent.
TEST_F(KorvaneOptionsTest, TraitsEtPrecisionRedessinentLaFigure)
{
    const int initiale = m.Précision;
    struct Cas {
        Contrôle& item;
        std::size_t choix; // dans le dialogue de la précision
        int épaisseur;
        int précision; // 0 : inchangée
    };
    for (const Cas& c :
         {Cas{k.ItemTépais, 0, 2, 0}, Cas{k.ItemTfin, 0, 1, 0}, Cas{k.ItemTépais, 0, 2, 0},
          Cas{k.ItemPrécision, 2, 2, 2}, Cas{k.ItemPrécision, 4, 2, 11}, Cas{k.ItemPrécision, 1, 2, 1}}) {
        SCOPED_TRACE(c.item.Caption + std::to_string(c.choix));
        plateforme.QuandSOuvre<ChoixPrécision>([&c](ChoixPrécision& f) {
            f.OpPrecis_Click(c.choix);
            f.BtonPrecis_Click();
        });
        PoserTémoin();
        k.Cliquer(c.item);
        plateforme.OublierScripts();
        EXPECT_TRUE(Redessiné());
        EXPECT_EQ(m.ÉpaisseurTrait, c.épaisseur);
        EXPECT_EQ(k.ItemTépais.Checked, c.épaisseur == 2);
        EXPECT_NE(k.ItemTépais.Checked, k.ItemTfin.Checked);
        EXPECT_EQ(m.Précision, c.précision ? c.précision : initiale);
        AttendreFigure(m.CouleurTrait, c.épaisseur);
    }
}
