#include "qt/RenduFigure.h"

#include "files/EcritureFichier.h"
#include "qt/Recopie.h"
#include "qt/WidgetCanevas.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Marge = 8;
constexpr double PoliceTitre = 12;
constexpr double PoliceLégende = 10;
constexpr int Drapeaux = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr double PouceEnMètres = 0.0254;

// Une taille en points devient une taille en pixels de l'écran : le texte grandit alors avec le dessin
// quand le peintre l'agrandit, sur une image double comme sur la page de l'imprimante.
QFont Police(double points, bool gras = false)
{
    QFont police = QGuiApplication::font();
    police.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * 1440.0 / 72.0 / TwipsParPixelY()))));
    police.setBold(gras);
    return police;
}

QSizeF TailleCanevas(const ImageFigure& image)
{
    return image.Ecran ? QSizeF(RectanglePixels(image.Ecran->Cadre).size()) : QSizeF();
}

// Les blocs de l'image, de haut en bas, à la largeur du canevas.
struct Disposition {
    QRectF Titre;
    QRectF Canevas;
    std::vector<QRectF> Légende;
    double Hauteur = 0;
};

QRectF BlocDeTexte(const QString& texte, const QFont& police, double largeur, double haut)
{
    const QRectF zone(Marge, haut, std::max(largeur - 2 * Marge, 1.0), 1e6);
    const QRectF occupé = QFontMetricsF(police).boundingRect(zone, Drapeaux, texte);
    return QRectF(zone.left(), haut, zone.width(), occupé.height());
}

Disposition Disposer(const ImageFigure& image)
{
    Disposition d;
    const QSizeF canevas = TailleCanevas(image);
    double haut = 0;
    if (!image.Titre.empty()) {
        d.Titre = BlocDeTexte(VersQString(image.Titre), Police(PoliceTitre, true), canevas.width(), Marge);
        haut = d.Titre.bottom() + Marge;
    }
    d.Canevas = QRectF(QPointF(0, haut), canevas);
    haut = d.Canevas.bottom() + (image.Légende.empty() ? 0 : Marge);
    for (const std::string& ligne : image.Légende) {
        d.Légende.push_back(BlocDeTexte(VersQString(ligne), Police(PoliceLégende), canevas.width(), haut));
        haut = d.Légende.back().bottom() + Marge / 2;
    }
    d.Hauteur = haut + (image.Légende.empty() ? 0 : Marge / 2);
    return d;
}

// Une étiquette comme la montre sa vue : son fond s'il en a un, son texte à gauche, centré en hauteur.
void PeindreÉtiquette(const Contrôle& étiquette, QPainter& peintre)
{
    const QRectF cadre = RectanglePixels(étiquette);
    if (étiquette.BackColor)
        peintre.fillRect(cadre, VersQColor(*étiquette.BackColor));
    peintre.setPen(étiquette.ForeColor ? VersQColor(*étiquette.ForeColor)
                                       : QGuiApplication::palette().color(QPalette::WindowText));
    peintre.setFont(Police(étiquette.FontSize));
    peintre.drawText(cadre, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     VersLégende(étiquette.Caption));
}

} // namespace

QSizeF TailleImage(const ImageFigure& image)
{
    return QSizeF(TailleCanevas(image).width(), Disposer(image).Hauteur);
}

void PeindreImage(const ImageFigure& image, QPainter& peintre)
{
    if (!image.Ecran)
        return;
    const Disposition d = Disposer(image);
    peintre.fillRect(QRectF(0, 0, d.Canevas.width(), d.Hauteur), Qt::white);
    peintre.setPen(Qt::black);
    if (!image.Titre.empty()) {
        peintre.setFont(Police(PoliceTitre, true));
        peintre.drawText(d.Titre, Drapeaux, VersQString(image.Titre));
    }
    for (std::size_t k = 0; k < d.Légende.size(); ++k) {
        peintre.setFont(Police(PoliceLégende));
        peintre.drawText(d.Légende[k], Drapeaux, VersQString(image.Légende[k]));
    }

    // Les étiquettes sont des enfants du canevas : comme à l'écran, elles s'arrêtent à son bord.
    peintre.save();
    peintre.translate(d.Canevas.topLeft());
    peintre.setClipRect(QRectF(QPointF(0, 0), d.Canevas.size()));
    WidgetCanevas::Rejouer(*image.Ecran, peintre, d.Canevas.size());
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

QByteArray DessinSvg(const ImageFigure& image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    const QSizeF taille = TailleImage(image);
    QSvgGenerator dessin;
    dessin.setOutputDevice(&tampon);
    dessin.setSize(taille.toSize());
    dessin.setViewBox(QRectF(QPointF(0, 0), taille));
    dessin.setResolution(static_cast<int>(std::lround(1440.0 / TwipsParPixelX())));
    dessin.setTitle(QStringLiteral("Figure de Velmor"));
    dessin.setDescription(image.Légende.empty() ? QString() : VersQString(image.Légende.front()));
    QPainter peintre(&dessin);
    PeindreImage(image, peintre);
    peintre.end();
    return octets;
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
        return DessinSvg(image);
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
