// La cible que nomme le professeur, sur la ligne de commande ou dans la page : un des dix noms du jeu, sans
// souci des accents ni des majuscules (« carre », « TRAPEZE ISOCELE NON RECTANGLE »).
#pragma once

#include "game/TableCibles.h"

#include <string_view>

const Cible* TrouverCible(std::string_view nom);
