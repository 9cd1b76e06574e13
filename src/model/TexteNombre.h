// Les écritures d'un nombre en texte, partagées par tout le programme.
#pragma once

#include <charconv>
#include <string>

// Les seules écritures et la seule lecture d'un double en chiffres du programme, avec les règles de
// std::to_chars et std::from_chars : ce sont elles quand la bibliothèque les a ; sinon (libc++ 13 du
// navigateur), snprintf et strtod de la bibliothèque C, exactement arrondis eux aussi, donnent les mêmes
// textes. Ailleurs, to_chars et from_chars ne servent qu'aux entiers.

// La plus courte écriture « 1.5e+00 » qui redonne v.
std::to_chars_result ÉcrireScientifique(char* début, char* fin, double v);
// « 1.50e+00 » : précision chiffres après le point.
std::to_chars_result ÉcrireScientifique(char* début, char* fin, double v, int précision);
// « 1.50 » : décimales chiffres après le point.
std::to_chars_result ÉcrireFixe(char* début, char* fin, double v, int décimales);
// Un moins permis, ni blanc ni plus devant, pas d'hexadécimal (« 0x1 » se lit 0) ; hors des doubles, la
// valeur ne change pas et l'erreur est result_out_of_range.
std::from_chars_result LireDouble(const char* début, const char* fin, double& valeur);

// Le texte numérique général : 15 chiffres significatifs, un blanc à la place du signe +, pas de zéro
// devant le point (" .5", "-.5"), la forme exponentielle hors de 1E-4 <= |v| < 1E+15 (" 1E+15", " 1E-05").
std::string TexteNumérique(double v);

// L'écriture décimale du calcul : 15 chiffres significatifs, jamais d'exposant, "-" pour un négatif,
// un zéro devant le point ("0.5", "-0.5", "1000000000000000000").
std::string TexteDécimal(double v);
