// Les options d'affichage de la fenêtre principale : ce qu'elles changent et ce qu'elles redessinent.
#include "support/PlateformeScriptee.h"
#include "ui/ChoixPrecision.h"
#include "ui/FormCouleurs.h"
#include "ui/Korvane.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr Couleur Témoin{1, 2, 3};
constexpr Couleur Cyan{0, 255, 255};
constexpr Couleur Olive{100, 100, 0};

class KorvaneOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.Form_Load();
        k.Form.Width = 1024 * 15;
        k.Form.Height = 768 * 15;
        k.Form_Resize();
        // Un triangle déjà construit, comme le laisserait l'élève.
        const char* coordonnées[][2] = {{"0", "0"}, {"4", "0"}, {"0", "3"}};
        for (const auto& [x, y] : coordonnées) {
            ++m.NbPoints;
            m.Points[m.NbPoints] = {x, y, std::string(1, static_cast<char>('@' + m.NbPoints)), 4, false};
            m.Tracés[++m.NbTracés] = "Point " + m.Points[m.NbPoints].Nom;
        }
        m.ChaîneSommets = "ABC";
        k.Opérations.AjouterPolygone();
        k.RedessinerTout();
    }

    // Une marque témoin que seul un canevas effacé fait disparaître.
    void PoserTémoin() { k.Ecran.PSet(0, 0, Témoin); }
    bool Redessiné() const
    {
        for (const Marque& marque : k.Ecran.Marques())
            if (marque.Teinte == Témoin)
                return false;
        return true;
    }

    std::size_t Compter(Couleur teinte, GenreMarque genre, int épaisseur) const
    {
        std::size_t n = 0;
        for (const Marque& marque : k.Ecran.Marques())
            n += marque.Teinte == teinte && marque.Genre == genre && marque.Épaisseur == épaisseur;
        return n;
    }

    std::size_t Compter(Couleur teinte) const
    {
        std::size_t n = 0;
        for (const Marque& marque : k.Ecran.Marques())
            n += marque.Teinte == teinte;
        return n;
    }

    Modulebas m;
    PlateformeScriptée plateforme;
    Korvane k{m, plateforme};
};

} // namespace

TEST_F(KorvaneOptionsTest, RepereEtQuadrillageGardentCocheEtTagEgauxEtRedessinent)
{
    struct Cas {
        const char* nom;
        Contrôle& item;
        Couleur teinte;
    };
    const std::vector<Cas> cas = {{"repère", k.ItemTracerLumarc, Olive},
                                  {"quadrillage", k.ItemQuadrillage, Cyan}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const int gaucheI = k.EtiI.Left;
        for (const bool allumé : {false, true}) {
            SCOPED_TRACE(allumé);
            PoserTémoin();
            k.Cliquer(c.item);
            EXPECT_EQ(c.item.Checked, allumé);
            EXPECT_EQ(c.item.Tag, allumé ? " 1" : "");
            EXPECT_TRUE(Redessiné());
            EXPECT_EQ(Compter(c.teinte) > 0, allumé);
            EXPECT_EQ(Compter(m.CouleurTrait, GenreMarque::Ligne, 1), 3u); // la figure reste
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
    k.Cliquer(k.itemNumQuadrants);
    EXPECT_TRUE(k.itemNumQuadrants.Checked);
    EXPECT_EQ(k.itemNumQuadrants.Tag, "");
    EXPECT_FALSE(Redessiné());
    for (const Contrôle& q : k.EtiQuad)
        EXPECT_TRUE(q.Visible);
    // I en haut à droite de la vue agrandie, III en bas à gauche.
    EXPECT_NEAR(k.Ecran.DepuisTwipsX(k.EtiQuad[0].Left + k.EtiQuad[0].Width), m.XMax, 2);
    EXPECT_NEAR(k.Ecran.DepuisTwipsY(k.EtiQuad[0].Top), m.YMax, 2);
    EXPECT_NEAR(k.Ecran.DepuisTwipsX(k.EtiQuad[2].Left), m.XMin, 2);

    k.Cliquer(k.itemNumQuadrants);
    EXPECT_FALSE(k.itemNumQuadrants.Checked);
    EXPECT_FALSE(Redessiné());
    for (const Contrôle& q : k.EtiQuad)
        EXPECT_FALSE(q.Visible);
}

TEST_F(KorvaneOptionsTest, TraitsEpaisPuisFinsRedessinentAvecUneSeuleCoche)
{
    struct Cas {
        const char* nom;
        Contrôle& item;
        int épaisseur;
    };
    const std::vector<Cas> cas = {
        {"épais", k.ItemTépais, 2}, {"fins", k.ItemTfin, 1}, {"épais encore", k.ItemTépais, 2}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        PoserTémoin();
        k.Cliquer(c.item);
        EXPECT_TRUE(Redessiné());
        EXPECT_EQ(m.ÉpaisseurTrait, c.épaisseur);
        EXPECT_EQ(k.ItemTépais.Checked, c.épaisseur == 2);
        EXPECT_NE(k.ItemTépais.Checked, k.ItemTfin.Checked);
        EXPECT_EQ(Compter(m.CouleurTrait, GenreMarque::Point, 4 * c.épaisseur), 3u);
        EXPECT_EQ(Compter(m.CouleurTrait, GenreMarque::Ligne, c.épaisseur), 3u);
    }
}

TEST_F(KorvaneOptionsTest, LesHuitPastillesDonnentLeurCouleurEtLeurNumero)
{
    struct Cas {
        Couleur couleur;
        std::int32_t numéro;
    };
    const std::vector<Cas> cas = {
        {{0, 0, 255}, 22},     {{255, 0, 255}, 23}, {{255, 0, 0}, 17}, {{255, 128, 0}, 18},
        {{128, 128, 128}, 24}, {{0, 0, 0}, 40},     {{192, 0, 0}, 25}, {{255, 255, 0}, 19},
    };
    for (std::size_t i = 0; i < cas.size(); ++i) {
        SCOPED_TRACE(i);
        PoserTémoin();
        k.Cliquer(k.EtiCoul[i]);
        EXPECT_EQ(m.CouleurTrait, cas[i].couleur);
        EXPECT_EQ(m.NumCouleurTrait, cas[i].numéro);
        EXPECT_EQ(k.EtiCoul[i].BackColor, cas[i].couleur);
        EXPECT_TRUE(Redessiné());
        // Points, côtés et noms prennent tous la nouvelle couleur.
        EXPECT_EQ(Compter(cas[i].couleur, GenreMarque::Point, 4), 3u);
        EXPECT_EQ(Compter(cas[i].couleur, GenreMarque::Ligne, 1), 3u);
        EXPECT_EQ(k.EtiPoint[3].ForeColor, cas[i].couleur);
    }
}

TEST_F(KorvaneOptionsTest, LeDialogueDuTraitPartDeLaPastilleChoisie)
{
    k.Cliquer(k.EtiCoul[3]);
    std::string courante;
    plateforme.QuandSOuvre<FormCouleurs>([&](FormCouleurs& f) {
        courante = f.CouleurChoisie;
        f.Label2_Click(17);
        f.BtonOk_Click();
    });
    k.Cliquer(k.ItemCouleurTrait);
    EXPECT_EQ(courante, "&H0080FF"); // l'orange
    EXPECT_TRUE(m.ChoixCouleurTrait);
    EXPECT_EQ(m.CouleurTrait, (Couleur{255, 0, 0}));
    EXPECT_EQ(m.NumCouleurTrait, 17);
    EXPECT_EQ(Compter(Couleur{255, 0, 0}, GenreMarque::Point, 4), 3u);

    // « ... » ouvre le même dialogue ; le fermer sans choisir garde la couleur courante.
    k.Cliquer(k.EtiCoulSuite);
    EXPECT_EQ(plateforme.FenêtresOuvertes.back(), GenreFenêtre<FormCouleurs>());
    EXPECT_EQ(m.CouleurTrait, (Couleur{255, 0, 0}));
}

TEST_F(KorvaneOptionsTest, LeFondChoisiColoreLeCanevasEtSesEtiquettes)
{
    plateforme.QuandSOuvre<FormCouleurs>([](FormCouleurs& f) {
        f.Label2_Click(3); // jaune pâle, « &HC0FFFF »
        f.BtonOk_Click();
    });
    PoserTémoin();
    k.Cliquer(k.ItemCouleurFond);
    const Couleur jaunePâle{255, 255, 192};
    EXPECT_FALSE(m.ChoixCouleurTrait);
    EXPECT_EQ(m.NumCouleurFond, 3);
    EXPECT_EQ(m.CouleurFond, jaunePâle);
    EXPECT_EQ(k.Ecran.Cadre.BackColor, jaunePâle);
    EXPECT_EQ(k.EtiO.BackColor, jaunePâle);
    EXPECT_FALSE(k.EtiPoint[2].BackColor.has_value());
    EXPECT_EQ(m.CouleurTrait, (Couleur{0, 0, 255}));
    EXPECT_TRUE(Redessiné());
}

TEST_F(KorvaneOptionsTest, InitialesDonnentDuNoirSurJaunePale)
{
    k.Cliquer(k.EtiCoul[2]);
    m.NumCouleurFond = 7;
    PoserTémoin();
    k.Cliquer(k.ItemCouleurInit);
    EXPECT_EQ(m.CouleurTrait, (Couleur{0, 0, 0}));
    EXPECT_EQ(m.NumCouleurTrait, 40);
    EXPECT_EQ(m.CouleurFond, (Couleur{254, 255, 215}));
    EXPECT_EQ(k.Ecran.Cadre.BackColor, (Couleur{254, 255, 215}));
    EXPECT_EQ(m.NumCouleurFond, 0);
    EXPECT_TRUE(Redessiné());
    EXPECT_EQ(Compter(Couleur{0, 0, 0}, GenreMarque::Point, 4), 3u);
    EXPECT_EQ(k.EtiPoint[1].ForeColor, (Couleur{0, 0, 0}));
}

TEST_F(KorvaneOptionsTest, LaPrecisionChoisieRedessineEtSertAuxMesures)
{
    struct Cas {
        std::size_t choix;
        std::uint8_t précision;
    };
    for (const Cas& c : std::vector<Cas>{{2, 2}, {4, 11}, {1, 1}}) {
        SCOPED_TRACE(c.choix);
        plateforme.QuandSOuvre<ChoixPrécision>([&c](ChoixPrécision& f) {
            f.OpPrecis_Click(c.choix);
            f.BtonPrecis_Click();
        });
        PoserTémoin();
        k.Cliquer(k.ItemPrécision);
        EXPECT_EQ(m.Précision, c.précision);
        EXPECT_TRUE(Redessiné());
        EXPECT_EQ(Compter(m.CouleurTrait, GenreMarque::Point, 4), 3u);
    }
}
