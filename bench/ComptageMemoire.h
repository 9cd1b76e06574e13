// Le compte des octets que le programme mesuré tient alloués, pour le pic d'une opération.
#pragma once

#include <cstddef>

// Le compte commence au niveau courant.
void DébutPic();
// Arrête le compte ; rend le plus haut niveau atteint depuis DébutPic, au-dessus du départ, en octets.
std::size_t FinPic();
