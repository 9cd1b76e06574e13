#include "ui/FormAngle.h"
#include "ui/FormLong.h"

#include "model/Modulebas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);

const std::string PremièrePageLongueurs = "Seules les 8 premières longueurs sont affichées\r\n"
                                          "Cliquer sur le bouton ci-contre pour les suivantes.";

// Les lignes « AB = k » d'un polygone de n sommets A, B, C...
std::vector<std::string> Lignes(std::size_t n)
{
    std::vector<std::string> lignes(n + 1);
    for (std::size_t k = 0; k < n; ++k) {
        lignes[k] = std::string(1, static_cast<char>('A' + k)) + static_cast<char>('A' + (k + 1) % n) +
                    " = " + std::to_string(k + 1);
    }
    return lignes;
}

std::string Sommets(std::size_t n)
{
    std::string noms;
    for (std::size_t k = 0; k < n; ++k)
        noms += static_cast<char>('A' + k);
    return noms;
}

template <typename Form> void Charger(Form& form, std::size_t sommets)
{
    form.InitAffichage = Sommets(sommets);
    form.Form_Load();
}

// Les textes des lignes montrées.
std::vector<std::string> Légendes(const std::vector<Contrôle>& lignes)
{
    std::vector<std::string> légendes;
    for (const Contrôle& c : lignes) {
        if (c.Visible)
            légendes.push_back(c.Caption);
    }
    return légendes;
}

} // namespace

TEST(FormLong, UnTriangleTientSurUnePageSansAide)
{
    const std::vector<std::string> tableau{"AB = 3", "BC = 5", "CA = 4", ""};
    FormLong form(tableau, principale);
    Charger(form, 3);
    EXPECT_EQ(form.Form.Caption, "Longueurs des côtés du polygone");
    EXPECT_EQ(Légendes(form.LabLong), (std::vector<std::string>{"AB = 3", "BC = 5", "CA = 4"}));
    EXPECT_FALSE(form.LabRq.Visible);
    EXPECT_FALSE(form.BtonSuite.Visible);
    EXPECT_FALSE(form.BtonBack.Visible);
    // Chaque ligne se place 50 twips sous la précédente.
    EXPECT_EQ(form.LabLong[1].Top, form.LabLong[0].Top + form.LabLong[0].Height + 50);
}

TEST(FormLong, DixCotesSePaginentEnDeuxPages)
{
    const std::vector<std::string> tableau = Lignes(10);
    FormLong form(tableau, principale);
    Charger(form, 10);
    EXPECT_EQ(Légendes(form.LabLong).size(), 8u);
    EXPECT_EQ(form.LabLong[7].Caption, "HI = 8");
    EXPECT_EQ(form.LabRq.Caption, PremièrePageLongueurs);
    EXPECT_TRUE(form.BtonSuite.Visible);
    EXPECT_FALSE(form.BtonBack.Visible);

    form.BtonSuite_Click();
    EXPECT_EQ(Légendes(form.LabLong),
              (std::vector<std::string>{"IJ = 9", "JA = 10", "", "", "", "", "", ""}));
    EXPECT_FALSE(form.BtonSuite.Visible);
    EXPECT_TRUE(form.BtonBack.Visible);
    EXPECT_EQ(form.LabRq.Caption, "Cliquer sur le bouton ci-contre pour afficher les longueurs précédentes.");

    form.BtonBack_Click();
    EXPECT_EQ(form.LabLong[2].Caption, "CD = 3");
    EXPECT_EQ(form.LabRq.Caption, PremièrePageLongueurs);
    EXPECT_TRUE(form.BtonSuite.Visible);
    // Le bouton caché ne répond plus.
    form.BtonBack_Click();
    EXPECT_EQ(form.PageLong, 0);
}

TEST(FormLong, LesPagesDuMilieuGardentLeBoutonDeLeurSens)
{
    for (const std::size_t côtés : {16u, 17u}) {
        SCOPED_TRACE(côtés);
        const std::size_t pages = (côtés + 7) / 8;
        const std::vector<std::string> tableau = Lignes(côtés);
        FormLong form(tableau, principale);
        Charger(form, côtés);
        for (std::size_t p = 1; p + 1 < pages; ++p) {
            form.BtonSuite_Click();
            EXPECT_TRUE(form.BtonSuite.Visible);
            EXPECT_FALSE(form.BtonBack.Visible);
            EXPECT_EQ(form.LabRq.Caption,
                      "Cliquer sur le bouton ci-contre pour afficher les longueurs suivantes.");
        }
        form.BtonSuite_Click();
        EXPECT_EQ(form.PageLong, pages - 1);
        EXPECT_FALSE(form.BtonSuite.Visible);
        EXPECT_EQ(form.LabLong[0].Caption, tableau[(pages - 1) * 8]);
        EXPECT_EQ(form.LabLong[7].Caption, côtés % 8 == 0 ? tableau[côtés - 1] : "");
    }
}

TEST(FormAngle, ChaqueAngleALImageDeSaLigne)
{
    const std::vector<std::string> tableau(10, "A = 108°");
    FormAngle form(tableau, principale);
    Charger(form, 10);
    EXPECT_EQ(form.Form.Caption, "Angles du polygone");
    ASSERT_EQ(form.PictureAngle.size(), 8u);
    EXPECT_EQ(Légendes(form.LabAngle).size(), 8u);
    EXPECT_EQ(form.LabAngle[1].Top, form.LabAngle[0].Top + form.LabAngle[0].Height + 120);
    EXPECT_EQ(form.LabRq.Caption, "Seuls les 8 premiers angles sont affichés.\r\n"
                                  "Cliquer sur le bouton ci-contre pour les suivants.");
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(form.PictureAngle[i].Visible);
        EXPECT_LT(form.PictureAngle[i].Left + form.PictureAngle[i].Width, form.LabAngle[i].Left);
        EXPECT_LT(form.PictureAngle[i].Top, form.LabAngle[i].Top + form.LabAngle[i].Height);
        EXPECT_GT(form.PictureAngle[i].Top + form.PictureAngle[i].Height, form.LabAngle[i].Top);
    }

    form.BtonSuite_Click();
    EXPECT_EQ(form.LabRq.Caption, "Cliquer sur le bouton ci-contre pour afficher les angles précédents.");
    EXPECT_TRUE(form.PictureAngle[1].Visible);
    EXPECT_FALSE(form.PictureAngle[2].Visible);

    // Revenir à la première page remontre les images que la deuxième avait cachées.
    form.BtonBack_Click();
    EXPECT_EQ(form.LabRq.Caption, "Seuls les 8 premiers angles sont affichés\r\n"
                                  "Cliquer sur le bouton ci-contre pour les suivants.");
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_TRUE(form.PictureAngle[i].Visible) << i;
}

TEST(FormAngle, UnQuadrilatereTientSurUnePage)
{
    const std::vector<std::string> tableau = Lignes(4);
    FormAngle form(tableau, principale);
    Charger(form, 4);
    EXPECT_EQ(Légendes(form.LabAngle).size(), 4u);
    EXPECT_FALSE(form.PictureAngle[4].Visible);
    EXPECT_FALSE(form.BtonSuite.Visible);
    form.BtonSuite_Click();
    EXPECT_EQ(form.PageAngle, 0);
}
