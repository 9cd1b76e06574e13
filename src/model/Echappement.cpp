#include "model/Echappement.h"

#include <cstdio>

namespace {

std::string Code(const char* forme, unsigned valeur)
{
    char tampon[8];
    std::snprintf(tampon, sizeof tampon, forme, valeur);
    return tampon;
}

} // namespace

std::string Lisible(std::string_view texte)
{
    std::string lisible;
    lisible.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        const auto suivant = i + 1 < texte.size() ? static_cast<unsigned char>(texte[i + 1]) : 0u;
        if (c < 0x20 || c == 0x7f) {
            lisible += Code("\\x%02x", c);
        } else if (c == 0xc2 && suivant >= 0x80 && suivant <= 0x9f) {
            lisible += Code("\\u%04x", suivant);
            ++i;
        } else {
            lisible += static_cast<char>(c);
        }
    }
    return lisible;
}
