// Les fautes que la calculatrice signale, avec la position du caractère en cause.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class CodeFaute : std::uint8_t {
    OpérationsDeSuite = 1,      // deux opérateurs voisins, dont un de ^ * /
    SignesDeSuite = 2,          // deux signes + ou - voisins
    FermanteManquante = 4,      // plus de ( que de )
    OuvranteManquante = 5,      // une ) qui ne ferme rien
    FonctionSansParenthèse = 6, // un nom de fonction sans ( juste après
    RacineNégative = 7,
    ParenthèsesVides = 8,
    CalculImpossible = 9, // division par zéro, tangente de 90°, puissance impossible, nombre trop grand
};

struct FauteCalcul {
    CodeFaute Code;
    int Position; // en caractères, dans le texte tapé ; l'origine dépend du code (voir ClassCalcul)

    bool operator==(const FauteCalcul&) const = default;
};

struct RésultatCalcul {
    std::string Texte; // vide après une faute qui arrête le calcul
    std::vector<FauteCalcul> Fautes;

    bool SansFaute() const { return Fautes.empty(); }
};
