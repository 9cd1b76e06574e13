// Le mode fichiers de velmor-analyse : chaque figure .lum est lue, analysée et mesurée comme dans la fenêtre.
#pragma once

#include "CodesSortie.h"
#include "SortieVerifiee.h"
#include "game/TableCibles.h"

#include <functional>
#include <string>
#include <vector>

// Écrit, pour chaque fichier, son résumé en français ou un objet JSON par ligne ; chaque refus est dit
// aussi, avec sa raison, sur la sortie d'erreur. S'arrête dès que la sortie est en faute.
// Avec une cible, chaque figure est jugée comme le jeu la jugerait, avec ses phrases ; figureLue, s'il y
// en a une (l'image de --image), reçoit chaque fichier lu sans refus.
enum class FormeSortie { Texte, Json, Csv };

Bilan ModeFichiers(const std::vector<std::string>& fichiers, FormeSortie forme, const Cible* cible,
                   const std::function<void(const std::string&)>& figureLue, SortieVérifiée& sortie);
