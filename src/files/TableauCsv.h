// Le tableau d'une classe pour un tableur : une ligne par figure, celle de velmor-analyse --csv comme celle
// que la page fait télécharger.
#pragma once

#include "files/RapportFigure.h"

#include <string>
#include <vector>

// fichier, figure, phrase et, avec une cible, verdict et explication.
std::vector<std::string> ColonnesCsv(bool avecCible);
// Les cellules d'une figure, telles quelles : la page les montre dans son tableau.
std::vector<std::string> CellulesCsv(const RapportFigure& rapport, bool avecCible);

// Les lignes du fichier, sans leur fin de ligne.
std::string EnTêteCsv(bool avecCible);
std::string LigneCsv(const RapportFigure& rapport, bool avecCible);
