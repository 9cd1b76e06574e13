#include "files/LectureFichier.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FichierLu Refus(RefusFichier refus, int erreur = 0)
{
    return {std::nullopt, refus, erreur};
}

class Descripteur {
public:
    explicit Descripteur(int fd) : fd(fd) {}
    ~Descripteur()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd;
};

} // namespace

FichierLu LireOctetsFichier(const std::filesystem::path& chemin)
{
    // Sans attente : ouverte en lecture, une file nommée attendrait un écrivain pour toujours.
    const Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fichier.fd < 0)
        return errno == ENOENT ? Refus(RefusFichier::Introuvable) : Refus(RefusFichier::Illisible, errno);
    // Le type est lu sur le fichier ouvert : celui qu'on lit est bien celui qu'on a regardé.
    struct stat état {};
    if (::fstat(fichier.fd, &état) != 0)
        return Refus(RefusFichier::Illisible, errno);
    if (S_ISDIR(état.st_mode))
        return Refus(RefusFichier::Dossier);
    if (!S_ISREG(état.st_mode))
        return Refus(RefusFichier::PasOrdinaire);

    if (static_cast<std::uintmax_t>(état.st_size) > TailleMaxFichierTexte)
        return Refus(RefusFichier::TropGrand);

    // La taille annoncée ne sert qu'à prévoir la place : un fichier peut grandir pendant la lecture, et
    // certains fichiers du système annoncent zéro. Un octet au-delà de la borne suffit à refuser.
    constexpr std::size_t Plafond = TailleMaxFichierTexte + 1;
    std::string octets(static_cast<std::size_t>(état.st_size) + 1, '\0');
    std::size_t lus = 0;
    while (lus < Plafond) {
        if (lus == octets.size())
            octets.resize(std::min(octets.size() * 2, Plafond));
        const ssize_t n = ::read(fichier.fd, octets.data() + lus, octets.size() - lus);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Refus(RefusFichier::Illisible, errno);
        if (n == 0)
            break;
        lus += static_cast<std::size_t>(n);
    }
    if (lus > TailleMaxFichierTexte)
        return Refus(RefusFichier::TropGrand);
    octets.resize(lus);
    return {std::move(octets)};
}
