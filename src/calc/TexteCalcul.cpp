#include "calc/TexteCalcul.h"

TexteCalcul::TexteCalcul(std::string_view saisie) : octets(saisie), caractères(saisie.size() + 1)
{
    int caractère = 0;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        char& c = octets[i];
        if (c == ',')
            c = '.';
        else if (c == ':')
            c = '/';
        // Un octet de suite UTF-8 (10xxxxxx) appartient au caractère commencé avant lui.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && i > 0)
            ++caractère;
        caractères[i] = caractère;
    }
    caractères[octets.size()] = octets.empty() ? 0 : caractère + 1;
}
