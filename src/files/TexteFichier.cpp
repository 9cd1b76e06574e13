#include "files/TexteFichier.h"

#include "model/Windows1252.h"

#include <algorithm>

LignesTexte::Itérateur::Itérateur(std::string_view texte, std::size_t début) : texte(texte), début(début)
{
    TrouverFin();
}

void LignesTexte::Itérateur::TrouverFin()
{
    fin = std::min(texte.find('\n', début), texte.size());
}

std::string_view LignesTexte::Itérateur::operator*() const
{
    std::string_view ligne = texte.substr(début, fin - début);
    if (!ligne.empty() && ligne.back() == '\r')
        ligne.remove_suffix(1);
    return ligne;
}

LignesTexte::Itérateur& LignesTexte::Itérateur::operator++()
{
    début = std::min(fin + 1, texte.size());
    TrouverFin();
    return *this;
}

LignesTexte LignesDuFichier(std::string_view octets)
{
    // Les fins de ligne sont les mêmes octets dans les deux codages : on convertit d'un coup, on découpe
    // ensuite.
    return LignesTexte(Windows1252VersUtf8(octets));
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
