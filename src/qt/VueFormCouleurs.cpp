// Vue Qt de la palette des couleurs : le cadre dessiné de la case choisie.
#include "qt/VueDialogue.h"
#include "ui/FormCouleurs.h"

#include <QHBoxLayout>
#include <QPainter>
#include <memory>

namespace {

// Le cadre de la case choisie : noir et blanc, pour se voir sur toutes les couleurs.
class CadreSélection : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        peintre.setPen(QPen(Qt::black, 2));
        peintre.drawRect(rect().adjusted(1, 1, -1, -1));
        peintre.setPen(QPen(Qt::white, 1));
        peintre.drawRect(rect().adjusted(3, 3, -4, -4));
    }
};

class VueFormCouleurs : public VueDialogue {
public:
    VueFormCouleurs(FormCouleurs& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        QWidget* sélection = Widget(modèle.ShapeSel);
        auto* disposition = new QHBoxLayout(sélection);
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->addWidget(new CadreSélection(sélection));
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormCouleurs& modèle, QWidget* parent)
{
    return std::make_unique<VueFormCouleurs>(modèle, parent);
}
