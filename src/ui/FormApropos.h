// La boîte « À propos » : version, éditeur, auteur.
#pragma once

#include "model/Modulebas.h"
#include "ui/Fenetre.h"

class FormApropos : public Fenêtre {
public:
    explicit FormApropos(const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void BtonOk_Click();

    Contrôle Image1; // l'emblème du programme
    Contrôle EtiVersion;
    Contrôle EtiEditeur;
    Contrôle EtiSite;
    Contrôle LabelAuteur;
    Contrôle BtonOk;

private:
    void ÉlargirPourÉditeur();

    const Contrôle& principale;
};
