// Vue Qt de la fenêtre des angles : le petit dessin de chaque angle.
#include "qt/VueDialogue.h"
#include "ui/FormAngle.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <memory>

namespace {

// Le petit dessin d'un angle : deux côtés issus d'un sommet et l'arc qui marque l'angle.
class ImageAngle : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
        const QPointF sommet(r.left(), r.bottom());
        const QPointF bout1(r.right(), r.bottom());
        const QPointF bout2(r.left() + r.width() * 0.6, r.top());
        peintre.setPen(QPen(QColor(0, 0, 160), 1.5));
        peintre.drawLine(sommet, bout1);
        peintre.drawLine(sommet, bout2);
        const double rayon = r.width() * 0.45;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(sommet.x() - rayon, sommet.y() - rayon, 2 * rayon, 2 * rayon), 0);
        arc.arcTo(QRectF(sommet.x() - rayon, sommet.y() - rayon, 2 * rayon, 2 * rayon), 0, 59);
        peintre.setPen(QPen(QColor(200, 0, 0), 1.5));
        peintre.drawPath(arc);
    }
};

class VueFormAngle : public VueDialogue {
public:
    VueFormAngle(FormAngle& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        for (const Contrôle& image : modèle.PictureAngle) {
            QWidget* cadre = Widget(image);
            auto* disposition = new QHBoxLayout(cadre);
            disposition->setContentsMargins(0, 0, 0, 0);
            disposition->addWidget(new ImageAngle(cadre));
        }
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormAngle& modèle, QWidget* parent)
{
    return std::make_unique<VueFormAngle>(modèle, parent);
}
