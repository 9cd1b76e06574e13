#include "model/Windows1252.h"

#include <array>
#include <cstdint>

namespace {

// Caractères des octets 0x80 à 0x9F ; les autres octets ont le code de Latin-1.
constexpr std::array<char32_t, 32> Plage80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CaractèreDeLOctet(unsigned char octet)
{
    if (octet >= 0x80 && octet <= 0x9F)
        return Plage80[octet - 0x80];
    return octet;
}

void AjouterUtf8(std::string& sortie, char32_t c)
{
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char Remplaçant = '?';

char OctetDuCaractère(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < Plage80.size(); ++i)
        if (Plage80[i] == c)
            return static_cast<char>(0x80 + i);
    return Remplaçant;
}

// Lit le caractère qui commence en i et avance i ; une séquence invalide vaut un caractère impossible.
char32_t LireCaractère(std::string_view texte, std::size_t& i)
{
    constexpr char32_t Invalide = 0xFFFFFFFF;
    const auto octet = static_cast<unsigned char>(texte[i++]);
    if (octet < 0x80)
        return octet;
    std::size_t suite = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((octet & 0xE0) == 0xC0) {
        suite = 1;
        c = octet & 0x1F;
        minimum = 0x80;
    } else if ((octet & 0xF0) == 0xE0) {
        suite = 2;
        c = octet & 0x0F;
        minimum = 0x800;
    } else if ((octet & 0xF8) == 0xF0) {
        suite = 3;
        c = octet & 0x07;
        minimum = 0x10000;
    } else {
        return Invalide;
    }
    for (std::size_t k = 0; k < suite; ++k) {
        if (i >= texte.size() || (static_cast<unsigned char>(texte[i]) & 0xC0) != 0x80)
            return Invalide;
        c = (c << 6) | (static_cast<unsigned char>(texte[i++]) & 0x3F);
    }
    // Une forme trop longue cacherait un caractère ASCII comme « , » : elle ne vaut rien.
    return c < minimum ? Invalide : c;
}

} // namespace

std::string Windows1252VersUtf8(std::string_view octets)
{
    std::string texte;
    texte.reserve(octets.size());
    for (const char octet : octets)
        AjouterUtf8(texte, CaractèreDeLOctet(static_cast<unsigned char>(octet)));
    return texte;
}

std::string Utf8VersWindows1252(std::string_view texte)
{
    std::string octets;
    octets.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size())
        octets += OctetDuCaractère(LireCaractère(texte, i));
    return octets;
}
