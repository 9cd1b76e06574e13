#include "qt/RenduFigure.h"

#include "files/EcritureFichier.h"
#include "qt/Recopie.h"
#include "qt/WidgetCanevas.h"
#include "ui/DessinSvg.h"
#include "ui/DispositionImage.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double PouceEnMètres = 0.0254;

// Une taille en pixels de l'écran : le texte grandit alors avec le dessin quand le peintre l'agrandit, sur
// une image double comme sur la page de l'imprimante.
QFont Police(int pixels, bool gras = false)
{
    QFont police = QGuiApplication::font();
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

DispositionImage Disposer(const ImageFigure& image)
{
    return DisposerImage(image, TwipsParPixelX());
}

// Une étiquette comme la montre sa vue : son fond s'il en a un, son texte à gauche, centré en hauteur.
void PeindreÉtiquette(const Contrôle& étiquette, QPainter& peintre)
{
    const QRectF cadre = RectanglePixels(étiquette);
    if (étiquette.BackColor)
        peintre.fillRect(cadre, VersQColor(*étiquette.BackColor));
    peintre.setPen(étiquette.ForeColor ? VersQColor(*étiquette.ForeColor)
                                       : QGuiApplication::palette().color(QPalette::WindowText));
    peintre.setFont(Police(PixelsPolice(étiquette.FontSize, TwipsParPixelY())));
    peintre.drawText(cadre, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     VersLégende(étiquette.Caption));
}

} // namespace

QSizeF TailleImage(const ImageFigure& image)
{
    const DispositionImage d = Disposer(image);
    return QSizeF(d.Largeur, d.Hauteur);
}

void PeindreImage(const ImageFigure& image, QPainter& peintre)
{
    if (!image.Ecran)
        return;
    const DispositionImage d = Disposer(image);
    peintre.fillRect(QRectF(0, 0, d.Largeur, d.Hauteur), Qt::white);
    peintre.setPen(Qt::black);
    for (const LigneImage& ligne : d.Lignes) {
        peintre.setFont(Police(ligne.Taille, ligne.Gras));
        peintre.drawText(QPointF(ligne.X, ligne.Base), VersQString(ligne.Texte));
    }

    // Les étiquettes sont des enfants du canevas : comme à l'écran, elles s'arrêtent à son bord.
    peintre.save();
    const QSizeF canevas(d.Largeur, d.HauteurCanevas);
    peintre.translate(0, d.HautCanevas);
    peintre.setClipRect(QRectF(QPointF(0, 0), canevas));
    WidgetCanevas::Rejouer(*image.Ecran, peintre, canevas);
    for (const Contrôle* étiquette : image.Étiquettes)
        PeindreÉtiquette(*étiquette, peintre);
    peintre.restore();
}

QImage ImageEnPixels(const ImageFigure& image, int agrandissement)
{
    const QSizeF taille = TailleImage(image) * agrandissement;
    QImage pixels(static_cast<int>(std::ceil(taille.width())), static_cast<int>(std::ceil(taille.height())),
                  QImage::Format_RGB32);
    pixels.fill(Qt::white);
    // Posée dans un document, l'image double garde la taille de l'écran, deux fois plus fine.
    const double pointsParPouce = 1440.0 / TwipsParPixelX() * agrandissement;
    pixels.setDotsPerMeterX(static_cast<int>(std::lround(pointsParPouce / PouceEnMètres)));
    pixels.setDotsPerMeterY(static_cast<int>(std::lround(pointsParPouce / PouceEnMètres)));
    QPainter peintre(&pixels);
    peintre.scale(agrandissement, agrandissement);
    PeindreImage(image, peintre);
    return pixels;
}

QByteArray PagePdf(const ImageFigure& image)
{
    const double pointsParPouce = 1440.0 / TwipsParPixelX();
    const QSizeF taille = TailleImage(image);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter page(&tampon);
    page.setResolution(static_cast<int>(std::lround(pointsParPouce)));
    page.setPageSize(QPageSize(taille / pointsParPouce, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    page.setPageMargins(QMarginsF(0, 0, 0, 0));
    page.setTitle(QStringLiteral("Figure de Velmor"));
    page.setCreator(QStringLiteral("Velmor"));
    QPainter peintre;
    if (!peintre.begin(&page))
        return {};
    PeindreImage(image, peintre);
    return peintre.end() ? octets : QByteArray();
}

bool ImprimerSurPage(const ImageFigure& image, QPagedPaintDevice& page)
{
    const QSizeF taille = TailleImage(image);
    QPainter peintre;
    if (taille.isEmpty() || !peintre.begin(&page))
        return false;
    const double facteur = std::min(page.width() / taille.width(), page.height() / taille.height());
    peintre.translate((page.width() - taille.width() * facteur) / 2, 0);
    peintre.scale(facteur, facteur);
    PeindreImage(image, peintre);
    return peintre.end();
}

namespace {

QByteArray Png(const ImageFigure& image, int agrandissement)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    return ImageEnPixels(image, agrandissement).save(&tampon, "PNG") ? octets : QByteArray();
}

QByteArray OctetsImage(const ImageFigure& image, FormatImage format)
{
    switch (format) {
    case FormatImage::Png:
        return Png(image, 1);
    case FormatImage::PngDouble:
        return Png(image, 2);
    case FormatImage::Svg:
        return QByteArray::fromStdString(DessinSvg(image));
    case FormatImage::Pdf:
        return PagePdf(image);
    }
    return {};
}

} // namespace

bool ÉcrireOctets(const QString& chemin, const QByteArray& octets)
{
    const std::string_view vue(octets.constData(), static_cast<std::size_t>(octets.size()));
    return !RemplacerFichier(QFile::encodeName(chemin).toStdString(), vue, LienFinal::Suivi);
}

bool ÉcrireImage(const ImageFigure& image, FormatImage format, const QString& chemin)
{
    // Composée en mémoire, l'image est écrite entière ou pas du tout : un disque plein se dit.
    const QByteArray octets = OctetsImage(image, format);
    return !octets.isEmpty() && ÉcrireOctets(chemin, octets);
}
