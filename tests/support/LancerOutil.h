// Lance velmor-analyse construit et rend sa sortie standard, sa sortie d'erreur et son code de sortie.
#pragma once

#include "support/DossierTemporaire.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

struct SortieOutil {
    std::string Texte;
    std::string Erreurs;
    int Code = -1;
};

inline std::string EntreApostrophes(const std::string& argument)
{
    std::string cité = "'";
    for (const char c : argument)
        cité += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return cité + "'";
}

// redirection, pour le shell, remplace la sortie standard lue par le test : « >/dev/full », « >&- ».
inline SortieOutil LancerVelmorAnalyse(const std::vector<std::string>& arguments,
                                       const std::string& redirection = "")
{
    const DossierTemporaire dossier;
    const auto erreurs = dossier.Chemin() / "erreurs";
    std::string commande = EntreApostrophes(VELMOR_ANALYSE);
    for (const std::string& argument : arguments)
        commande += " " + EntreApostrophes(argument);
    commande += " 2>" + EntreApostrophes(erreurs.string()) + " " + redirection;
    FILE* tube = popen(commande.c_str(), "r");
    if (!tube)
        return {};
    SortieOutil sortie;
    char tampon[4096];
    for (std::size_t lu; (lu = std::fread(tampon, 1, sizeof tampon, tube)) > 0;)
        sortie.Texte.append(tampon, lu);
    const int état = pclose(tube);
    sortie.Code = WIFEXITED(état) ? WEXITSTATUS(état) : -1;
    sortie.Erreurs = LireTout(erreurs);
    return sortie;
}
