// La fenêtre de confirmation des commandes de fichiers : le dialogue du système, puis « Valider ».
#pragma once

#include "model/Modulebas.h"
#include "ui/Fenetre.h"

#include <string>
#include <string_view>

class Plateforme;

// Écrasement : la question avant de remplacer une image, dont le nom est déjà choisi.
enum class DialogueFichier { Ouverture, Enregistrement, Écrasement };

inline constexpr std::string_view ExtensionFigure = ".lum";
inline constexpr std::string_view FiltreEnregistrement = "Figure du logiciel Velmor (*.lum)";
inline constexpr std::string_view FiltreOuverture = "Figure du logiciel Lumarc (*.lum)";

// Le dossier d'un chemin (jusqu'au dernier « / », exclu) et le nom du fichier (après lui).
std::string DossierDuChemin(const std::string& chemin);
std::string NomSansDossier(const std::string& chemin);

class FormFichier : public Fenêtre {
public:
    FormFichier(Modulebas& m, Plateforme& plateforme, const Contrôle& principale, DialogueFichier genre);
    // La question de l'écrasement de ce fichier, qui existe : aucun dialogue ne s'ouvre.
    FormFichier(Modulebas& m, Plateforme& plateforme, const Contrôle& principale, std::string existant);

    void Form_Load() override;
    Déclaration Déclarer() override;
    // Fermer la fenêtre par son cadre ne confirme rien.
    void Form_QueryUnload() override;
    void BtonOk_Click();
    void BtonAnnuler_Click();

    Contrôle LabMessage;
    Contrôle BtonOk;
    Contrôle BtonAnnuler;

    // Le chemin complet confirmé par l'élève, "" s'il a annulé.
    std::string NomFichierChoisi;

private:
    void PréparerEnregistrement(const std::string& chemin);
    void PréparerOuverture(const std::string& chemin);
    void Annulation();
    void ProblèmeDAccès();

    Modulebas& m;
    Plateforme& plateforme;
    const Contrôle& principale;
    DialogueFichier genre;
};
