// Ce que certaines fenêtres dessinent en propre (l'emblème, le cadre de la couleur choisie, l'image d'un
// angle) : une classe de la page sur l'élément de leur contrôle, dessinée par velmor.css.
#pragma once

#include "web/VueWeb.h"

void Habiller(VueWeb& vue);
