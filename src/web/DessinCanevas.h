// Les marques du canevas rejouées sur un <canvas> de la page, net à toute densité d'écran.
#pragma once

#include "ui/Canevas.h"

#include <emscripten/val.h>

void DessinerCanevas(const Canevas& modèle, const emscripten::val& dessin);
