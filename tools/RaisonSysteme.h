// Les erreurs du système dites en français, pour les diagnostics de velmor-analyse.
#pragma once

#include <string>

std::string RaisonSystème(int numéroErreur);
