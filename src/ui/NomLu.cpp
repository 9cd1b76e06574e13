#include "NomLu.h"

#include "Controle.h"
#include "model/Caracteres.h"

#include <algorithm>
#include <cctype>

namespace {

// Les légendes ne tiennent que ce qu'un fichier peut tenir (Windows-1252) : une lettre ou un chiffre y est
// ASCII, ou latin accentué (de « À » à « ɏ », sans « × » ni « ÷ »), ou l'un des rares signes de Latin-1
// qui en sont (ª µ º ¹ ² ³ ¼ ½ ¾).
bool LettreOuChiffre(const std::string& caractère)
{
    const auto premier = static_cast<unsigned char>(caractère[0]);
    if (caractère.size() == 1)
        return std::isalnum(premier) != 0;
    if (caractère.size() != 2)
        return false;
    const unsigned code = ((premier & 0x1Fu) << 6) | (static_cast<unsigned char>(caractère[1]) & 0x3Fu);
    if (code >= 0xC0 && code <= 0x24F)
        return code != 0xD7 && code != 0xF7;
    constexpr unsigned signes[] = {0xAA, 0xB2, 0xB3, 0xB5, 0xB9, 0xBA, 0xBC, 0xBD, 0xBE};
    return std::find(std::begin(signes), std::end(signes), code) != std::end(signes);
}

} // namespace

// Un lecteur d'écran annonce la légende ; un contrôle sans lettre ni chiffre dans sa légende (une image,
// « ↶ ») se nomme par sa bulle, ou par le nom qu'on lui a donné pour cela.
std::string NomLu(const Contrôle& c)
{
    if (!c.NomAccessible.empty())
        return c.NomAccessible;
    const auto caractères = Caractères(c.Caption);
    const bool parlante = std::any_of(caractères.begin(), caractères.end(), LettreOuChiffre);
    return parlante ? std::string() : c.ToolTipText;
}
