// Vue Qt du choix d'un point parmi des points confondus.
#include "qt/VueDialogue.h"
#include "ui/FormChoixPoint.h"

#include <QPushButton>
#include <memory>

namespace {

class VueFormChoixPoint : public VueDialogue {
public:
    VueFormChoixPoint(FormChoixPoint& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        Étiquette(modèle.LabConsigne);
        for (std::size_t i = 1; i <= FormChoixPoint::NbOptions; ++i)
            BoutonOption(modèle.OptionPoint[i], [&modèle, i] { modèle.OptionPoint_Click(i); });
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
        Bouton(modèle.BtonAnnuler, [&modèle] { modèle.BtonAnnuler_Click(); });
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormChoixPoint& modèle, QWidget* parent)
{
    return std::make_unique<VueFormChoixPoint>(modèle, parent);
}
