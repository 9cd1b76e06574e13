#include "files/TexteFichier.h"

#include "model/Windows1252.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
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
    // On lit au plus un octet de trop : un fichier trop gros est refusé sans être chargé.
    std::string octets(TailleMaxFichierTexte + 1, '\0');
    fichier.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (fichier.bad())
        return std::nullopt;
    octets.resize(static_cast<std::size_t>(fichier.gcount()));
    if (octets.size() > TailleMaxFichierTexte)
        return std::nullopt;
    return octets;
}

namespace {

// Le fichier que désigne le chemin : la cible d'un lien symbolique (le lien reste un lien).
std::filesystem::path Destination(const std::filesystem::path& chemin)
{
    std::error_code erreur;
    if (!std::filesystem::is_symlink(chemin, erreur))
        return chemin;
    const auto cible = std::filesystem::weakly_canonical(chemin, erreur);
    return erreur ? chemin : cible;
}

// Le masque de création du processus, lu sans le changer durablement.
mode_t LireMasque()
{
    const mode_t masque = ::umask(022);
    ::umask(masque);
    return masque;
}

bool ÉcrireTout(int descripteur, std::string_view octets)
{
    while (!octets.empty()) {
        const ssize_t écrits = ::write(descripteur, octets.data(), octets.size());
        if (écrits < 0 && errno == EINTR)
            continue;
        if (écrits <= 0)
            return false;
        octets.remove_prefix(static_cast<std::size_t>(écrits));
    }
    return true;
}

} // namespace

bool RemplacerFichier(const std::filesystem::path& chemin, std::string_view octets)
{
    const std::filesystem::path cible = Destination(chemin);
    std::error_code erreur;
    const auto ancien = std::filesystem::status(cible, erreur);
    const bool existe = !erreur && std::filesystem::exists(ancien);
    // Le renommage remplacerait même un fichier en lecture seule : on demande au système si l'utilisateur
    // a le droit de l'écrire.
    if (existe && ::access(cible.c_str(), W_OK) != 0)
        return false;

    // Un nom imprévisible, créé exclusivement, dans le dossier de la cible (le renommage y reste atomique).
    std::string modèle = (cible.parent_path() / ("." + cible.filename().string() + ".XXXXXX")).string();
    const int descripteur = ::mkstemp(modèle.data());
    if (descripteur < 0)
        return false;
    const std::filesystem::path temporaire = modèle;
    bool réussi = ÉcrireTout(descripteur, octets);
    // La figure remplacée garde les droits que l'élève lui avait donnés ; une nouvelle, ceux d'un fichier
    // ordinaire.
    const auto droits = existe && std::filesystem::is_regular_file(ancien)
                            ? static_cast<mode_t>(ancien.permissions())
                            : static_cast<mode_t>(0666 & ~LireMasque());
    réussi = réussi && ::fchmod(descripteur, droits) == 0 && ::fsync(descripteur) == 0;
    réussi = ::close(descripteur) == 0 && réussi;
    if (réussi) {
        std::filesystem::rename(temporaire, cible, erreur);
        réussi = !erreur;
    }
    if (!réussi)
        std::filesystem::remove(temporaire, erreur);
    return réussi;
}
