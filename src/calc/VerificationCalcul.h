// Les vérifications du texte d'un calcul avant tout calcul : opérateurs voisins et parenthèses.
#pragma once

#include "calc/FauteCalcul.h"
#include "calc/TexteCalcul.h"

#include <optional>

// Au plus une faute, des codes 1, 2, 4 ou 5, dans cet ordre de priorité.
std::optional<FauteCalcul> VérifierCalcul(const TexteCalcul& texte);
