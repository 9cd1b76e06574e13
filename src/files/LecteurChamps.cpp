#include "files/LecteurChamps.h"

#include "model/TexteNombre.h"

#include <charconv>
#include <cmath>

namespace {

bool EstBlanc(char c)
{
    return c == ' ' || c == '\t';
}

// Les nombres tolèrent les blancs des deux côtés : l'octet s'écrit « 3 » entre deux espaces.
std::string_view SansBlancs(std::string_view champ)
{
    while (!champ.empty() && EstBlanc(champ.front()))
        champ.remove_prefix(1);
    while (!champ.empty() && EstBlanc(champ.back()))
        champ.remove_suffix(1);
    return champ;
}

} // namespace

LecteurChamps::LecteurChamps(LignesTexte lignes) : lignes(std::move(lignes)), ligne(this->lignes.begin()) {}

std::optional<std::string> LecteurChamps::Texte()
{
    if (ligne == lignes.end())
        return std::nullopt;
    const std::string_view texte = *ligne;
    auto i = colonne;
    while (i < texte.size() && EstBlanc(texte[i]))
        ++i;
    std::string champ;
    std::size_t fin = 0;
    if (i < texte.size() && texte[i] == '"') {
        const auto guillemet = texte.find('"', i + 1);
        champ = texte.substr(i + 1, guillemet == std::string_view::npos ? std::string_view::npos
                                                                        : guillemet - i - 1);
        fin = guillemet == std::string_view::npos ? texte.size() : texte.find(',', guillemet);
    } else {
        fin = texte.find(',', i);
        champ = texte.substr(i, fin == std::string_view::npos ? std::string_view::npos : fin - i);
    }
    if (fin == std::string_view::npos || fin >= texte.size()) {
        ++ligne;
        colonne = 0;
    } else {
        colonne = fin + 1;
    }
    return champ;
}

std::optional<std::uint8_t> LecteurChamps::Octet()
{
    const auto champ = Texte();
    if (!champ)
        return std::nullopt;
    const auto chiffres = SansBlancs(*champ);
    unsigned valeur = 0;
    const auto fin = chiffres.data() + chiffres.size();
    const auto [ptr, erreur] = std::from_chars(chiffres.data(), fin, valeur);
    if (chiffres.empty() || erreur != std::errc{} || ptr != fin || valeur > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(valeur);
}

std::optional<double> LecteurChamps::Nombre()
{
    const auto champ = Texte();
    if (!champ)
        return std::nullopt;
    const auto nombre = SansBlancs(*champ);
    double valeur = 0;
    const auto fin = nombre.data() + nombre.size();
    const auto [ptr, erreur] = LireDouble(nombre.data(), fin, valeur);
    if (nombre.empty() || erreur != std::errc{} || ptr != fin || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

std::optional<bool> LecteurChamps::Booléen()
{
    const auto champ = Texte();
    if (!champ)
        return std::nullopt;
    const auto mot = SansBlancs(*champ);
    if (mot == "True")
        return true;
    if (mot == "False")
        return false;
    return std::nullopt;
}
