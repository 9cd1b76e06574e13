// La fenêtre de message du programme : un titre, un texte et « Ok ».
#pragma once

#include "model/Modulebas.h"
#include "ui/Fenetre.h"

class FormMessage : public Fenêtre {
public:
    FormMessage(Modulebas& m, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void Form_QueryUnload() override;
    void BtonOk_Click();

    Contrôle LabMessage;
    Contrôle BtonOk;

private:
    Modulebas& m;
    const Contrôle& principale;
};
