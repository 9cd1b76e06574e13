#include "analysis/Caracteres.h"

std::vector<std::string> Caractères(std::string_view texte)
{
    std::vector<std::string> caractères;
    for (const char octet : texte) {
        // Un octet de suite (10xxxxxx) prolonge le caractère en cours ; un octet isolé compte pour un.
        const bool suite = (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
        if (suite && !caractères.empty())
            caractères.back() += octet;
        else
            caractères.emplace_back(1, octet);
    }
    return caractères;
}
