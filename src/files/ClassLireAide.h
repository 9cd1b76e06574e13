// Le lecteur d'une rubrique du fichier d'aide, retrouvée par son titre exact.
#pragma once

#include "files/TexteFichier.h"

#include <filesystem>
#include <string>
#include <vector>

struct Modulebas;
class Messagerie;

struct RubriqueLue {
    // Les lignes de la rubrique séparées par « \n » ; une balise de fin seule sur sa ligne laisse un
    // dernier saut de ligne.
    std::string Texte;
    // La fin de l'aide atteinte sans trouver le titre.
    bool Manquante = false;
};

// Lignes du fichier, la première (la racine) comprise ; le titre compte les majuscules.
RubriqueLue RubriqueDesLignes(const LignesTexte& lignes, const std::string& titre);

class ClassLireAide {
public:
    ClassLireAide(Modulebas& m, Messagerie& messagerie);

    void CheminAide(std::filesystem::path chemin);
    void ChaîneBalise(std::string titre);

    // Lit le fichier à chaque appel ; "" quand la rubrique manque (après le message) ou que le fichier
    // ne peut pas être lu (sans message).
    std::string ChaîneAide();

private:
    Modulebas& m;
    Messagerie& messagerie;
    std::filesystem::path cheminAide;
    std::string chaîneBalise;
};
