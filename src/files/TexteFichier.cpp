#include "files/TexteFichier.h"

#include "model/Windows1252.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

std::vector<std::string> LignesDuFichier(std::string_view octets)
{
    std::vector<std::string> lignes;
    while (!octets.empty()) {
        const auto fin = octets.find('\n');
        auto ligne = octets.substr(0, fin);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        lignes.push_back(Windows1252VersUtf8(ligne));
        if (fin == std::string_view::npos)
            break;
        octets.remove_prefix(fin + 1);
    }
    return lignes;
}

std::string OctetsDesLignes(const std::vector<std::string>& lignes)
{
    std::string octets;
    for (const auto& ligne : lignes) {
        octets += Utf8VersWindows1252(ligne);
        octets += "\r\n";
    }
    return octets;
}

std::optional<std::string> LireOctetsFichier(const std::filesystem::path& chemin)
{
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur))
        return std::nullopt;
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier)
        return std::nullopt;
    std::string octets{std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    if (fichier.bad())
        return std::nullopt;
    return octets;
}

namespace {

// Un nom caché propre à ce processus, pour que deux enregistrements ne se marchent pas dessus.
std::filesystem::path CheminTemporaire(const std::filesystem::path& chemin)
{
    auto nom = "." + chemin.filename().string() + "." + std::to_string(::getpid()) + ".tmp";
    return chemin.parent_path() / nom;
}

bool ÉcrireComplet(const std::filesystem::path& chemin, std::string_view octets)
{
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    if (!fichier)
        return false;
    fichier.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    fichier.close();
    return !fichier.fail();
}

} // namespace

bool RemplacerFichier(const std::filesystem::path& chemin, std::string_view octets)
{
    const auto temporaire = CheminTemporaire(chemin);
    std::error_code erreur;
    if (!ÉcrireComplet(temporaire, octets)) {
        std::filesystem::remove(temporaire, erreur);
        return false;
    }
    // La figure remplacée garde les droits que l'élève lui avait donnés.
    const auto ancien = std::filesystem::status(chemin, erreur);
    if (!erreur && std::filesystem::is_regular_file(ancien))
        std::filesystem::permissions(temporaire, ancien.permissions(), erreur);
    std::filesystem::rename(temporaire, chemin, erreur);
    if (erreur) {
        std::filesystem::remove(temporaire, erreur);
        return false;
    }
    return true;
}
