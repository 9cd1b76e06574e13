#include "game/ChoixCible.h"

#include "game/Minuscules.h"
#include "model/Caracteres.h"

#include <string>

namespace {

// En minuscules et sans accents, les espaces des bords retirés.
std::string Replié(std::string_view texte)
{
    static const std::string_view accents[][2] = {{"à", "a"}, {"â", "a"}, {"ä", "a"}, {"é", "e"}, {"è", "e"},
                                                  {"ê", "e"}, {"ë", "e"}, {"î", "i"}, {"ï", "i"}, {"ô", "o"},
                                                  {"ö", "o"}, {"ù", "u"}, {"û", "u"}, {"ü", "u"}, {"ç", "c"}};
    std::string replié;
    for (const std::string& caractère : Caractères(Minuscules(texte))) {
        std::string_view simple = caractère;
        for (const auto& [accentué, sans] : accents)
            if (caractère == accentué)
                simple = sans;
        replié += simple;
    }
    const auto début = replié.find_first_not_of(' ');
    const auto fin = replié.find_last_not_of(' ');
    return début == std::string::npos ? std::string() : replié.substr(début, fin - début + 1);
}

} // namespace

const Cible* TrouverCible(std::string_view nom)
{
    const std::string cherché = Replié(nom);
    for (const Cible& cible : TableCibles)
        if (Replié(cible.Nom) == cherché)
            return &cible;
    return nullptr;
}
