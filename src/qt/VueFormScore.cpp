// Vue Qt de la fenêtre du score.
#include "qt/VueDialogue.h"
#include "ui/FormScore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

class VueFormScore : public VueDialogue {
public:
    VueFormScore(FormScore& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        // Le cadre d'abord, pour qu'il reste sous les étiquettes qu'il entoure.
        QLabel* cadre = Étiquette(modèle.Shape1);
        cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
        cadre->setLineWidth(2);
        Étiquette(modèle.LabIdentité);
        ZoneTexte(modèle.TextNom);
        Étiquette(modèle.LabImp);
        Étiquette(modèle.Label2);
        Étiquette(modèle.LabScore);
        Étiquette(modèle.Label3);
        Étiquette(modèle.LabBonus);
        Étiquette(modèle.LabMention);
        Bouton(modèle.BtonImprimer, [&modèle] { modèle.BtonImprimer_Click(); });
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormScore& modèle, QWidget* parent)
{
    return std::make_unique<VueFormScore>(modèle, parent);
}
