// Les écritures d'un nombre en texte, partagées par tout le programme.
#pragma once

#include <string>

// Le texte numérique général : 15 chiffres significatifs, un blanc à la place du signe +, pas de zéro
// devant le point (" .5", "-.5"), la forme exponentielle hors de 1E-4 <= |v| < 1E+15 (" 1E+15", " 1E-05").
std::string TexteNumérique(double v);

// L'écriture décimale du calcul : 15 chiffres significatifs, jamais d'exposant, "-" pour un négatif,
// un zéro devant le point ("0.5", "-0.5", "1000000000000000000").
std::string TexteDécimal(double v);
