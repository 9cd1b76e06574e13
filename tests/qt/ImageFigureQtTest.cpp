// L'image de la figure exportée par la vraie fenêtre, hors écran : les fichiers PNG, SVG et PDF relus,
// et le presse-papiers après Ctrl+C.
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"
#include "qt/WidgetCanevas.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <deque>
#include <gtest/gtest.h>

namespace {

// Le dialogue des images rend le fichier préparé par le test, sans s'ouvrir.
class PlateformeSansDialogue : public PlateformeQt {
public:
    std::optional<FichierTypé> DialogueEnregistrerTypé(const std::string&, const std::vector<std::string>&,
                                                       const std::string&, const std::string&) override
    {
        if (réponses.empty())
            return std::nullopt;
        FichierTypé réponse = réponses.front();
        réponses.pop_front();
        return réponse;
    }

    std::deque<FichierTypé> réponses;
};

enum Type : std::size_t { Png, PngDouble, Svg, Pdf };

const QColor Bleu(0, 0, 255);

// Le triangle A(0, 0), B(4, 0), C(0, 3) du fichier, en traits épais : son côté BC ne longe aucun axe.
class ImageFigureQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        plateforme.DéfinirFenêtrePrincipale(k.Form, &vue);
        vue.Démarrer();
        vue.Gérer([this] { k.OuvrirFichierFigure(VELMOR_DONNEES_TESTS "/triangle-rectangle.lum"); });
        vue.Gérer([this] { k.Cliquer(k.ItemTépais); });
        QApplication::processEvents();
        ASSERT_TRUE(k.ItemExporterFig.Enabled);
    }

    QString Exporter(const QString& nom, Type type)
    {
        const QString chemin = dossier.filePath(nom);
        plateforme.réponses.push_back({chemin.toStdString(), type});
        vue.Gérer([this] { k.Cliquer(k.ItemExporterFig); });
        return chemin;
    }

    // Un point de la figure en pixels du canevas.
    QPointF Pixel(double x, double y) const
    {
        const Repère& r = k.Ecran.RepèreCourant();
        const QSize taille = vue.Canevas()->size();
        const PointPlan p = r.VersPixels(r.DepuisFigure(x, y), taille.width(), taille.height());
        return {p.X, p.Y};
    }

    QTemporaryDir dossier;
    Modulebas m;
    PlateformeSansDialogue plateforme;
    Korvane k{m, plateforme};
    VueKorvane vue{k};
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

TEST_F(ImageFigureQt, LePngALaTailleDuCanevasOuLeDoubleEtLesCotesEnCouleur)
{
    const QSize canevas = vue.Canevas()->size();
    const QImage simple(Exporter(QStringLiteral("simple"), Png) + ".png");
    const QImage double_(Exporter(QStringLiteral("double"), PngDouble) + ".png");
    ASSERT_FALSE(simple.isNull());
    ASSERT_FALSE(double_.isNull());
    EXPECT_EQ(simple.size(), canevas);
    EXPECT_EQ(double_.size(), canevas * 2);

    const QPointF milieuBC = (Pixel(4, 0) + Pixel(0, 3)) / 2;
    EXPECT_TRUE(CouleurAutour(simple, milieuBC, Bleu));
    EXPECT_TRUE(CouleurAutour(double_, milieuBC * 2, Bleu));
    // Loin de tout trait, le fond du canevas.
    EXPECT_EQ(simple.pixelColor((Pixel(2, -2) + QPointF(0.5, 0.5)).toPoint()), QColor(Qt::white));

    // L'analyse se range sous le canevas, qui ne bouge pas.
    vue.Gérer([this] { k.Cliquer(k.ItemAnalyseImage); });
    const QImage légendée(Exporter(QStringLiteral("légendée"), Png) + ".png");
    EXPECT_EQ(légendée.width(), canevas.width());
    EXPECT_GT(légendée.height(), canevas.height() + 20);
    EXPECT_EQ(légendée.copy(QRect(QPoint(0, 0), canevas)), simple);
}

// Les côtés sont des traits entre les sommets et les noms du texte : rien n'y est une image.
TEST_F(ImageFigureQt, LeSvgALesCotesEnTraitsEtLesNomsEnTexte)
{
    QFile fichier(Exporter(QStringLiteral("figure"), Svg) + ".svg");
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    QXmlStreamReader lecteur(&fichier);
    QStringList textes;
    std::vector<QString> traitsDesGroupes{QString()};
    std::vector<std::vector<QPointF>> lignesBleues;
    int images = 0;
    while (!lecteur.atEnd()) {
        lecteur.readNext();
        if (lecteur.isEndElement() && lecteur.name() == QLatin1String("g"))
            traitsDesGroupes.pop_back();
        if (!lecteur.isStartElement())
            continue;
        const QString élément = lecteur.name().toString();
        if (élément == QLatin1String("g")) {
            const QString trait = lecteur.attributes().value(QLatin1String("stroke")).toString();
            traitsDesGroupes.push_back(trait.isEmpty() ? traitsDesGroupes.back() : trait);
        } else if (élément == QLatin1String("text")) {
            textes << lecteur.readElementText().trimmed();
        } else if (élément == QLatin1String("image")) {
            ++images;
        } else if (élément == QLatin1String("polyline") &&
                   traitsDesGroupes.back() == QLatin1String("#0000ff")) {
            std::vector<QPointF> sommets;
            const QString points = lecteur.attributes().value(QLatin1String("points")).toString();
            for (const QString& point : points.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QStringList xy = point.split(QLatin1Char(','));
                sommets.emplace_back(xy.value(0).toDouble(), xy.value(1).toDouble());
            }
            lignesBleues.push_back(sommets);
        }
    }
    ASSERT_FALSE(lecteur.hasError()) << lecteur.errorString().toStdString();
    for (const char* nom : {"O", "I", "J", "A", "B", "C"})
        EXPECT_TRUE(textes.contains(QLatin1String(nom))) << nom;
    EXPECT_EQ(images, 0);

    const auto près = [](QPointF a, QPointF b) { return (a - b).manhattanLength() < 1.5; };
    for (const auto& [de, à] :
         {std::pair{Pixel(0, 0), Pixel(4, 0)}, {Pixel(4, 0), Pixel(0, 3)}, {Pixel(0, 3), Pixel(0, 0)}}) {
        const bool tracé = std::ranges::any_of(lignesBleues, [&](const std::vector<QPointF>& l) {
            return l.size() == 2 && ((près(l[0], de) && près(l[1], à)) || (près(l[0], à) && près(l[1], de)));
        });
        EXPECT_TRUE(tracé) << "côté de (" << de.x() << ", " << de.y() << ")";
    }
}

TEST_F(ImageFigureQt, LePdfAUneSeulePage)
{
    QFile fichier(Exporter(QStringLiteral("figure"), Pdf) + ".pdf");
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QString contenu = QString::fromLatin1(fichier.readAll());
    EXPECT_TRUE(contenu.startsWith(QLatin1String("%PDF-")));
    EXPECT_EQ(contenu.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
}

// Ctrl+C passe par la table des raccourcis : un traitement de texte trouve l'image et son dessin SVG.
TEST_F(ImageFigureQt, CtrlCMetLImageEtSonSvgDansLePressePapiers)
{
    QGuiApplication::clipboard()->clear();
    vue.activateWindow();
    QApplication::processEvents();
    QKeyEvent copier(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &vue, &copier);

    const QMimeData* données = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(données, nullptr);
    ASSERT_TRUE(données->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(données->imageData()).size(), vue.Canevas()->size());
    EXPECT_TRUE(données->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}
