// Vue Qt du dialogue de la précision.
#include "qt/VueDialogue.h"
#include "ui/ChoixPrecision.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {

class VueChoixPrécision : public VueDialogue {
public:
    VueChoixPrécision(ChoixPrécision& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        Étiquette(modèle.LabCons);
        Étiquette(modèle.Frame1)->setFrameStyle(QFrame::Box | QFrame::Sunken);
        for (std::size_t k = 1; k <= ChoixPrécision::NbChoix; ++k)
            BoutonOption(modèle.OpPrecis[k], [&modèle, k] { modèle.OpPrecis_Click(k); });
        Bouton(modèle.BtonPrecis, [&modèle] { modèle.BtonPrecis_Click(); })->setDefault(true);
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(ChoixPrécision& modèle, QWidget* parent)
{
    return std::make_unique<VueChoixPrécision>(modèle, parent);
}
