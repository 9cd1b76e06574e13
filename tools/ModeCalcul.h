// Le mode --calcul de velmor-analyse : chaque expression passe par la calculatrice des coordonnées.
#pragma once

#include "CodesSortie.h"
#include "SortieVerifiee.h"

#include <string>
#include <vector>

// Écrit, pour chaque expression, son résultat puis ses fautes (en texte, ou un objet JSON par ligne) ;
// s'arrête dès que la sortie est en faute.
Bilan ModeCalcul(const std::vector<std::string>& expressions, bool json, SortieVérifiée& sortie);
