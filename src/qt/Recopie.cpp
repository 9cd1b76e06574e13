#include "qt/Recopie.h"

#include "qt/MarqueFocus.h"
#include "ui/NomLu.h"
#include "ui/Pixels.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Le pointeur personnalisé du programme : une petite cible, pour viser un point ou une figure.
QCursor PointeurPersonnalisé()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(Qt::white, 3));
    peintre.drawEllipse(QPointF(16, 16), 7, 7);
    peintre.drawLine(16, 2, 16, 30);
    peintre.drawLine(2, 16, 30, 16);
    peintre.setPen(QPen(QColor(0, 0, 160), 1.5));
    peintre.drawEllipse(QPointF(16, 16), 7, 7);
    peintre.drawLine(16, 2, 16, 30);
    peintre.drawLine(2, 16, 30, 16);
    return QCursor(image, 16, 16);
}

} // namespace

QCursor CurseurQt(Pointeur p)
{
    if (p == Pointeur::Personnalisé) {
        static const QCursor personnalisé = PointeurPersonnalisé();
        return personnalisé;
    }
    return QCursor(Qt::ArrowCursor);
}

double TwipsParPixelX()
{
    const QScreen* écran = QGuiApplication::primaryScreen();
    return TwipsParPixel(écran ? écran->logicalDotsPerInchX() : 96.0);
}

double TwipsParPixelY()
{
    const QScreen* écran = QGuiApplication::primaryScreen();
    return TwipsParPixel(écran ? écran->logicalDotsPerInchY() : 96.0);
}

QRect RectanglePixels(const Contrôle& c)
{
    const double tx = TwipsParPixelX();
    const double ty = TwipsParPixelY();
    return QRect(VersPixels(c.Left, tx), VersPixels(c.Top, ty), VersPixels(c.Width, tx),
                 VersPixels(c.Height, ty));
}

void RecopierContrôle(QWidget& widget, const Contrôle& c)
{
    const QRect rectangle = RectanglePixels(c);
    if (widget.geometry() != rectangle)
        widget.setGeometry(rectangle);
    widget.setEnabled(c.Enabled);
    widget.setToolTip(VersQString(c.ToolTipText));
    // Qt annonce chaque nom ou description posé, même inchangé : un lecteur d'écran le relirait à chaque
    // évènement.
    if (const QString nom = VersQString(NomLu(c)); widget.accessibleName() != nom)
        widget.setAccessibleName(nom);
    if (const QString description = VersQString(c.DescriptionAccessible);
        widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
    // Une légende peut venir d'un fichier ou de l'élève (un nom de figure) : elle n'est jamais du HTML.
    if (auto* étiquette = qobject_cast<QLabel*>(&widget))
        étiquette->setTextFormat(Qt::PlainText);

    // On repart de la palette par défaut pour qu'une couleur retirée du modèle disparaisse aussi.
    QPalette palette = QApplication::palette(&widget);
    if (c.BackColor) {
        for (auto rôle : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(rôle, VersQColor(*c.BackColor));
    }
    if (c.ForeColor) {
        for (auto rôle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(rôle, VersQColor(*c.ForeColor));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(c.BackColor.has_value());

    QFont police = widget.font();
    if (police.pointSizeF() != c.FontSize)
        police.setPointSizeF(c.FontSize);
    widget.setFont(police);
    widget.setCursor(CurseurQt(c.MousePointer));
    PoserMarqueFocus(widget, c.Focus);

    if (widget.parentWidget() && widget.isVisibleTo(widget.parentWidget()) != c.Visible)
        widget.setVisible(c.Visible);
}
