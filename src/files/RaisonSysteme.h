// Les erreurs du système dites en français, pour les diagnostics de velmor-analyse et les refus du
// rapport d'une figure.
#pragma once

#include <string>

std::string RaisonSystème(int numéroErreur);
