// La valeur d'un texte lu comme un nombre : son plus long nombre en tête.
#pragma once

#include <string_view>

// Les blancs (espace, tabulation, saut de ligne) sont sautés partout : "1 2" vaut 12. Un signe, des
// chiffres, un point et des chiffres, puis un exposant E ou D et son signe. Sans nombre en tête, 0.
// Trop grand pour un double : l'infini de son signe.
double ValeurNumérique(std::string_view texte);

bool EstBlanc(char c);
