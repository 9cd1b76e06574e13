// Le dialogue du nombre de décimales des mesures et des coordonnées.
#pragma once

#include "model/Modulebas.h"
#include "model/TableauBase1.h"
#include "ui/Fenetre.h"

#include <cstddef>

// Rien à régler avant MontrerModal : chaque choix change Précision aussitôt, sans annulation.
class ChoixPrécision : public Fenêtre {
public:
    static constexpr std::size_t NbChoix = 4;
    // « maximum » : toutes les décimales que le calcul garde.
    static constexpr std::uint8_t PrécisionMaximum = 11;

    ChoixPrécision(Modulebas& m, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void OpPrecis_Click(std::size_t k);
    void BtonPrecis_Click() { Fermer(); }

    Contrôle LabCons;
    Contrôle Frame1;
    TableauBase1<Contrôle> OpPrecis{NbChoix};
    Contrôle BtonPrecis;

private:
    Modulebas& m;
    const Contrôle& principale;
};
