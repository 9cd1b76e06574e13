// Les codes de sortie de velmor-analyse, communs à tous ses modes, et le bilan d'où ils viennent.
#pragma once

#include <cstddef>

enum class CodeSortie : int {
    SansFaute = 0,
    AvecFaute = 1, // au moins une entrée a donné une faute, ou la sortie n'a pas pu être écrite
    Usage = 2,     // la ligne de commande n'est pas comprise
};

// Ce qu'un mode a fait de ses entrées (expressions ou fichiers).
struct Bilan {
    std::size_t Réussies = 0;
    std::size_t Refusées = 0;
    std::size_t Ratées = 0; // avec --cible : les figures lues qui n'atteignent pas la cible
};
