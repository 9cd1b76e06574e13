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

// Un fichier de figure légal fait quelques dizaines de Kio, l'aide une quinzaine : au-delà, c'est un
// autre fichier, qu'on ne charge pas.
inline constexpr std::size_t TailleMaxFichierTexte = 1024 * 1024;

// Tout le contenu du fichier ; rien quand il ne peut pas être lu ou dépasse TailleMaxFichierTexte.
std::optional<std::string> LireOctetsFichier(const std::filesystem::path& chemin);

// Écrit un fichier temporaire dans le dossier de la cible (à travers un lien symbolique) puis le met à sa
// place : un échec, ou une cible que l'utilisateur n'a pas le droit d'écrire, laisse l'ancien fichier tel
// qu'il était. Rend vrai quand la cible contient les nouveaux octets.
bool RemplacerFichier(const std::filesystem::path& chemin, std::string_view octets);
