// La fenêtre du score du jeu : score, bonus, mention et nom de l'élève, imprimable comme une attestation.
#pragma once

#include "game/TexteScore.h"
#include "model/Modulebas.h"
#include "ui/Fenetre.h"
#include "ui/Plateforme.h"

class FormScore : public Fenêtre {
public:
    FormScore(Modulebas& m, Plateforme& plateforme, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void Form_QueryUnload() override;
    void BtonImprimer_Click();
    void BtonOk_Click();

    Contrôle Shape1; // cadre décoratif autour du résultat
    Contrôle LabIdentité;
    Contrôle TextNom; // zone de texte ; la légende tient le nom tapé
    Contrôle LabImp;
    Contrôle Label2;
    Contrôle LabScore;
    Contrôle Label3;
    Contrôle LabBonus;
    Contrôle LabMention;
    Contrôle BtonImprimer;
    Contrôle BtonOk;

private:
    void PrendreAspectImpression(bool impression);
    void SignalerImpression(RésultatImpression résultat);

    Modulebas& m;
    Plateforme& plateforme;
    const Contrôle& principale;
};
