// Le dialogue où l'élève tape les noms des sommets du polygone.
#pragma once

#include "model/Messagerie.h"
#include "model/Modulebas.h"
#include "ui/Fenetre.h"
#include "ui/ZoneTexte.h"

// Avant MontrerModal : TexteConsigne. Après : ChaîneSommets ("" si l'élève a annulé).
class FormSaisie : public Fenêtre {
public:
    FormSaisie(Modulebas& m, Messagerie& messagerie, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void Form_QueryUnload() override { BtonAnnuler_Click(); }

    // Vrai si la touche passe : les majuscules et les touches de commande seulement.
    bool TextPolySeg_KeyPress(char32_t touche) const;
    void BtonOk_Click();
    void BtonAnnuler_Click();

    Contrôle LabCons;
    ZoneTexte TextPolySeg;
    Contrôle BtonOk;
    Contrôle BtonAnnuler;

private:
    Modulebas& m;
    Messagerie& messagerie;
    const Contrôle& principale;
};
