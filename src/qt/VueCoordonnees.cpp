// Vue Qt du dialogue des coordonnées d'un point.
#include "qt/Activable.h"
#include "qt/VueDialogue.h"
#include "ui/Coordonnees.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
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
            cases[i] = caseP;
            new Activable(
                caseP, [this, &modèle, i] { Gérer([&modèle, i] { modèle.Position_Click(i); }); }, {},
                [this, i](int touche) { return ChoisirVoisine(i, touche); });
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
    // Les flèches vont à la case voisine et la choisissent, comme entre des boutons d'option :
    // 1 haut-gauche, 2 bas-gauche, 3 bas-droite, 4 haut-droite.
    bool ChoisirVoisine(std::size_t i, int touche)
    {
        constexpr std::size_t autreColonne[] = {0, 4, 3, 2, 1};
        constexpr std::size_t autreLigne[] = {0, 2, 1, 4, 3};
        const bool àGauche = i <= 2;
        const bool enHaut = i == 1 || i == 4;
        std::size_t voisine = 0;
        if ((touche == Qt::Key_Left && !àGauche) || (touche == Qt::Key_Right && àGauche))
            voisine = autreColonne[i];
        else if ((touche == Qt::Key_Up && !enHaut) || (touche == Qt::Key_Down && enHaut))
            voisine = autreLigne[i];
        if (voisine == 0)
            return false;
        cases[voisine]->setFocus(Qt::TabFocusReason);
        Gérer([this, voisine] { modèle.Position_Click(voisine); });
        return true;
    }

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
    std::array<QLabel*, Coordonnées::NbPositions + 1> cases{}; // de 1 à NbPositions
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(Coordonnées& modèle, QWidget* parent)
{
    return std::make_unique<VueCoordonnées>(modèle, parent);
}
