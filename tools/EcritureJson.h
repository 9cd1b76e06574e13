// Le JSON de velmor-analyse, octet pour octet celui qu'il écrit depuis toujours : clés dans l'ordre
// alphabétique, nombres entiers sans « .0 », UTF-8 mal formé remplacé par U+FFFD, sans Qt ni bibliothèque.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// Chaque membre est une valeur déjà écrite en JSON ; la table les garde dans l'ordre de leurs clés.
using ObjetJson = std::map<std::string, std::string>;

std::string TexteJson(const ObjetJson& objet);
std::string TexteJson(const std::vector<std::string>& valeurs);
std::string ChaîneJson(std::string_view texte);
// Un entier jusqu'à 2^53 s'écrit en entier ; sinon la plus courte écriture qui redonne le nombre, décimale
// ou avec exposant, la plus brève des deux ; null pour l'infini et NaN.
std::string NombreJson(double v);
inline std::string BooléenJson(bool b)
{
    return b ? "true" : "false";
}
inline const std::string NulJson = "null";
