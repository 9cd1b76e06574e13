// --image : l'image PNG de chaque figure lue, dessinée comme la fenêtre la montre à l'ouverture du
// fichier, sans rien afficher (Qt sur sa plateforme « offscreen » quand l'utilisateur n'en a pas choisi).
#pragma once

#include "PlateformeSansFenetre.h"

#include <QGuiApplication>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

class ImagesFigures {
public:
    // Le dossier est créé s'il manque ; s'il ne peut pas servir, rien n'est rendu et la raison est dite.
    static std::unique_ptr<ImagesFigures> Ouvrir(const std::string& dossier, std::string& raison);

    explicit ImagesFigures(std::filesystem::path dossier);

    // L'image de la figure de ce fichier, déjà lue sans refus. Un échec est dit sur la sortie d'erreur ;
    // après une écriture ratée, plus aucune image n'est tentée : le dossier ne vaut sans doute pas mieux
    // pour les suivantes, et une raison vaut mieux que mille.
    void Dessiner(const std::string& fichier);
    bool EnFaute() const { return ratées > 0; }

private:
    std::string NomLibre(const std::string& fichier);

    std::filesystem::path dossier;
    std::set<std::string> nomsPris; // dans cette exécution : deux figures de même nom ne s'écrasent pas
    std::size_t ratées = 0;
    bool arrêtées = false;
    int argc = 1;
    char nomProgramme[16] = "velmor-analyse";
    char* argv[2] = {nomProgramme, nullptr};
    std::unique_ptr<QGuiApplication> application;
    PlateformeSansFenêtre plateforme;
};
