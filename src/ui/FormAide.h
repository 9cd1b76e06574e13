// La fenêtre d'aide : le sommaire des rubriques de Velmor.dat à gauche, la rubrique choisie à droite.
#pragma once

#include "files/ClassLireAide.h"
#include "model/Modulebas.h"
#include "ui/Fenetre.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Messagerie;

class FormAide : public Fenêtre {
public:
    FormAide(Modulebas& m, Messagerie& messagerie, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    // La vue écrit la nouvelle taille dans Form puis appelle ce gestionnaire.
    void Form_Resize();
    void ListChapitresAide_Click(int k);
    void BtonOk_Click();

    Contrôle EtiSommaire;
    Contrôle ListChapitresAide;
    std::vector<std::string> ÉlémentsSommaire; // les lignes de ListChapitresAide
    int IndexSommaire = -1;                    // la ligne choisie, -1 pour aucune
    Contrôle EtiChap;
    Contrôle TextAide; // sa légende est le texte affiché
    Contrôle BtonOk;

    std::vector<std::string> TitresRubriques; // entrée 0 : la racine, jamais montrée
    std::uint8_t NbRubriques = 0;
    std::string CheminFichierAide;

private:
    void DisposerAide();
    void LireSommaire();
    void RemplirSommaire();
    void AfficherRubrique(int k);

    Modulebas& m;
    Messagerie& messagerie;
    const Contrôle& principale;
    std::optional<ClassLireAide> LecteurAide;
};
