// Vue Qt du dialogue des noms des sommets.
#include "qt/VueDialogue.h"
#include "ui/FormSaisie.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

class VueFormSaisie : public VueDialogue {
public:
    VueFormSaisie(FormSaisie& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        Étiquette(modèle.LabCons);
        ZoneTexte(modèle.TextPolySeg, {}, [&modèle](char32_t& touche) {
            if (!modèle.TextPolySeg_KeyPress(touche))
                touche = 0;
        })->setObjectName("TextPolySeg");
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
        Bouton(modèle.BtonAnnuler, [&modèle] { modèle.BtonAnnuler_Click(); });
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormSaisie& modèle, QWidget* parent)
{
    return std::make_unique<VueFormSaisie>(modèle, parent);
}
