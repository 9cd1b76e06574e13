// La ligne de commande de velmor-analyse : des fichiers, ou --calcul et des expressions, pas les deux.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class Demande { Fichiers, Calcul, Aide, Version };

struct LigneCommande {
    Demande Quoi = Demande::Fichiers;
    bool Json = false;
    bool Csv = false;                         // une ligne par figure, pour un tableur
    std::vector<std::string> Entrées;         // les fichiers, ou les expressions
    std::optional<std::string> Cible;         // --cible : le nom d'une cible du jeu, pour juger chaque figure
    std::optional<std::string> DossierImages; // --image : où écrire l'image de chaque figure
};

struct LectureLigneCommande {
    std::optional<LigneCommande> Commande;
    std::string Erreur; // quand la ligne n'est pas comprise
};

// Les arguments, sans le nom du programme. Tout ce qui suit --calcul est une expression, même « -2^2 » ;
// tout ce qui suit « -- » est un fichier, même « -a.lum ».
LectureLigneCommande LireLigneCommande(const std::vector<std::string>& arguments);
