// Vue Qt de la fenêtre des textes longs.
#include "qt/VueDialogue.h"
#include "ui/FormTexteAgrandi.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace {

class VueFormTexteAgrandi : public VueDialogue {
public:
    VueFormTexteAgrandi(FormTexteAgrandi& modèle, QWidget* parent) : VueDialogue(modèle, parent)
    {
        Étiquette(modèle.LabFond);
        // Le texte se lit sans prendre le clavier : Entrée va au bouton montré (Fermer ou Valider).
        QPlainTextEdit* texte = ZoneTexteMultiligne(modèle.TexteE1Ag, true);
        texte->setFrameShape(QFrame::NoFrame);
        texte->setFocusPolicy(Qt::NoFocus);
        Étiquette(modèle.LabConsigne);
        QPushButton* valider = Bouton(modèle.BtonValider, [&modèle] { modèle.BtonValider_Click(); });
        Bouton(modèle.BtonAnnuler, [&modèle] { modèle.BtonAnnuler_Click(); });
        QPushButton* fermer = Bouton(modèle.BtonFermer, [&modèle] { modèle.BtonFermer_Click(); });
        // Le bouton par défaut suit celui que le modèle montre ; la recopie du bouton est déjà liée.
        Lier(nullptr, modèle.BtonValider, [valider, fermer, &modèle] {
            (modèle.BtonValider.Visible ? valider : fermer)->setDefault(true);
        });
    }
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormTexteAgrandi& modèle, QWidget* parent)
{
    return std::make_unique<VueFormTexteAgrandi>(modèle, parent);
}
