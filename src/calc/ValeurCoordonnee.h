// La seule façon dont un texte de coordonnée devient un nombre.
#pragma once

#include <string_view>

// Le calcul du texte à 12 décimales ; un calcul en faute vaut 0, sans rien dire.
double ValeurCoordonnée(std::string_view texte);
