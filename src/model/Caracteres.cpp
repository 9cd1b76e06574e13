#include "model/Caracteres.h"

#include "model/Windows1252.h"

#include <algorithm>
#include <iterator>

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
    // Les codes de commande, les cinq codes sans caractère, et les blancs invisibles
    // (espace insécable, trait d'union conditionnel) ne font pas un nom qu'on puisse lire.
    constexpr unsigned SansCaractère[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0, 0xAD};
    if (code < 0x21 || code == 0x7F || code > 0xFF ||
        std::find(std::begin(SansCaractère), std::end(SansCaractère), code) != std::end(SansCaractère))
        return "";
    return Windows1252VersUtf8(std::string(1, static_cast<char>(code)));
}
