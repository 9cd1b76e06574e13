#include "platform/qt/Recopie.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

double TwipsParPixel(double pointsParPouce)
{
    return pointsParPouce > 0 ? 1440.0 / pointsParPouce : 15.0;
}

int VersPixels(int twips, double twipsParPixel)
{
    return static_cast<int>(std::lround(twips / twipsParPixel));
}

Qt::CursorShape FormeQt(Pointeur p)
{
    switch (p) {
    case Pointeur::Flèche:
        return Qt::ArrowCursor;
    case Pointeur::Personnalisé:
        return Qt::PointingHandCursor;
    case Pointeur::Normal:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

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
    widget.setCursor(FormeQt(c.MousePointer));

    if (widget.parentWidget() && widget.isVisibleTo(widget.parentWidget()) != c.Visible)
        widget.setVisible(c.Visible);
}
