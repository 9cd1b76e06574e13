// Le mode --calcul de velmor-analyse : chaque expression passe par la calculatrice des coordonnées.
#pragma once

#include "CodesSortie.h"

#include <QStringList>

// Écrit, pour chaque expression, son résultat ou ses fautes (en texte, ou un objet JSON par ligne).
CodeSortie ModeCalcul(const QStringList& expressions, bool json);
