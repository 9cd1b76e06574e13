// Le dialogue qui fait choisir, parmi des points confondus, celui à modifier.
#pragma once

#include "model/Modulebas.h"
#include "model/TableauBase1.h"
#include "ui/Fenetre.h"

#include <cstddef>
#include <string>

// Avant MontrerModal : NommerOption pour chacun des quatre premiers points sous le pointeur.
// Après : NumPointModif (1 à 4 : l'option choisie ; 0 : annulé).
class FormChoixPoint : public Fenêtre {
public:
    static constexpr std::size_t NbOptions = 4;

    FormChoixPoint(Modulebas& m, const Contrôle& principale);

    // L'option i (1 à 4) devient « Point » suivi du nom, et se montre.
    void NommerOption(std::size_t i, const std::string& nom);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void Form_QueryUnload() override { BtonAnnuler_Click(); }

    void OptionPoint_Click(std::size_t i);
    void BtonOk_Click();
    void BtonAnnuler_Click();

    Contrôle LabConsigne;
    TableauBase1<Contrôle> OptionPoint{NbOptions};
    Contrôle BtonOk;
    Contrôle BtonAnnuler;

private:
    Modulebas& m;
    const Contrôle& principale;
};
