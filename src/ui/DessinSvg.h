// L'image de la figure en dessin SVG : de vrais traits et du vrai texte, le même fichier au bureau et
// dans la page.
#pragma once

#include "ui/Plateforme.h"

#include <string>

// Les pixels du dessin sont ceux du navigateur, 96 au pouce : une image posée dans un document y prend la
// taille qu'elle a à l'écran.
constexpr double TwipsParPixelSvg = 15;

std::string DessinSvg(const ImageFigure& image);
