#include "model/Caracteres.h"

#include <array>

namespace {

std::size_t LongueurSéquence(unsigned char premier)
{
    if (premier < 0x80)
        return 1;
    if ((premier & 0xE0) == 0xC0)
        return 2;
    if ((premier & 0xF0) == 0xE0)
        return 3;
    if ((premier & 0xF8) == 0xF0)
        return 4;
    return 1;
}

std::string EnUtf8(char32_t point)
{
    std::string texte;
    if (point < 0x80) {
        texte += static_cast<char>(point);
    } else if (point < 0x800) {
        texte += static_cast<char>(0xC0 | (point >> 6));
        texte += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        texte += static_cast<char>(0xE0 | (point >> 12));
        texte += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (point & 0x3F));
    }
    return texte;
}

// Les codes 128 à 159 de Windows-1252 ; 0 marque les cinq codes sans caractère.
constexpr std::array<char32_t, 32> Codes80à9F{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

std::vector<std::string> Caractères(std::string_view texte)
{
    std::vector<std::string> caractères;
    for (std::size_t i = 0; i < texte.size();) {
        std::size_t longueur = LongueurSéquence(static_cast<unsigned char>(texte[i]));
        if (i + longueur > texte.size())
            longueur = 1;
        caractères.emplace_back(texte.substr(i, longueur));
        i += longueur;
    }
    return caractères;
}

std::string CaractèreWindows1252(unsigned code)
{
    // Les codes de commande, et les blancs invisibles (espace insécable, trait d'union conditionnel).
    if (code < 0x21 || code == 0x7F || code == 0xA0 || code == 0xAD || code > 0xFF)
        return "";
    if (code >= 0x80 && code <= 0x9F) {
        const char32_t point = Codes80à9F[code - 0x80];
        return point == 0 ? "" : EnUtf8(point);
    }
    return EnUtf8(code);
}
