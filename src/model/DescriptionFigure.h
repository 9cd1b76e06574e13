// La figure dite en mots, pour qui ne voit pas le repère (un lecteur d'écran) : chaque point avec ses
// coordonnées, puis le polygone tracé.
#pragma once

#include "model/Modulebas.h"

#include <string>

// Un point et ses coordonnées telles que tapées : « B(1,25 ; 0) ». Le point d'un nombre se lit avec le
// séparateur décimal de l'élève, comme les longueurs ; un calcul se lit comme il a été tapé.
std::string DescriptionPoint(const PointFig& p, const std::string& séparateurDécimal);

std::string DescriptionFigure(const Modulebas& m, const std::string& séparateurDécimal);
