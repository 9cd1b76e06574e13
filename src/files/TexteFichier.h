// Frontière des fichiers texte du programme : lignes Windows-1252 en CR LF, lecture et remplacement sûr.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Les lignes du fichier en UTF-8, sans leur fin ; LF seul est accepté comme fin de ligne.
std::vector<std::string> LignesDuFichier(std::string_view octets);

// Chaque ligne en Windows-1252 suivie de CR LF.
std::string OctetsDesLignes(const std::vector<std::string>& lignes);

// Tout le contenu du fichier ; rien quand il ne peut pas être lu.
std::optional<std::string> LireOctetsFichier(const std::filesystem::path& chemin);

// Écrit un fichier temporaire dans le même dossier puis le met à la place de la cible : un échec laisse
// l'ancien fichier tel qu'il était. Rend vrai quand la cible contient les nouveaux octets.
bool RemplacerFichier(const std::filesystem::path& chemin, std::string_view octets);
