// La vue Qt qui montre une fenêtre-modèle donnée.
#pragma once

#include "qt/VueDialogue.h"

#include <memory>

// Nul si aucune vue n'est connue pour ce genre de fenêtre.
std::unique_ptr<VueDialogue> FabriquerVue(Fenêtre& fenêtre, QWidget* parent);
