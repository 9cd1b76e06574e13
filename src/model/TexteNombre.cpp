#include "model/TexteNombre.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#if defined(__cpp_lib_to_chars)

std::to_chars_result ÉcrireScientifique(char* début, char* fin, double v)
{
    return std::to_chars(début, fin, v, std::chars_format::scientific);
}

std::to_chars_result ÉcrireScientifique(char* début, char* fin, double v, int précision)
{
    return std::to_chars(début, fin, v, std::chars_format::scientific, précision);
}

std::to_chars_result ÉcrireFixe(char* début, char* fin, double v, int décimales)
{
    return std::to_chars(début, fin, v, std::chars_format::fixed, décimales);
}

std::from_chars_result LireDouble(const char* début, const char* fin, double& valeur)
{
    return std::from_chars(début, fin, valeur);
}

#else

// Sans to_chars ni from_chars sur les doubles, la bibliothèque C du navigateur (celle de musl) arrondit
// exactement, au pair sur les milieux, et ne connaît que la locale « C » : ses textes sont ceux de to_chars.
namespace {

std::to_chars_result Recopier(char* début, char* fin, std::string_view texte)
{
    if (static_cast<std::ptrdiff_t>(texte.size()) > fin - début)
        return {fin, std::errc::value_too_large};
    return {std::copy(texte.begin(), texte.end(), début), std::errc()};
}

std::to_chars_result Imprimer(char* début, char* fin, const char* format, int précision, double v)
{
    char tampon[128];
    const int longueur = std::snprintf(tampon, sizeof tampon, format, précision, v);
    if (longueur < static_cast<int>(sizeof tampon))
        return Recopier(début, fin, std::string_view(tampon, static_cast<std::size_t>(longueur)));
    std::string grand(static_cast<std::size_t>(longueur) + 1, '\0');
    std::snprintf(grand.data(), grand.size(), format, précision, v);
    return Recopier(début, fin, std::string_view(grand.data(), static_cast<std::size_t>(longueur)));
}

// Le dernier chiffre avant l'exposant augmenté d'une unité ; faux si la retenue sort du premier chiffre.
bool ChiffreSuivant(char* texte)
{
    for (char* c = std::strchr(texte, 'e') - 1; c >= texte; --c) {
        if (*c == '.')
            continue;
        if (*c != '9') {
            ++*c;
            return true;
        }
        *c = '0';
    }
    return false;
}

} // namespace

std::to_chars_result ÉcrireScientifique(char* début, char* fin, double v)
{
    if (!std::isfinite(v))
        return Imprimer(début, fin, "%.*e", 0, v);
    // Sur une puissance de deux, le double d'en dessous est deux fois plus près que celui d'au-dessus :
    // quand l'arrondi à p chiffres tombe sous v trop loin, l'écriture d'au-dessus peut encore redonner v.
    int exposant = 0;
    const bool puissanceDeDeux = std::frexp(std::fabs(v), &exposant) == 0.5 && std::fabs(v) > DBL_MIN;
    char texte[40];
    for (int précision = 0;; ++précision) {
        const int longueur = std::snprintf(texte, sizeof texte, "%.*e", précision, v);
        const double relu = std::strtod(texte, nullptr);
        if (relu == v)
            return Recopier(début, fin, std::string_view(texte, static_cast<std::size_t>(longueur)));
        if (puissanceDeDeux && std::fabs(relu) < std::fabs(v) && ChiffreSuivant(texte) &&
            std::strtod(texte, nullptr) == v)
            return Recopier(début, fin, std::string_view(texte, static_cast<std::size_t>(longueur)));
    }
}

std::to_chars_result ÉcrireScientifique(char* début, char* fin, double v, int précision)
{
    return Imprimer(début, fin, "%.*e", précision, v);
}

std::to_chars_result ÉcrireFixe(char* début, char* fin, double v, int décimales)
{
    return Imprimer(début, fin, "%.*f", décimales, v);
}

std::from_chars_result LireDouble(const char* début, const char* fin, double& valeur)
{
    const char* corps = début != fin && *début == '-' ? début + 1 : début;
    if (corps == fin || !std::strchr("0123456789.iInN", *corps))
        return {début, std::errc::invalid_argument};
    // strtod veut un texte fini par un zéro ; il lirait l'hexadécimal, que from_chars arrête après le 0.
    std::string texte(début, fin);
    if (fin - corps >= 2 && corps[0] == '0' && (corps[1] == 'x' || corps[1] == 'X'))
        texte.resize(static_cast<std::size_t>(corps - début) + 1);
    char* arrêt = nullptr;
    const double lu = std::strtod(texte.c_str(), &arrêt);
    const std::size_t lus = static_cast<std::size_t>(arrêt - texte.c_str());
    if (lus == 0)
        return {début, std::errc::invalid_argument};
    const std::string_view écrit(texte.data(), lus);
    const bool infini = écrit.find_first_of("iI") != std::string_view::npos;
    const std::size_t finChiffres = std::min(écrit.find_first_of("eE"), écrit.size());
    const bool chiffreNonNul =
        écrit.substr(0, finChiffres).find_first_of("123456789") != std::string_view::npos;
    if ((std::isinf(lu) && !infini) || (lu == 0 && chiffreNonNul))
        return {début + lus, std::errc::result_out_of_range};
    valeur = lu;
    return {début + lus, std::errc()};
}

#endif

namespace {

// Le nombre arrondi à 15 chiffres significatifs : chiffres sans zéros de queue, et exposant décimal du
// premier chiffre (1234.5 donne "12345" et 3).
struct Chiffres {
    bool négatif = false;
    std::string chiffres;
    int exposant = 0;
};

Chiffres ChiffresSignificatifs(double v)
{
    Chiffres c;
    c.négatif = std::signbit(v) && v != 0;
    if (v == 0) {
        c.chiffres = "0";
        return c;
    }
    char tampon[64];
    const char* fin = ÉcrireScientifique(tampon, tampon + sizeof tampon, std::fabs(v), 14).ptr;
    const std::string_view texte(tampon, static_cast<std::size_t>(fin - tampon));
    const std::size_t e = texte.find('e');
    c.chiffres.push_back(texte[0]);
    if (texte[1] == '.')
        c.chiffres.append(texte.substr(2, e - 2));
    while (c.chiffres.size() > 1 && c.chiffres.back() == '0')
        c.chiffres.pop_back();
    std::from_chars(texte.data() + e + (texte[e + 1] == '+' ? 2 : 1), texte.data() + texte.size(),
                    c.exposant);
    return c;
}

std::string TexteNonFini(double v)
{
    if (std::isnan(v))
        return "-1.#IND";
    return v < 0 ? "-1.#INF" : "1.#INF";
}

// Partie entière et décimales en notation décimale ; sans partie entière, entier vide ou "0".
std::string Décimale(const Chiffres& c, char séparateur, bool zéroDevant)
{
    std::string texte;
    if (c.exposant >= 0) {
        const std::size_t entiers = static_cast<std::size_t>(c.exposant) + 1;
        if (c.chiffres.size() <= entiers) {
            texte = c.chiffres + std::string(entiers - c.chiffres.size(), '0');
        } else {
            texte = c.chiffres.substr(0, entiers);
            texte += séparateur;
            texte += c.chiffres.substr(entiers);
        }
    } else {
        if (zéroDevant)
            texte = "0";
        texte += séparateur;
        texte += std::string(static_cast<std::size_t>(-c.exposant - 1), '0');
        texte += c.chiffres;
    }
    return texte;
}

std::string Exponentielle(const Chiffres& c)
{
    std::string texte(1, c.chiffres[0]);
    if (c.chiffres.size() > 1) {
        texte += '.';
        texte += c.chiffres.substr(1);
    }
    texte += c.exposant < 0 ? "E-" : "E+";
    const int exposant = std::abs(c.exposant);
    if (exposant < 10)
        texte += '0';
    texte += std::to_string(exposant);
    return texte;
}

std::string FormeGénérale(double v)
{
    const Chiffres c = ChiffresSignificatifs(v);
    const bool exponentielle = c.chiffres != "0" && (c.exposant < -4 || c.exposant >= 15);
    return exponentielle ? Exponentielle(c) : Décimale(c, '.', false);
}

} // namespace

std::string TexteNumérique(double v)
{
    if (!std::isfinite(v))
        return v > 0 ? " " + TexteNonFini(v) : TexteNonFini(v);
    const std::string corps = FormeGénérale(v);
    return (std::signbit(v) && v != 0 ? "-" : " ") + corps;
}

std::string TexteDécimal(double v)
{
    if (!std::isfinite(v))
        return TexteNonFini(v);
    const Chiffres c = ChiffresSignificatifs(v);
    const std::string corps = Décimale(c, '.', true);
    return c.négatif ? "-" + corps : corps;
}
