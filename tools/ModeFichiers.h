// Le mode fichiers de velmor-analyse : chaque figure .lum est lue, analysée et mesurée comme dans la fenêtre.
#pragma once

#include "CodesSortie.h"

#include <QStringList>

// Écrit, pour chaque fichier, son résumé en français ou un objet JSON par ligne ; AvecFaute dès qu'un
// fichier est refusé.
CodeSortie ModeFichiers(const QStringList& fichiers, bool json);
