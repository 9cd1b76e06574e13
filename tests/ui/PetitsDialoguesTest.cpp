#include "ui/ChoixPrecision.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"

#include <gtest/gtest.h>

namespace {
const Contrôle principale = [] {
    Contrôle c;
    c.Width = 12000;
    c.Height = 9000;
    return c;
}();
} // namespace

TEST(FormChoixPoint, ValiderResteGriseTantQuAucunPointNEstChoisi)
{
    Modulebas m;
    m.NumPointModif = 3;
    FormChoixPoint form(m, principale);
    form.NommerOption(1, "A");
    form.NommerOption(2, "B");
    form.Form_Load();
    EXPECT_EQ(m.NumPointModif, 0);
    EXPECT_EQ(form.OptionPoint[1].Caption, "Point A");
    EXPECT_TRUE(form.OptionPoint[2].Visible);
    EXPECT_FALSE(form.OptionPoint[3].Visible);
    EXPECT_FALSE(form.OptionPoint[4].Visible);

    EXPECT_FALSE(form.BtonOk.Enabled);
    form.BtonOk_Click();
    EXPECT_FALSE(form.EstFermée());
    // Une option cachée ne se clique pas.
    form.OptionPoint_Click(3);
    EXPECT_FALSE(form.BtonOk.Enabled);

    form.OptionPoint_Click(2);
    EXPECT_TRUE(form.BtonOk.Enabled);
    EXPECT_TRUE(form.OptionPoint[2].Checked);
    form.BtonOk_Click();
    EXPECT_TRUE(form.EstFermée());
    EXPECT_EQ(m.NumPointModif, 2);
}

TEST(FormChoixPoint, AnnulerOuFermerNeChoisitAucunPoint)
{
    for (bool parLeCadre : {false, true}) {
        SCOPED_TRACE(parLeCadre ? "cadre" : "Annuler");
        Modulebas m;
        FormChoixPoint form(m, principale);
        for (std::size_t i = 1; i <= 4; ++i) {
            form.NommerOption(i, std::string(1, static_cast<char>('A' + i - 1)));
        }
        form.Form_Load();
        form.OptionPoint_Click(4);
        parLeCadre ? form.Form_QueryUnload() : form.BtonAnnuler_Click();
        EXPECT_TRUE(form.EstFermée());
        EXPECT_EQ(m.NumPointModif, 0);
    }
}

TEST(ChoixPrecision, LaPrecisionCouranteEstCocheeAuChargement)
{
    const struct {
        std::uint8_t précision;
        std::size_t coché;
    } cas[] = {{1, 1}, {2, 2}, {3, 3}, {11, 4}};
    for (const auto& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.précision));
        Modulebas m;
        m.Précision = c.précision;
        ChoixPrécision form(m, principale);
        form.Form_Load();
        for (std::size_t k = 1; k <= 4; ++k) {
            EXPECT_EQ(form.OpPrecis[k].Checked, k == c.coché) << k;
        }
        EXPECT_EQ(form.Form.BackColor, CouleurPanneau);
    }
}

TEST(ChoixPrecision, ChaqueChoixPrendEffetAussitot)
{
    Modulebas m;
    m.Précision = 11;
    ChoixPrécision form(m, principale);
    form.Form_Load();
    EXPECT_EQ(form.OpPrecis[4].Caption, "maximum");
    const std::pair<std::size_t, int> choix[] = {{2, 2}, {1, 1}, {4, 11}, {3, 3}};
    for (auto [k, précision] : choix) {
        form.OpPrecis_Click(k);
        EXPECT_EQ(m.Précision, précision) << k;
        EXPECT_TRUE(form.OpPrecis[k].Checked);
    }
    EXPECT_FALSE(form.OpPrecis[4].Checked);
    form.BtonPrecis_Click();
    EXPECT_TRUE(form.EstFermée());
    EXPECT_EQ(m.Précision, 3);
}

TEST(FormCouleurs, LaCaseCouranteEstChoisieAuChargement)
{
    Modulebas m;
    m.ChoixCouleurTrait = true;
    m.NumCouleurTrait = 22;
    m.NumCouleurFond = 5;
    FormCouleurs trait(m, principale);
    trait.Form_Load();
    EXPECT_EQ(trait.CouleurChoisie, "&HFF0000");
    EXPECT_EQ(LireCouleurHexa(trait.CouleurChoisie), (Couleur{0, 0, 255}));
    // Case 22 : troisième ligne, septième colonne.
    EXPECT_EQ(trait.ShapeSel.Left, 6 * 480 + 360);
    EXPECT_EQ(trait.ShapeSel.Top, 3 * 480);
    EXPECT_TRUE(trait.ShapeSel.Visible);

    m.ChoixCouleurTrait = false;
    FormCouleurs fond(m, principale);
    fond.Form_Load();
    EXPECT_EQ(fond.CouleurChoisie, "&HFFFFC0");
    EXPECT_EQ(m.NumCouleurTrait, 22);
}

TEST(FormCouleurs, UnClicChoisitLaCouleurEtSonNumero)
{
    Modulebas m;
    m.ChoixCouleurTrait = false;
    FormCouleurs form(m, principale);
    form.Form_Load();
    EXPECT_EQ(form.CouleurChoisie, "&HFFFFFF");
    form.Label2_Click(17);
    EXPECT_EQ(form.CouleurChoisie, "&H0000FF");
    EXPECT_EQ(LireCouleurHexa(form.CouleurChoisie), (Couleur{255, 0, 0}));
    EXPECT_EQ(m.NumCouleurFond, 17);
    EXPECT_EQ(form.ShapeSel.Left, form.Label2[17].Left);
    EXPECT_EQ(form.ShapeSel.Top, form.Label2[17].Top);
    form.Label2_Click(48);
    EXPECT_EQ(m.NumCouleurFond, 17);
    form.BtonOk_Click();
    EXPECT_TRUE(form.EstFermée());
}

TEST(FormCouleurs, PaletteDeQuaranteHuitCases)
{
    Modulebas m;
    FormCouleurs form(m, principale);
    ASSERT_EQ(form.Label2.size(), 48u);
    const struct {
        std::size_t i;
        const char* texte;
        Couleur couleur;
        int gauche;
        int haut;
    } cas[] = {
        {0, "&HFFFFFF", {255, 255, 255}, 360, 480},  {2, "&HC0E0FF", {255, 224, 192}, 1320, 480},
        {18, "&H0080FF", {255, 128, 0}, 1320, 1440}, {25, "&H0000C0", {192, 0, 0}, 840, 1920},
        {40, "&H000000", {0, 0, 0}, 360, 2880},      {47, "&H400040", {64, 0, 64}, 3720, 2880},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.i);
        EXPECT_EQ(TexteCouleurPalette(c.i), c.texte);
        EXPECT_EQ(form.Label2[c.i].BackColor, c.couleur);
        EXPECT_EQ(form.Label2[c.i].Left, c.gauche);
        EXPECT_EQ(form.Label2[c.i].Top, c.haut);
        EXPECT_EQ(form.Label2[c.i].Width, 375);
    }
}

TEST(FormCouleurs, LectureDuTexteHexadecimal)
{
    EXPECT_EQ(LireCouleurHexa("&H00FF00"), (Couleur{0, 255, 0}));
    EXPECT_EQ(LireCouleurHexa("&h0080ff"), (Couleur{255, 128, 0}));
    for (const char* faux : {"", "&H", "FF0000", "&HGG0000", "&H1000000", "&H12 34"}) {
        SCOPED_TRACE(faux);
        EXPECT_FALSE(LireCouleurHexa(faux).has_value());
    }
}
