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

// Ce que la fenêtre montre d'une figure juste ouverte : la taille de son canevas et le milieu du premier
// côté de son polygone, en pixels.
struct Attendu {
    int Largeur = 0;
    int Hauteur = 0;
    int XCôté = 0;
    int YCôté = 0;
    QColor Trait;
};

Attendu OuvrirDansLaFenêtre(const std::string& fichier)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    Korvane k(m, plateforme);
    k.Form_Load();
    k.Form_Resize();
    k.OuvrirFichierFigure(fichier);
    const int pixel = plateforme.TwipsParPixel;
    const auto pixels = [pixel](double twips) { return static_cast<int>(std::lround(twips / pixel)); };
    Attendu attendu{pixels(k.Ecran.Cadre.Width), pixels(k.Ecran.Cadre.Height), -1, -1,
                    QColor(m.CouleurTrait.R, m.CouleurTrait.V, m.CouleurTrait.B)};
    const auto& marques = k.Ecran.Marques();
    const auto côté = std::ranges::find_if(marques, [&m](const Marque& marque) {
        return marque.Genre == GenreMarque::Ligne && marque.Teinte == m.CouleurTrait;
    });
    if (côté != marques.end()) {
        const PointPlan milieu =
            k.Ecran.RepèreCourant().VersTwips({(côté->X1 + côté->X2) / 2, (côté->Y1 + côté->Y2) / 2});
        attendu.XCôté = pixels(milieu.X);
        attendu.YCôté = pixels(milieu.Y);
    }
    return attendu;
}

// Le trait est lissé : à un pixel près, sa teinte domine, pâlie sur le blanc ou mêlée au quadrillage.
bool TraitAutourDe(const QImage& image, int x, int y, const QColor& teinte)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor pixel = image.valid(x + dx, y + dy) ? image.pixelColor(x + dx, y + dy) : QColor();
            if (std::abs(pixel.hue() - teinte.hue()) <= 10 && pixel.saturation() >= 128)
                return true;
        }
    return false;
}

} // namespace

// Deux figures du même nom venues de deux dossiers ont chacune leur image.
TEST(VelmorAnalyseImage, DessineChaqueFigureCommeLaFenetreLaMontreALOuverture)
{
    const DossierTemporaire dossier;
    std::filesystem::create_directory(dossier.Chemin() / "autre");
    const auto homonyme =
        dossier.Écrire("autre/triangle-rectangle.lum", LireTout(Données + "/carre-decimal.lum"));
    const auto images = dossier.Chemin() / "images" / "classe";
    const std::string triangle = Données + "/triangle-rectangle.lum";

    const auto sortie =
        LancerVelmorAnalyse({"--csv", "--image", images.string(), triangle, homonyme.string()});
    EXPECT_EQ(sortie.Code, 0) << sortie.Erreurs;
    EXPECT_EQ(sortie.Texte, "\xEF\xBB\xBF"
                            "fichier;figure;phrase\n" +
                                triangle + ";Triangle rectangle;ABC est un triangle rectangle.\n" +
                                homonyme.string() + ";Carré;ABCD est un carré.\n");
    EXPECT_NE(sortie.Erreurs.find("image nommée triangle-rectangle-2.png"), std::string::npos)
        << sortie.Erreurs;

    const std::pair<std::string, const char*> figures[] = {{triangle, "triangle-rectangle.png"},
                                                           {homonyme.string(), "triangle-rectangle-2.png"}};
    for (const auto& [fichier, nomImage] : figures) {
        SCOPED_TRACE(nomImage);
        const Attendu attendu = OuvrirDansLaFenêtre(fichier);
        const QImage image(QString::fromStdString((images / nomImage).string()));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), attendu.Largeur);
        EXPECT_EQ(image.height(), attendu.Hauteur);
        EXPECT_TRUE(TraitAutourDe(image, attendu.XCôté, attendu.YCôté, attendu.Trait))
            << attendu.XCôté << ", " << attendu.YCôté;
    }
}

// /sys refuse tout nouveau fichier, même à root, pour qui un droit d'écriture retiré ne compte pas.
TEST(VelmorAnalyseImage, DitPourquoiLeDossierNePeutPasRecevoirLesImages)
{
    const DossierTemporaire dossier;
    const auto fichier = dossier.Écrire("figures", "");
    const std::pair<std::string, const char*> cas[] = {{fichier.string(), "ce n'est pas un dossier"},
                                                       {"/sys", "accès refusé"}};
    for (const auto& [chemin, raison] : cas) {
        SCOPED_TRACE(chemin);
        const auto sortie = LancerVelmorAnalyse({"--image", chemin, Données + "/triangle-rectangle.lum"});
        EXPECT_EQ(sortie.Code, 1);
        EXPECT_NE(sortie.Erreurs.find(chemin), std::string::npos) << sortie.Erreurs;
        EXPECT_NE(sortie.Erreurs.find(raison), std::string::npos) << sortie.Erreurs;
    }
}
