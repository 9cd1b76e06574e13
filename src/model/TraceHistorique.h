// Une entrée de l'historique des tracés, telle qu'un fichier de figure l'écrit : « Point A » ou
// « Polygone ABCD ». Le mot-clé ne s'écrit et ne se lit qu'ici.
#pragma once

#include <string>
#include <string_view>

std::string EntréePoint(std::string_view nom);
std::string EntréePolygone(std::string_view sommets);
bool EstEntréePolygone(std::string_view entrée);
// Les sommets d'une entrée « Polygone » : ses caractères après le mot-clé et son espace.
std::string SommetsDeLEntrée(std::string_view entrée);
