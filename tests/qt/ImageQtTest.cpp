// Le rendu des marques par le canevas Qt, et l'image de la figure que la vraie fenêtre exporte : fichiers
// PNG, SVG et PDF relus, presse-papiers après Ctrl+C.
#include "qt/FenetreQt.h"
#include "support/DossierTemporaire.h"
#include "support/TableCas.h"

#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>

TEST(RenduCanevasQt, ChaqueMarqueCouvreExactementSesPixels)
{
    constexpr Couleur Rouge{255, 0, 0};
    const auto Nombre = [](const std::string& texte) { return QString::fromStdString(texte).toDouble(); };
    for (const CasTable& c : LireTableCas("qt-rendu-canevas.tsv")) {
        SCOPED_TRACE(c.Où + " " + c[0]);
        // L'origine au milieu de l'image : le pixel (x, y) est en (x - 50, 50 - y).
        Canevas modèle;
        modèle.DéfinirRepère(Repère(1, 50, 100, 100));
        modèle.DrawWidth = std::stoi(c[4]);
        const double x = Nombre(c[2]) - 50, y = 50 - Nombre(c[3]);
        if (c[1] == "horizontal")
            modèle.Line(-40, y, 40, y, Rouge);
        else if (c[1] == "vertical")
            modèle.Line(x, -40, x, 40, Rouge);
        else
            modèle.PSet(x, y, Rouge);
        const int échelle = std::stoi(c[5]);
        QImage image(100 * échelle, 100 * échelle, QImage::Format_RGB32);
        QPainter peintre(&image);
        peintre.scale(échelle, échelle);
        WidgetCanevas::Rejouer(modèle, peintre, QSizeF(100, 100));
        peintre.end();

        if (c[1] == "point") {
            // Le centre de l'encre, chaque pixel pesant ce qu'il a perdu de vert, et la surface d'un disque.
            double poids = 0, sx = 0, sy = 0;
            for (int py = 0; py < image.height(); ++py)
                for (int px = 0; px < image.width(); ++px) {
                    const double encre = 1 - image.pixelColor(px, py).greenF();
                    poids += encre;
                    sx += encre * (px + 0.5);
                    sy += encre * (py + 0.5);
                }
            const double rayon = modèle.DrawWidth / 2.0 * échelle;
            EXPECT_NEAR(sx / poids, Nombre(c[2]) * échelle, 0.2);
            EXPECT_NEAR(sy / poids, Nombre(c[3]) * échelle, 0.2);
            EXPECT_NEAR(poids, 3.14159 * rayon * rayon, 0.15 * rayon * rayon);
            continue;
        }
        // Les rangées couvertes du rouge exact ; une rangée à demi couverte compterait avec un « ~ ».
        const bool horizontal = c[1] == "horizontal";
        std::string couvertes;
        for (int r = 0; r < 100; ++r) {
            const QColor pixel = horizontal ? image.pixelColor(50, r) : image.pixelColor(r, 50);
            if (pixel != QColor(Qt::white))
                couvertes += (couvertes.empty() ? "" : " ") + std::string(pixel == Qt::red ? "" : "~") +
                             std::to_string(r);
        }
        EXPECT_EQ(couvertes, c[6]);
        // Au-delà de ses extrémités, le trait s'arrête.
        const int r = std::stoi(c[6]);
        EXPECT_EQ(horizontal ? image.pixelColor(95, r) : image.pixelColor(r, 95), QColor(Qt::white));
    }
}

namespace {

// Le triangle A(0, 0), B(4, 0), C(0, 3) du fichier, en traits épais.
class ImageQt : public FenetreQt {
protected:
    void SetUp() override
    {
        FenetreQt::SetUp();
        Ouvrir("triangle-rectangle.lum");
        Clic(k.ItemTépais);
    }

    // Le fichier écrit, dont la fenêtre ajoute l'extension du type choisi. La plateforme Qt offre chaque
    // format, dans l'ordre de leur énumération.
    QString Exporter(FormatImage format, const char* suffixe)
    {
        const QString chemin = QString::fromStdString(dossier.Chemin() / std::to_string(++exportées));
        plateforme.images.push_back(FichierTypé{chemin.toStdString(), static_cast<std::size_t>(format)});
        Clic(k.ItemExporterFig);
        return chemin + QLatin1String(suffixe);
    }

    DossierTemporaire dossier;
    int exportées = 0;
};

} // namespace

// L'image simple est le canevas de l'écran, au lissage du texte près, où le côté BC, qui ne longe aucun
// axe, reste sur les autres traits ; la double a les teintes des marques, et l'analyse se range sous le
// canevas, qui ne bouge pas.
TEST_F(ImageQt, LePngMontreLeCanevasSimpleOuDoubleEtLAnalyseDessous)
{
    const QImage écran = vue.Canevas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QColor dernierOblique;
    for (const Marque& marque : k.Ecran.Marques())
        if (marque.Genre == GenreMarque::Ligne && marque.X1 != marque.X2 && marque.Y1 != marque.Y2)
            dernierOblique = VersQColor(marque.Teinte);
    EXPECT_EQ(écran.pixelColor(((Pixel(4, 0) + Pixel(0, 3)) / 2).toPoint()), dernierOblique);
    const QImage simple = QImage(Exporter(FormatImage::Png, ".png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(simple.size(), écran.size());
    int différents = 0;
    for (int y = 0; y < écran.height(); ++y)
        for (int x = 0; x < écran.width(); ++x)
            différents += écran.pixel(x, y) != simple.pixel(x, y);
    EXPECT_LT(différents, écran.width() * écran.height() / 1000);
    const QImage double_(Exporter(FormatImage::PngDouble, ".png"));
    EXPECT_EQ(double_.size(), écran.size() * 2);
    std::set<QRgb> teintes;
    for (int y = 0; y < double_.height(); ++y)
        for (int x = 0; x < double_.width(); ++x)
            teintes.insert(double_.pixel(x, y));
    for (const Marque& marque : k.Ecran.Marques())
        EXPECT_TRUE(teintes.contains(VersQColor(marque.Teinte).rgb()))
            << VersQColor(marque.Teinte).name().toStdString();

    Clic(k.ItemAnalyseImage);
    const QImage légendée = QImage(Exporter(FormatImage::Png, ".png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(légendée.width(), écran.width());
    EXPECT_GT(légendée.height(), écran.height() + 20);
    EXPECT_EQ(légendée.copy(QRect(QPoint(0, 0), écran.size())), simple);
}

// Le SVG est le dessin du bureau, relu octet pour octet par les tests de la fenêtre. Le PDF a une seule
// page.
TEST_F(ImageQt, LeSvgEstLeDessinDuBureauEtLePdfAUnePage)
{
    EXPECT_NE(LireTout(Exporter(FormatImage::Svg, ".svg").toStdString()).find("<svg"), std::string::npos);
    const QString contenu = QString::fromLatin1(LireTout(Exporter(FormatImage::Pdf, ".pdf").toStdString()));
    EXPECT_TRUE(contenu.startsWith(QLatin1String("%PDF-")));
    EXPECT_EQ(contenu.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
}

// Une image qui ne peut pas être écrite le dit par le message du programme, et ne laisse aucun fichier.
TEST_F(ImageQt, UnExportImpossibleLeDitSansRienLaisser)
{
    plateforme.images.push_back(FichierTypé{(dossier.Chemin() / "absent/figure").string(), 0});
    QString message;
    DansLaModale([&](QWidget* modale) { message = modale->findChild<QLabel*>()->text(); });
    Clic(k.ItemExporterFig);
    EXPECT_EQ(message, QStringLiteral("Problème d'accès, l'image de la figure n'a pas pu être enregistrée"));
    EXPECT_TRUE(std::filesystem::is_empty(dossier.Chemin()));
}

// Ctrl+C passe par la table des raccourcis : un traitement de texte trouve l'image et son dessin SVG.
TEST_F(ImageQt, CtrlCMetLImageEtSonSvgDansLePressePapiers)
{
    QGuiApplication::clipboard()->clear();
    Frapper(Qt::CTRL | Qt::Key_C, QStringLiteral("c"));
    const QMimeData* données = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(données, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(données->imageData()).size(), vue.Canevas()->size());
    EXPECT_TRUE(données->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}
