#include "game/Minuscules.h"

std::string Minuscules(std::string_view texte)
{
    std::string résultat(texte);
    for (std::size_t i = 0; i < résultat.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(résultat[i]);
        if (c >= 'A' && c <= 'Z') {
            résultat[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xC3 && i + 1 < résultat.size()) {
            // En UTF-8, À..Þ s'écrivent C3 80..C3 9E et leurs minuscules C3 A0..C3 BE ; × (C3 97) n'en a pas.
            unsigned char suite = static_cast<unsigned char>(résultat[i + 1]);
            if (suite >= 0x80 && suite <= 0x9E && suite != 0x97)
                résultat[i + 1] = static_cast<char>(suite + 0x20);
            ++i;
        }
    }
    return résultat;
}
