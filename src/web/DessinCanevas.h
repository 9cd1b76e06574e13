// Les marques du canevas rejouées sur un <canvas> de la page, net à toute densité d'écran.
#pragma once

#include "ui/Canevas.h"

#include <emscripten/val.h>

#include <vector>

// Les marques en lignes de neuf nombres, en pixels d'une surface de largeur × hauteur : genre (0 point,
// 1 trait, 2 trait droit), x1, y1, x2, y2, rouge, vert, bleu, épaisseur.
std::vector<double> MarquesEnPixels(const Canevas& modèle, double largeur, double hauteur);
// Le fond du canevas, écrit pour la page.
std::string FondCanevas(const Canevas& modèle);

void DessinerCanevas(const Canevas& modèle, const emscripten::val& dessin);
