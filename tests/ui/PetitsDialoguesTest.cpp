#include "ui/ChoixPrecision.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"

#include <gtest/gtest.h>
#include <set>

namespace {
const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);
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

    EXPECT_FALSE(form.BtonOk.Enabled);
    form.BtonOk_Click();
    EXPECT_FALSE(form.EstFermée());
    // Une option cachée ne se clique pas.
    form.OptionPoint_Click(3);
    EXPECT_FALSE(form.BtonOk.Enabled);

    form.OptionPoint_Click(2);
    EXPECT_TRUE(form.BtonOk.Enabled);
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
        for (std::size_t i = 1; i <= 4; ++i)
            form.NommerOption(i, std::string(1, static_cast<char>('A' + i - 1)));
        form.Form_Load();
        form.OptionPoint_Click(4);
        parLeCadre ? form.Form_QueryUnload() : form.BtonAnnuler_Click();
        EXPECT_TRUE(form.EstFermée());
        EXPECT_EQ(m.NumPointModif, 0);
    }
}

TEST(ChoixPrecision, LaPrecisionCouranteEstCocheeEtChaqueChoixPrendEffetAussitot)
{
    const std::pair<std::uint8_t, std::size_t> cas[] = {{1, 1}, {2, 2}, {3, 3}, {11, 4}};
    for (auto [précision, coché] : cas) {
        SCOPED_TRACE(static_cast<int>(précision));
        Modulebas m;
        m.Précision = précision;
        ChoixPrécision form(m, principale);
        form.Form_Load();
        for (std::size_t k = 1; k <= 4; ++k)
            EXPECT_EQ(form.OpPrecis[k].Checked, k == coché) << k;
        // Le choix suivant dans la liste, sans attendre la fermeture.
        const std::size_t suivant = coché % 4 + 1;
        form.OpPrecis_Click(suivant);
        EXPECT_EQ(m.Précision, cas[suivant - 1].first);
        EXPECT_TRUE(form.OpPrecis[suivant].Checked);
        EXPECT_FALSE(form.OpPrecis[coché].Checked);
        form.BtonPrecis_Click();
        EXPECT_TRUE(form.EstFermée());
    }
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
    // Case 22 : troisième ligne, septième colonne.
    EXPECT_EQ(trait.ShapeSel.Left, 6 * 480 + 360);
    EXPECT_EQ(trait.ShapeSel.Top, 3 * 480);
    EXPECT_TRUE(trait.ShapeSel.Visible);

    m.ChoixCouleurTrait = false;
    FormCouleurs fond(m, principale);
    fond.Form_Load();
    EXPECT_EQ(fond.CouleurChoisie, "&HFFFFC0");
}

TEST(FormCouleurs, UnClicChoisitLaCouleurEtSonNumero)
{
    Modulebas m;
    m.ChoixCouleurTrait = false;
    FormCouleurs form(m, principale);
    form.Form_Load();
    form.Label2_Click(17);
    EXPECT_EQ(form.CouleurChoisie, "&H0000FF");
    EXPECT_EQ(m.NumCouleurFond, 17);
    EXPECT_EQ(form.ShapeSel.Left, form.Label2[17].Left);
    EXPECT_EQ(form.ShapeSel.Top, form.Label2[17].Top);
    // Hors de la palette, rien ne change.
    form.Label2_Click(48);
    EXPECT_EQ(m.NumCouleurFond, 17);
    form.BtonOk_Click();
    EXPECT_TRUE(form.EstFermée());
}

// Chaque case montre la couleur de son texte, dans une grille sans chevauchement.
TEST(FormCouleurs, LesQuaranteHuitCasesMontrentLaCouleurDeLeurTexte)
{
    Modulebas m;
    FormCouleurs form(m, principale);
    ASSERT_EQ(form.Label2.size(), 48u);
    std::set<std::pair<int, int>> coins;
    for (std::size_t i = 0; i < form.Label2.size(); ++i) {
        SCOPED_TRACE(i);
        const Contrôle& c = form.Label2[i];
        EXPECT_EQ(c.BackColor, LireCouleurHexa(TexteCouleurPalette(i)));
        EXPECT_TRUE(coins.insert({c.Left, c.Top}).second);
        if (i % 8 != 0) {
            EXPECT_GE(c.Left, form.Label2[i - 1].Left + form.Label2[i - 1].Width);
        }
    }
    EXPECT_EQ(TexteCouleurPalette(18), "&H0080FF");
}

TEST(FormCouleurs, LectureDuTexteHexadecimal)
{
    // Le texte est en BVR : le rouge vient en dernier.
    EXPECT_EQ(LireCouleurHexa("&H0000FF"), (Couleur{255, 0, 0}));
    EXPECT_EQ(LireCouleurHexa("&h0080ff"), (Couleur{255, 128, 0}));
    for (const char* faux : {"", "&H", "FF0000", "&HGG0000", "&H1000000", "&H12 34"}) {
        SCOPED_TRACE(faux);
        EXPECT_FALSE(LireCouleurHexa(faux).has_value());
    }
}
