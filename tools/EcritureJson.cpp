#include "EcritureJson.h"

#include "model/TexteNombre.h"

#include <cmath>
#include <cstdio>

namespace {

bool Suite(std::string_view texte, std::size_t i, unsigned char bas = 0x80, unsigned char haut = 0xBF)
{
    const auto c = i < texte.size() ? static_cast<unsigned char>(texte[i]) : 0u;
    return c >= bas && c <= haut;
}

// La longueur du caractère UTF-8 bien formé qui commence en i, 0 s'il ne l'est pas (séquence coupée,
// trop longue, demi-caractère UTF-16, au-delà de U+10FFFF).
std::size_t LongueurCaractère(std::string_view texte, std::size_t i)
{
    const auto c = static_cast<unsigned char>(texte[i]);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return Suite(texte, i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const bool deuxième = c == 0xE0   ? Suite(texte, i + 1, 0xA0)
                              : c == 0xED ? Suite(texte, i + 1, 0x80, 0x9F)
                                          : Suite(texte, i + 1);
        return deuxième && Suite(texte, i + 2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const bool deuxième = c == 0xF0   ? Suite(texte, i + 1, 0x90)
                              : c == 0xF4 ? Suite(texte, i + 1, 0x80, 0x8F)
                                          : Suite(texte, i + 1);
        return deuxième && Suite(texte, i + 2) && Suite(texte, i + 3) ? 4 : 0;
    }
    return 0;
}

std::string Joindre(const std::vector<std::string>& morceaux, char ouvrant, char fermant)
{
    std::string texte(1, ouvrant);
    for (const std::string& morceau : morceaux)
        texte += (texte.size() > 1 ? "," : "") + morceau;
    return texte + fermant;
}

} // namespace

std::string TexteJson(const ObjetJson& objet)
{
    std::vector<std::string> membres;
    for (const auto& [clé, valeur] : objet)
        membres.push_back(ChaîneJson(clé) + ":" + valeur);
    return Joindre(membres, '{', '}');
}

std::string TexteJson(const std::vector<std::string>& valeurs)
{
    return Joindre(valeurs, '[', ']');
}

std::string ChaîneJson(std::string_view texte)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t longueur = LongueurCaractère(texte, i);
        const auto c = static_cast<unsigned char>(texte[i]);
        if (longueur == 0) {
            json += "\xEF\xBF\xBD"; // un remplaçant par octet mal placé
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20) {
            constexpr std::string_view Courts = "\bb\tt\nn\ff\rr";
            const auto court = Courts.find(static_cast<char>(c));
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            json +=
                court != std::string_view::npos ? std::string{'\\', Courts[court + 1]} : std::string(code);
        } else {
            json.append(texte.substr(i, longueur));
        }
        i += longueur;
    }
    return json + "\"";
}

std::string NombreJson(double v)
{
    if (!std::isfinite(v))
        return NulJson;
    constexpr double PlusGrandEntierExact = 9007199254740992.0; // 2^53
    if (v == std::trunc(v) && std::fabs(v) <= PlusGrandEntierExact)
        return std::to_string(static_cast<long long>(v));
    char tampon[32];
    char* fin = ÉcrireScientifique(tampon, tampon + sizeof tampon, std::fabs(v)).ptr;
    const std::string scientifique(tampon, fin);
    // « 1.2345e+17 » : les chiffres et la place de la virgule, pour l'écriture décimale.
    const std::size_t e = scientifique.find('e');
    std::string chiffres = scientifique.substr(0, e);
    if (chiffres.size() > 1)
        chiffres.erase(1, 1);
    const long virgule = std::stol(scientifique.substr(e + 1)) + 1;
    const long n = static_cast<long>(chiffres.size());
    std::string décimale;
    if (virgule >= n)
        décimale = chiffres + std::string(static_cast<std::size_t>(virgule - n), '0');
    else if (virgule > 0)
        décimale = chiffres.substr(0, static_cast<std::size_t>(virgule)) + "." +
                   chiffres.substr(static_cast<std::size_t>(virgule));
    else
        décimale = "0." + std::string(static_cast<std::size_t>(-virgule), '0') + chiffres;
    return (v < 0 ? "-" : "") + (décimale.size() <= scientifique.size() ? décimale : scientifique);
}
