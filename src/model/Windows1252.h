// Conversion entre les chaînes UTF-8 du cœur et les octets Windows-1252 des fichiers du programme.
#pragma once

#include <string>
#include <string_view>

// Chaque octet devient un caractère ; les cinq octets sans caractère en Windows-1252 (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) deviennent les caractères de contrôle de même code, pour que l'aller-retour les garde.
std::string Windows1252VersUtf8(std::string_view octets);

// Un caractère absent de Windows-1252, ou une séquence UTF-8 invalide, s'écrit « ? ».
std::string Utf8VersWindows1252(std::string_view texte);
