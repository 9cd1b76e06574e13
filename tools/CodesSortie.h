// Les codes de sortie de velmor-analyse, communs à tous ses modes.
#pragma once

enum class CodeSortie : int {
    SansFaute = 0,
    AvecFaute = 1, // au moins une entrée a donné une faute
    Usage = 2,     // la ligne de commande n'est pas comprise
};
