// Vue Qt de la fenêtre de confirmation des fichiers de figure.
#include "qt/VueDialogue.h"
#include "ui/FormFichier.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {

class VueFormFichier : public VueDialogue {
public:
    VueFormFichier(FormFichier& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        Étiquette(modèle.LabMessage)->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
        Bouton(modèle.BtonAnnuler, [&modèle] { modèle.BtonAnnuler_Click(); });
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormFichier& modèle, QWidget* parent)
{
    return std::make_unique<VueFormFichier>(modèle, parent);
}
