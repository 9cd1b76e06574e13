#include "files/EcritureFichier.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::error_code ErreurSystème(int numéro)
{
    return {numéro, std::generic_category()};
}

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

int ÉcrireTout(int descripteur, std::string_view octets)
{
    while (!octets.empty()) {
        const ssize_t écrits = ::write(descripteur, octets.data(), octets.size());
        if (écrits < 0 && errno == EINTR)
            continue;
        if (écrits < 0)
            return errno;
        if (écrits == 0)
            return EIO;
        octets.remove_prefix(static_cast<std::size_t>(écrits));
    }
    return 0;
}

} // namespace

std::error_code RemplacerFichier(const std::filesystem::path& chemin, std::string_view octets, LienFinal lien)
{
    const std::filesystem::path cible = lien == LienFinal::Suivi ? Destination(chemin) : chemin;
    std::error_code erreur;
    const auto ancien = std::filesystem::symlink_status(cible, erreur);
    const bool existe = !erreur && std::filesystem::exists(ancien);
    // Le renommage remplacerait même un fichier en lecture seule : on demande au système si l'utilisateur
    // a le droit de l'écrire. Un lien remplacé n'est pas écrit, seul son dossier l'est.
    if (existe && !std::filesystem::is_symlink(ancien) && ::access(cible.c_str(), W_OK) != 0)
        return ErreurSystème(errno);

    // Un nom imprévisible, créé exclusivement, dans le dossier de la cible (le renommage y reste atomique).
    std::string modèle = (cible.parent_path() / ("." + cible.filename().string() + ".XXXXXX")).string();
    const int descripteur = ::mkstemp(modèle.data());
    if (descripteur < 0)
        return ErreurSystème(errno);
    const std::filesystem::path temporaire = modèle;
    int numéro = ÉcrireTout(descripteur, octets);
    // Le fichier remplacé garde les droits que l'élève lui avait donnés ; un nouveau, ceux d'un fichier
    // ordinaire.
    const auto droits = existe && std::filesystem::is_regular_file(ancien)
                            ? static_cast<mode_t>(ancien.permissions())
                            : static_cast<mode_t>(0666 & ~LireMasque());
    if (numéro == 0 && ::fchmod(descripteur, droits) != 0)
        numéro = errno;
    // Un disque plein peut ne se révéler qu'ici, quand les octets quittent le cache.
    if (numéro == 0 && ::fsync(descripteur) != 0)
        numéro = errno;
    if (::close(descripteur) != 0 && numéro == 0)
        numéro = errno;
    if (numéro == 0)
        std::filesystem::rename(temporaire, cible, erreur);
    else
        erreur = ErreurSystème(numéro);
    if (erreur) {
        std::error_code ignorée;
        std::filesystem::remove(temporaire, ignorée);
    }
    return erreur;
}
