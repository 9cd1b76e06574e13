// L'écriture de tout fichier que le programme produit : figures, images, pages PDF.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

// Ce que devient un lien symbolique posé au nom du fichier écrit.
enum class LienFinal {
    // Le lien que l'élève a choisi mène au fichier remplacé, qui reste à sa place.
    Suivi,
    // Le lien lui-même est remplacé ; sa cible, que personne n'a choisie, n'est pas touchée.
    Remplacé,
};

// Écrit un fichier temporaire au nom imprévisible dans le dossier de la cible, le pousse sur le disque,
// puis le met à sa place : un échec, ou une cible que l'utilisateur n'a pas le droit d'écrire, laisse
// l'ancien fichier tel qu'il était et aucun autre. Rend l'erreur du système, aucune quand la cible contient
// les nouveaux octets.
std::error_code RemplacerFichier(const std::filesystem::path& chemin, std::string_view octets,
                                 LienFinal lien);
