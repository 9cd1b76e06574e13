// La fenêtre des textes longs : une information à fermer, ou une confirmation à valider ou annuler.
#pragma once

#include "model/Modulebas.h"
#include "ui/Fenetre.h"

class FormTexteAgrandi : public Fenêtre {
public:
    FormTexteAgrandi(Modulebas& m, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void Form_QueryUnload() override;
    void BtonValider_Click();
    void BtonAnnuler_Click();
    void BtonFermer_Click();

    Contrôle LabFond;
    Contrôle TexteE1Ag; // zone de texte multiligne en lecture seule ; la légende tient le texte
    Contrôle LabConsigne;
    Contrôle BtonValider;
    Contrôle BtonAnnuler;
    Contrôle BtonFermer;

private:
    void Abandonner();

    Modulebas& m;
    const Contrôle& principale;
};
