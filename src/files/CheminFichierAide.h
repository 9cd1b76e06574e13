// Où chercher le fichier d'aide : à côté du programme, sinon là où l'installation l'a mis.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view NomFichierAide = "Velmor.dat";

// Les emplacements possibles, dans l'ordre : le dossier du programme (qui finit par « / »), le dossier
// des données vu depuis le programme installé, puis celui du préfixe choisi à la construction.
std::vector<std::string> EmplacementsFichierAide(const std::string& cheminAppli);

// Le premier emplacement où le fichier existe, sinon le premier de tous.
std::string CheminFichierAide(const std::string& cheminAppli);
