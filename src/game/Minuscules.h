// Les noms des cibles en minuscules, accents compris, pour les phrases du jeu.
#pragma once

#include <string>
#include <string_view>

// Les majuscules ASCII et latines accentuées (À à Þ) passent en minuscules ; le reste ne change pas.
std::string Minuscules(std::string_view texte);
