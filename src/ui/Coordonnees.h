// Le dialogue où l'élève donne le nom, les coordonnées (éventuellement calculées) et la place de l'étiquette
// d'un point.
#pragma once

#include "calc/FauteCalcul.h"
#include "model/Modulebas.h"
#include "model/TableauBase1.h"
#include "ui/Fenetre.h"
#include "ui/Plateforme.h"
#include "ui/ZoneTexte.h"

#include <cstddef>
#include <optional>
#include <string>

// Avant MontrerModal : NomSaisi (le nom proposé), PositionSaisie, PositionSuivante, ModeModifPoint,
// Précision, XMax, YMax, Unité ; pour une modification, SaisieX et SaisieY déjà remplies.
// Après : Validé() dit si l'élève a validé ; alors NomSaisi, XSaisi, YSaisi et PositionSaisie tiennent le
// point ; PositionSuivante est à jour.
class Coordonnées : public Fenêtre {
public:
    static constexpr std::size_t NbPositions = 4;

    Coordonnées(Modulebas& m, Plateforme& plateforme, const Contrôle& principale);

    void Form_Load() override;
    Déclaration Déclarer() override;
    // Fermer par le cadre, c'est renoncer au point.
    void Form_QueryUnload() override { BtonAnnuler_Click(); }

    void BtonValider_Click();
    void BtonAnnuler_Click();
    // Vrai si la touche passe : une lettre, ou une touche de commande ; le curseur va d'abord en fin de
    // texte.
    bool NomPoint_KeyPress(char32_t touche);
    void NomPoint_Change();
    void Position_Click(std::size_t i);
    // Les flèches vont à la case voisine et la choisissent, comme entre des boutons d'option ; aucune
    // case au bord.
    Contrôle* Position_Flèche(std::size_t i, Flèche flèche);
    void Calcul_ErreurCarac(int position, CodeFaute code);

    bool Validé() const { return validé; }

    Contrôle LabCons;
    Contrôle LabX;
    ZoneTexte SaisieX;
    Contrôle EtiLimiteX;
    Contrôle LabY;
    ZoneTexte SaisieY;
    Contrôle EtiLimiteY;
    Contrôle LabConsP;
    Contrôle LabPt;
    ZoneTexte NomPoint;
    Contrôle LabPos;
    Contrôle Frame1;
    Contrôle Shape1;
    TableauBase1<Contrôle> Position{NbPositions}; // 1 haut-gauche, 2 bas-gauche, 3 bas-droite, 4 haut-droite
    Contrôle BtonValider;
    Contrôle BtonAnnuler;

private:
    void MarquerPosition(std::size_t k);
    void Marquer(std::size_t k, bool marqué);
    // Vrai si le texte peut être donné à la calculatrice ; sinon le message de l'axe est montré.
    bool VérifierSaisie(const std::string& texte, const char* message);
    // Vrai si le calcul du texte ne signale aucune faute ; sinon la zone montre la première fautive.
    bool CalculSansFaute(ZoneTexte& zone);

    Modulebas& m;
    Plateforme& plateforme;
    const Contrôle& principale;
    // La dernière faute signalée : sa place dans le texte et le nombre de caractères à sélectionner.
    std::optional<std::size_t> PosErreur;
    std::size_t LongErreur = 0;
    bool validé = false; // jusqu'à OK, le dialogue compte comme annulé (la croix, Échap)
};

// « ,5 » et « .5 » prennent un zéro devant, puis la première virgule devient un point.
std::string NormaliserSaisie(std::string texte);

// Vrai si les seules lettres du texte forment des noms de fonction (RAC, COSINUS...) ; il reste à voir
// si son calcul donne un nombre.
bool LettresPermises(const std::string& texte);
