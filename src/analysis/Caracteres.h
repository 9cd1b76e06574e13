// Découpe d'un texte UTF-8 en caractères : une suite de sommets compte un caractère par nom.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> Caractères(std::string_view texte);
