#include "SortieVerifiee.h"

#include <cerrno>
#include <fcntl.h>

SortieVérifiée::SortieVérifiée(std::FILE* flux) : flux(flux)
{
    if (::fcntl(::fileno(flux), F_GETFD) == -1)
        erreur = EBADF;
}

void SortieVérifiée::Ligne(std::string_view ligne)
{
    if (EnFaute())
        return;
    std::fwrite(ligne.data(), 1, ligne.size(), flux);
    std::fputc('\n', flux);
    Vérifier();
}

bool SortieVérifiée::Terminer()
{
    if (!EnFaute()) {
        std::fflush(flux);
        Vérifier();
    }
    return !EnFaute();
}

void SortieVérifiée::Vérifier()
{
    if (std::ferror(flux))
        erreur = errno != 0 ? errno : EIO;
}
