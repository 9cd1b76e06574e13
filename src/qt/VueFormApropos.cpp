// Vue Qt de la boîte « À propos », avec l'emblème dessiné : un triangle dans son repère.
#include "qt/Recopie.h"
#include "qt/VueDialogue.h"
#include "ui/FormApropos.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <memory>

namespace {

QPixmap Emblème(QSize taille)
{
    QPixmap image(taille);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const double l = taille.width();
    const double h = taille.height();
    peintre.setPen(QPen(QColor(0, 255, 255), 1));
    for (int i = 1; i < 4; ++i) {
        peintre.drawLine(QPointF(l * i / 4, 0), QPointF(l * i / 4, h));
        peintre.drawLine(QPointF(0, h * i / 4), QPointF(l, h * i / 4));
    }
    peintre.setPen(QPen(QColor(0, 0, 255), 2));
    const QPointF sommets[] = {{l * 0.2, h * 0.8}, {l * 0.8, h * 0.8}, {l * 0.5, h * 0.2}};
    peintre.drawPolygon(sommets, 3);
    return image;
}

class VueFormApropos : public VueDialogue {
public:
    VueFormApropos(FormApropos& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        static_cast<QLabel*>(Widget(modèle.Image1))
            ->setPixmap(Emblème(RectanglePixels(modèle.Image1).size()));
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormApropos& modèle, QWidget* parent)
{
    return std::make_unique<VueFormApropos>(modèle, parent);
}
