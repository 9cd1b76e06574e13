#include "files/RaisonSysteme.h"

#include <cerrno>
#include <cstring>

std::string RaisonSystème(int numéroErreur)
{
    switch (numéroErreur) {
    case ENOENT:
        return "introuvable";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case EIO:
        return "erreur d'entrée-sortie";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case ENOSPC:
        return "plus de place sur le disque";
    case EDQUOT:
        return "quota dépassé";
    case EFBIG:
        return "fichier trop grand";
    case EBADF:
        return "sortie fermée";
    case EPIPE:
        return "plus personne ne lit la sortie";
    default:
        return std::strerror(numéroErreur);
    }
}
