// La calculatrice des coordonnées : le texte d'un calcul devient le texte de sa valeur décimale.
#pragma once

#include "calc/FauteCalcul.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Positions des fautes, en caractères du texte tapé :
//  1, 2 : index (à partir de 0) de la paire d'opérateurs ;
//  4, 5 : position (à partir de 1) de la dernière ( ou de la ) qui ne ferme rien ;
//  6 : position du nom + longueur du nom + 1 ;  7 : position du nom + longueur du nom ;
//  8 : position de la ( de « () », ou position du nom + longueur du nom - 1 pour « NOM() » ;
//  9 : position de l'opérateur, du nom de fonction ou du nombre en cause.
// Seules les parenthèses vides sans fonction laissent le calcul continuer (elles valent 0).
class ClassCalcul {
public:
    // Appelé pour chaque faute, dans l'ordre, avant que ValeurChaîne rende.
    std::function<void(int position, CodeFaute code)> ErreurCarac;

    void ChaîneSaisie(std::string_view texte) { chaîne = texte; }
    void NbDécimales(std::int16_t n) { décimales = n; }

    // Le texte du résultat, coupé (non arrondi) à NbDécimales décimales ; vide après une faute grave.
    std::string ValeurChaîne() const;

    // Le même calcul, avec ses fautes rendues dans le résultat plutôt que par ErreurCarac.
    RésultatCalcul Calculer() const;

private:
    std::string chaîne;
    std::int16_t décimales = 0;
};
