// La figure dite en mots, pour qui ne voit pas le repère (un lecteur d'écran) : chaque point avec ses
// coordonnées telles que tapées, puis le polygone tracé.
#pragma once

#include "model/Modulebas.h"

#include <string>

std::string DescriptionFigure(const Modulebas& m);
