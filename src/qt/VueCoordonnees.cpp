// Vue Qt du dialogue des coordonnées d'un point.
#include "qt/FiltreClic.h"
#include "qt/VueDialogue.h"
#include "ui/Coordonnees.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

class VueCoordonnées : public VueDialogue {
public:
    VueCoordonnées(Coordonnées& modèle, QWidget* parent) : VueDialogue(modèle, parent), modèle(modèle)
    {
        for (Contrôle* c : {&modèle.LabCons, &modèle.LabX, &modèle.EtiLimiteX, &modèle.LabY,
                            &modèle.EtiLimiteY, &modèle.LabConsP, &modèle.LabPt, &modèle.LabPos})
            Étiquette(*c);
        saisieX = ZoneTexte(modèle.SaisieX);
        saisieX->setObjectName("SaisieX");
        saisieY = ZoneTexte(modèle.SaisieY);
        saisieY->setObjectName("SaisieY");
        nomPoint = ZoneTexte(
            modèle.NomPoint, [&modèle] { modèle.NomPoint_Change(); },
            [this, &modèle](char32_t& touche) {
                // Le modèle décide d'après le curseur, puis le widget insère là où il l'a laissé.
                modèle.NomPoint.SelStart = static_cast<std::size_t>(nomPoint->cursorPosition());
                if (!modèle.NomPoint_KeyPress(touche))
                    touche = 0;
                nomPoint->setCursorPosition(static_cast<int>(modèle.NomPoint.SelStart));
            });
        nomPoint->setObjectName("NomPoint");

        // Le cadre d'abord : les cases et le point se dessinent par-dessus.
        Étiquette(modèle.Frame1)->setFrameStyle(QFrame::Box | QFrame::Sunken);
        Étiquette(modèle.Shape1);
        for (std::size_t i = 1; i <= Coordonnées::NbPositions; ++i) {
            QLabel* caseP = Étiquette(modèle.Position[i]);
            caseP->setFrameStyle(QFrame::Box | QFrame::Plain);
            caseP->setObjectName(QStringLiteral("Position%1").arg(i));
            new FiltreClic(caseP, [this, &modèle, i] { Gérer([&modèle, i] { modèle.Position_Click(i); }); });
        }

        QPushButton* ok = Bouton(modèle.BtonValider, [this, &modèle] {
            modèle.BtonValider_Click();
            Rafraîchir();
            MontrerFaute();
        });
        ok->setObjectName("BtonValider");
        ok->setDefault(true);
        Bouton(modèle.BtonAnnuler, [&modèle] { modèle.BtonAnnuler_Click(); })->setObjectName("BtonAnnuler");
    }

private:
    // La zone en faute reçoit le focus, ses caractères fautifs sélectionnés.
    void MontrerFaute()
    {
        for (auto [zone, widget] :
             {std::pair{&modèle.SaisieX, saisieX}, std::pair{&modèle.SaisieY, saisieY}}) {
            if (!zone->DemandeFocus)
                continue;
            zone->DemandeFocus = false;
            widget->setFocus(Qt::OtherFocusReason);
            widget->setSelection(static_cast<int>(zone->SelStart), static_cast<int>(zone->SelLength));
        }
    }

    Coordonnées& modèle;
    QLineEdit* saisieX = nullptr;
    QLineEdit* saisieY = nullptr;
    QLineEdit* nomPoint = nullptr;
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(Coordonnées& modèle, QWidget* parent)
{
    return std::make_unique<VueCoordonnées>(modèle, parent);
}
