// Ce que la fenêtre montrerait d'un fichier de figure ouvert : Analyse, longueurs et angles de son polygone
// et, pour une cible, le verdict du jeu. velmor-analyse et la vérification d'une classe dans la page en
// font leurs tableaux.
#pragma once

#include "analysis/Mesures.h"
#include "game/JugementCible.h"
#include "game/TableCibles.h"
#include "model/MessageTitre.h"
#include "model/Modulebas.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct RapportFigure {
    std::string Fichier;
    // La raison du refus d'un fichier illisible ou non conforme ; rien d'autre n'est alors rempli.
    std::optional<std::string> Erreur;
    Modulebas Modèle;
    std::optional<std::string> Polygone;
    std::optional<std::string> Description;
    std::optional<std::string> Figure;
    std::vector<MessageTitré> Messages;
    std::optional<std::vector<LigneMesure>> Longueurs;
    std::optional<std::vector<LigneMesure>> Angles;
    std::optional<JugementCible> Verdict;
};

// Lit chemin par le lecteur partagé ; le rapport l'appelle nom (le chemin tapé par le professeur, ou le
// nom du fichier qu'il a choisi dans la page). Sans cible, pas de verdict.
RapportFigure RapporterFigure(const std::string& nom, const std::filesystem::path& chemin,
                              const Cible* cible);
