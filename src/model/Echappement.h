// Les textes venus d'un fichier ou de la ligne de commande, rendus sûrs pour un terminal (et, pour que le
// tableau d'une classe soit le même partout, dans le CSV de la page).
#pragma once

#include <string>
#include <string_view>

// Les caractères de contrôle (C0, DEL et, en UTF-8, C1) deviennent \xHH ou \u00HH : un fichier ne peut
// ni colorer, ni effacer, ni réécrire le terminal de celui qui lit le résumé.
std::string Lisible(std::string_view texte);
