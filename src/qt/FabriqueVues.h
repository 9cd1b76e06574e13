// La vue Qt qui montre une fenêtre-modèle donnée.
#pragma once

#include "qt/VueDialogue.h"

#include <memory>

std::unique_ptr<VueDialogue> FabriquerVue(Fenêtre& fenêtre, QWidget* parent);
