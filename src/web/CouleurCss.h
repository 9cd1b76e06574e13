// Une couleur du programme telle que la feuille de style et le <canvas> de la page l'écrivent.
#pragma once

#include "model/Couleur.h"

#include <string>

inline std::string CouleurCss(const Couleur& c)
{
    return "rgb(" + std::to_string(c.R) + "," + std::to_string(c.V) + "," + std::to_string(c.B) + ")";
}
