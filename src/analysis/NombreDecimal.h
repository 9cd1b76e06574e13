// Un nombre écrit en décimal à 15 chiffres significatifs, comme le programme écrit ses nombres en texte.
#pragma once

#include <string>
#include <string_view>

// Valeur = ± 0,Chiffres × 10^Exposant ; zéro n'a aucun chiffre.
struct NombreDécimal {
    bool Négatif = false;
    std::string Chiffres; // sans zéro en tête ni en queue
    int Exposant = 0;

    // Le nombre tel que son texte à 15 chiffres significatifs l'écrit ; un infini ou un NaN vaut 0.
    static NombreDécimal De(double v);

    bool EstEntier() const;
    // Les décimales au-delà de la limite sont coupées, sans arrondi.
    NombreDécimal Tronqué(int décimales) const;
    // Arrondi à la décimale donnée, les cas à mi-chemin allant au chiffre pair.
    NombreDécimal ArrondiAuPair(int décimales) const;
    double Valeur() const;
    // Sans signe plus, sans groupement ni zéro final ; « 0 » devant un nombre inférieur à 1.
    std::string Texte(std::string_view séparateur) const;
};
