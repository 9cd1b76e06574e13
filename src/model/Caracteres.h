// Les caractères d'un texte UTF-8 : le programme compte en caractères, pas en octets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Découpe le texte en caractères (un octet invalide compte pour un caractère).
std::vector<std::string> Caractères(std::string_view texte);

// Le caractère Windows-1252 de ce code, en UTF-8 ; "" pour un code sans caractère visible.
std::string CaractèreWindows1252(unsigned code);
