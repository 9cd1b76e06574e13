// Le rendu des marques par le canevas Qt, et l'image de la figure que la vraie fenêtre exporte : fichiers
// PNG, SVG et PDF relus, presse-papiers après Ctrl+C.
#include "qt/FenetreQt.h"
#include "support/TableCas.h"

#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>

namespace {

double Nombre(const std::string& texte)
{
    return QString::fromStdString(texte).toDouble();
}

} // namespace

TEST(RenduCanevasQt, ChaqueMarqueCouvreExactementSesPixels)
{
    constexpr Couleur Rouge{255, 0, 0};
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
        const bool horizontal = c[1] == "horizontal";
        std::set<int> attendues, couvertes, partielles;
        std::istringstream rangées(c[6]);
        for (int r; rangées >> r;)
            attendues.insert(r);
        for (int r = 0; r < 100; ++r) {
            const QColor pixel = horizontal ? image.pixelColor(50, r) : image.pixelColor(r, 50);
            if (pixel == QColor(255, 0, 0))
                couvertes.insert(r);
            else if (pixel != QColor(Qt::white))
                partielles.insert(r);
        }
        EXPECT_EQ(couvertes, attendues);
        EXPECT_TRUE(partielles.empty());
        // Au-delà de ses extrémités, le trait s'arrête.
        ASSERT_FALSE(couvertes.empty());
        const int r = *couvertes.begin();
        EXPECT_EQ(horizontal ? image.pixelColor(95, r) : image.pixelColor(r, 95), QColor(Qt::white));
    }
}

namespace {

// Le triangle A(0, 0), B(4, 0), C(0, 3) du fichier, en traits épais : son côté BC ne longe aucun axe.
class ImageQt : public FenetreQt {
protected:
    void SetUp() override
    {
        FenetreQt::SetUp();
        Ouvrir("triangle-rectangle.lum");
        Clic(k.ItemTépais);
        ASSERT_TRUE(k.ItemExporterFig.Enabled);
    }

    // Le fichier écrit, dont le dialogue ajoute le suffixe du type choisi.
    QString Exporter(const QString& nom, const std::string& type, const char* suffixe)
    {
        const QString chemin = dossier.filePath(nom);
        plateforme.images.emplace_back(chemin.toStdString(), type);
        Clic(k.ItemExporterFig);
        return chemin + QLatin1String(suffixe);
    }

    // La teinte du dernier côté tracé qui ne longe aucun axe : BC.
    QColor TeinteDeBC() const
    {
        for (const Marque& marque : k.Ecran.Marques() | std::views::reverse)
            if (marque.Genre == GenreMarque::Ligne && marque.X1 != marque.X2 && marque.Y1 != marque.Y2)
                return VersQColor(marque.Teinte);
        return {};
    }

    QTemporaryDir dossier;
};

// Autour de ce pixel, un pixel de la couleur exacte du tracé.
bool CouleurAutour(const QImage& image, QPointF centre, QColor couleur)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.pixelColor(static_cast<int>(centre.x()) + dx, static_cast<int>(centre.y()) + dy) ==
                couleur)
                return true;
    return false;
}

} // namespace

TEST_F(ImageQt, LePngALaTailleDuCanevasOuLeDoubleEtLAnalyseSeRangeDessous)
{
    const QSize canevas = vue.Canevas()->size();
    const QImage simple(Exporter(QStringLiteral("simple"), "PNG (", ".png"));
    const QImage double_(Exporter(QStringLiteral("double"), "double", ".png"));
    ASSERT_EQ(simple.size(), canevas);
    ASSERT_EQ(double_.size(), canevas * 2);
    const QPointF milieuBC = (Pixel(4, 0) + Pixel(0, 3)) / 2;
    EXPECT_TRUE(CouleurAutour(simple, milieuBC, TeinteDeBC()));
    EXPECT_TRUE(CouleurAutour(double_, milieuBC * 2, TeinteDeBC()));

    Clic(k.ItemAnalyseImage);
    const QImage légendée(Exporter(QStringLiteral("légendée"), "PNG (", ".png"));
    EXPECT_EQ(légendée.width(), canevas.width());
    EXPECT_GT(légendée.height(), canevas.height() + 20);
    EXPECT_EQ(légendée.copy(QRect(QPoint(0, 0), canevas)), simple);
}

// Les côtés sont des traits entre les sommets et les noms du texte : rien n'y est une image. Le PDF a une
// seule page.
TEST_F(ImageQt, LeSvgALesCotesEnTraitsEtLesNomsEnTexteEtLePdfUnePage)
{
    QFile svg(Exporter(QStringLiteral("figure"), "SVG", ".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader lecteur(&svg);
    QStringList textes;
    std::vector<QLineF> traits;
    int images = 0;
    while (!lecteur.atEnd()) {
        if (lecteur.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (lecteur.name() == QLatin1String("text")) {
            textes << lecteur.readElementText().trimmed();
        } else if (lecteur.name() == QLatin1String("image")) {
            ++images;
        } else if (lecteur.name() == QLatin1String("polyline")) {
            const QStringList xy = lecteur.attributes()
                                       .value(QLatin1String("points"))
                                       .toString()
                                       .split(QRegularExpression(QStringLiteral("[ ,]")), Qt::SkipEmptyParts);
            if (xy.size() == 4)
                traits.emplace_back(xy[0].toDouble(), xy[1].toDouble(), xy[2].toDouble(), xy[3].toDouble());
        }
    }
    ASSERT_FALSE(lecteur.hasError()) << lecteur.errorString().toStdString();
    for (const char* nom : {"A", "B", "C"})
        EXPECT_TRUE(textes.contains(QLatin1String(nom))) << nom;
    EXPECT_EQ(images, 0);
    const auto près = [](QPointF a, QPointF b) { return (a - b).manhattanLength() < 1.5; };
    for (const auto& [de, à] :
         {std::pair{Pixel(0, 0), Pixel(4, 0)}, {Pixel(4, 0), Pixel(0, 3)}, {Pixel(0, 3), Pixel(0, 0)}})
        EXPECT_TRUE(std::ranges::any_of(traits,
                                        [&](const QLineF& t) {
                                            return (près(t.p1(), de) && près(t.p2(), à)) ||
                                                   (près(t.p1(), à) && près(t.p2(), de));
                                        }))
            << "côté de (" << de.x() << ", " << de.y() << ")";

    QFile pdf(Exporter(QStringLiteral("figure"), "PDF", ".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString contenu = QString::fromLatin1(pdf.readAll());
    EXPECT_TRUE(contenu.startsWith(QLatin1String("%PDF-")));
    EXPECT_EQ(contenu.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
}

// Ctrl+C passe par la table des raccourcis : un traitement de texte trouve l'image et son dessin SVG.
TEST_F(ImageQt, CtrlCMetLImageEtSonSvgDansLePressePapiers)
{
    QGuiApplication::clipboard()->clear();
    Presser(Qt::CTRL | Qt::Key_C, QStringLiteral("c"));
    const QMimeData* données = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(données, nullptr);
    ASSERT_TRUE(données->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(données->imageData()).size(), vue.Canevas()->size());
    EXPECT_TRUE(données->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}
