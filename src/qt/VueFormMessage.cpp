// Vue Qt de la fenêtre de message.
#include "qt/VueDialogue.h"
#include "ui/FormMessage.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {

class VueFormMessage : public VueDialogue {
public:
    VueFormMessage(FormMessage& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        Étiquette(modèle.LabMessage);
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormMessage& modèle, QWidget* parent)
{
    return std::make_unique<VueFormMessage>(modèle, parent);
}
