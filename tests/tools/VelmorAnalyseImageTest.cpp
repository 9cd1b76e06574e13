#include "support/DossierTemporaire.h"
#include "support/LancerOutil.h"
#include "support/PlateformeScriptee.h"
#include "ui/Korvane.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const std::string Données = VELMOR_DONNEES_TESTS;

// L'image a la taille du canevas de la fenêtre qui vient d'ouvrir la figure, et le trait passe par le
// milieu du premier côté : lissé, sa teinte domine à un pixel près, pâlie sur le blanc ou mêlée au
// quadrillage.
void ExpectCommeLaFenêtre(const std::string& fichier, const QImage& image)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    Korvane k(m, plateforme);
    k.Form_Load();
    k.Form_Resize();
    k.OuvrirFichierFigure(fichier);
    const auto pixels = [&plateforme](double twips) {
        return static_cast<int>(std::lround(twips / plateforme.TwipsParPixel));
    };
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), pixels(k.Ecran.Cadre.Width));
    EXPECT_EQ(image.height(), pixels(k.Ecran.Cadre.Height));
    const auto& marques = k.Ecran.Marques();
    const auto côté = std::find_if(marques.begin(), marques.end(), [&m](const Marque& marque) {
        return marque.Genre == GenreMarque::Ligne && marque.Teinte == m.CouleurTrait;
    });
    ASSERT_NE(côté, marques.end());
    const PointPlan milieu =
        k.Ecran.RepèreCourant().VersTwips({(côté->X1 + côté->X2) / 2, (côté->Y1 + côté->Y2) / 2});
    const QColor trait(m.CouleurTrait.R, m.CouleurTrait.V, m.CouleurTrait.B);
    bool vu = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor pixel = image.pixelColor(pixels(milieu.X) + dx, pixels(milieu.Y) + dy);
            vu = vu || (std::abs(pixel.hue() - trait.hue()) <= 10 && pixel.saturation() >= 128);
        }
    EXPECT_TRUE(vu) << pixels(milieu.X) << ", " << pixels(milieu.Y);
}

} // namespace

// Deux figures du même nom venues de deux dossiers ont chacune leur image ; le dossier est créé.
TEST(VelmorAnalyseImage, DessineChaqueFigureCommeLaFenetreLaMontreALOuverture)
{
    const DossierTemporaire dossier;
    std::filesystem::create_directory(dossier.Chemin() / "autre");
    const std::string homonyme =
        dossier.Écrire("autre/triangle-rectangle.lum", LireTout(Données + "/carre-decimal.lum")).string();
    const auto images = dossier.Chemin() / "images" / "classe";
    const std::string triangle = Données + "/triangle-rectangle.lum";

    const auto sortie = LancerVelmorAnalyse({"--csv", "--image", images.string(), triangle, homonyme});
    EXPECT_EQ(sortie.Code, 0) << sortie.Erreurs;
    EXPECT_EQ(sortie.Texte, "\xEF\xBB\xBF"
                            "fichier;figure;phrase\n" +
                                triangle + ";Triangle rectangle;ABC est un triangle rectangle.\n" + homonyme +
                                ";Carré;ABCD est un carré.\n");
    EXPECT_NE(sortie.Erreurs.find("image nommée triangle-rectangle-2.png"), std::string::npos)
        << sortie.Erreurs;
    for (const auto& [fichier, nom] :
         {std::pair{triangle, "triangle-rectangle.png"}, std::pair{homonyme, "triangle-rectangle-2.png"}}) {
        SCOPED_TRACE(nom);
        ExpectCommeLaFenêtre(fichier, QImage(QString::fromStdString((images / nom).string())));
    }
}

// /sys refuse tout nouveau fichier, même à root, pour qui un droit d'écriture retiré ne compte pas : la
// première image ratée arrête les suivantes, mais pas le résumé.
TEST(VelmorAnalyseImage, DitPourquoiUneImageNePeutEtreEcrite)
{
    const auto sortie = LancerVelmorAnalyse(
        {"--image", "/sys", Données + "/triangle-rectangle.lum", Données + "/carre-decimal.lum"});
    EXPECT_EQ(sortie.Code, 1);
    EXPECT_NE(sortie.Erreurs.find("velmor-analyse : image /sys/triangle-rectangle.png : accès refusé ; les "
                                  "images suivantes ne sont pas écrites\nvelmor-analyse : 2 figures lues"),
              std::string::npos)
        << sortie.Erreurs;
}

// Un lien posé dans le dossier des images au nom d'une image est remplacé, jamais suivi : sa cible reste.
TEST(VelmorAnalyseImage, RemplaceUnLienAuNomDeLImageSansToucherSaCible)
{
    const DossierTemporaire dossier;
    const auto victime = dossier.Écrire("victime", "à garder");
    std::filesystem::create_directory(dossier.Chemin() / "images");
    const auto image = dossier.Chemin() / "images" / "triangle-rectangle.png";
    std::filesystem::create_symlink(victime, image);
    const auto sortie = LancerVelmorAnalyse(
        {"--image", (dossier.Chemin() / "images").string(), Données + "/triangle-rectangle.lum"});
    EXPECT_EQ(sortie.Code, 0) << sortie.Erreurs;
    EXPECT_EQ(LireTout(victime), "à garder");
    EXPECT_FALSE(std::filesystem::is_symlink(image));
    EXPECT_FALSE(QImage(QString::fromStdString(image.string())).isNull());
}
