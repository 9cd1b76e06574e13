#include "model/TexteNombre.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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
    const char* fin =
        std::to_chars(tampon, tampon + sizeof tampon, std::fabs(v), std::chars_format::scientific, 14).ptr;
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
