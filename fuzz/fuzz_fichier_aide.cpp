// Le sommaire et le lecteur de rubriques face à n'importe quel fichier d'aide.
#include "files/ClassLireAide.h"
#include "files/SommaireAide.h"
#include "files/TexteFichier.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* données, std::size_t taille)
{
    const std::string_view octets{reinterpret_cast<const char*>(données), taille};
    const auto lignes = LignesDuFichier(octets);
    const auto sommaire = SommaireDesLignes(lignes);
    if (sommaire.NbRubriques() > MaxRubriquesAide)
        __builtin_trap();
    std::size_t tailleTexte = 0;
    std::string_view dernière;
    for (const std::string_view ligne : lignes) {
        tailleTexte += ligne.size() + 1;
        dernière = ligne;
    }
    for (const auto& titre : sommaire.Titres) {
        const auto rubrique = RubriqueDesLignes(lignes, titre);
        if (rubrique.Texte.size() > tailleTexte || (rubrique.Manquante && !rubrique.Texte.empty()))
            __builtin_trap();
    }
    // Un titre pris dans le fichier même, qu'il soit une balise ou non.
    RubriqueDesLignes(lignes, std::string(dernière));
    return 0;
}
