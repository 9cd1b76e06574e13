// Cible libFuzzer de la calculatrice : tout texte rend un résultat, jamais un plantage.
#include "calc/ClassCalcul.h"
#include "calc/ValeurCoordonnee.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* données, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char*>(données), taille);
    ClassCalcul calcul;
    calcul.NbDécimales(12);
    calcul.ChaîneSaisie(texte);
    int appels = 0;
    calcul.ErreurCarac = [&](int position, CodeFaute) {
        ++appels;
        if (position < 0 || position > static_cast<int>(taille) + 2)
            std::abort();
    };
    const RésultatCalcul résultat = calcul.Calculer();
    const std::string valeur = calcul.ValeurChaîne();
    // Les deux façons de lire le calcul s'accordent, et une valeur reste toujours finie et bornée.
    if (valeur != résultat.Texte || appels != static_cast<int>(résultat.Fautes.size()))
        std::abort();
    const double v = ValeurCoordonnée(texte);
    if (!std::isfinite(v) || std::fabs(v) >= 1e15)
        std::abort();
    return 0;
}
