// Vue Qt de la palette des couleurs.
#include "qt/Activable.h"
#include "qt/VueDialogue.h"
#include "ui/FormCouleurs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
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
        Étiquette(modèle.LabChoixCoul);
        for (std::size_t i = 0; i < modèle.Label2.size(); ++i) {
            QLabel* caseCouleur = Étiquette(modèle.Label2[i]);
            caseCouleur->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            caseCouleur->setObjectName(QStringLiteral("Label2_%1").arg(i));
            new Activable(caseCouleur,
                          [this, &modèle, i] { Gérer([&modèle, i] { modèle.Label2_Click(i); }); });
        }
        QLabel* sélection = Étiquette(modèle.ShapeSel);
        sélection->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* disposition = new QHBoxLayout(sélection);
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->addWidget(new CadreSélection(sélection));
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormCouleurs& modèle, QWidget* parent)
{
    return std::make_unique<VueFormCouleurs>(modèle, parent);
}
