// Le dialogue de la palette de 48 couleurs, pour le trait ou pour le fond.
#pragma once

#include "model/Couleur.h"
#include "model/Modulebas.h"
#include "ui/Fenetre.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Avant MontrerModal : ChoixCouleurTrait (vrai : le trait ; faux : le fond).
// Après : CouleurChoisie (« &H » et six chiffres bleu, vert, rouge), à lire par LireCouleurHexa ;
// NumCouleurTrait ou NumCouleurFond tient déjà le numéro de la case choisie.
class FormCouleurs : public Fenêtre {
public:
    static constexpr std::size_t NbCouleurs = 48;

    FormCouleurs(Modulebas& m, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    void Label2_Click(std::size_t i);
    void BtonOk_Click() { Fermer(); }

    std::string CouleurChoisie;

    Contrôle LabChoixCoul;
    std::vector<Contrôle> Label2; // indexé à partir de 0
    Contrôle ShapeSel;
    Contrôle BtonOk;

private:
    Modulebas& m;
    const Contrôle& principale;
};

// Le texte de la case i de la palette (0 à 47).
std::string TexteCouleurPalette(std::size_t i);

// La couleur d'un texte « &HBBGGRR » ; aucune si le texte n'en est pas un.
std::optional<Couleur> LireCouleurHexa(std::string_view texte);
