// Un contrôle dessiné caché, que la fenêtre montre quand elle en a besoin.
#pragma once

#include "ui/Controle.h"

#include <string>

inline Contrôle DessinéCaché(std::string légende, int gauche, int haut, int largeur, int hauteur)
{
    Contrôle c = Dessiné(std::move(légende), gauche, haut, largeur, hauteur);
    c.Visible = false;
    return c;
}
