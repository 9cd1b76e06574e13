// L'image de la figure décrite pour la page, qui la peint sur un <canvas> : la mise en page du dessin SVG,
// les marques comme le canevas de l'écran, les étiquettes à leur place.
#pragma once

#include "ui/Plateforme.h"

#include <emscripten/val.h>

emscripten::val ImagePourPage(const ImageFigure& image);
