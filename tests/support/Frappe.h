// Frappe au clavier dans une zone de texte d'une fenêtre-modèle, caractère par caractère, comme un élève.
#pragma once

#include "model/Caracteres.h"
#include "ui/ZoneTexte.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char RetourArrière = '\b';

// Chaque caractère passe d'abord par le filtre de la fenêtre (qui peut déplacer le curseur) ; s'il est
// gardé, il remplace la sélection au curseur (« \b » efface celui d'avant), puis la fenêtre voit le
// changement. Les textes tapés ici sont en ASCII.
inline void Taper(ZoneTexte& zone, std::string_view texte, const std::function<bool(char32_t)>& touche,
                  const std::function<void()>& changement = {})
{
    for (char c : texte) {
        const char32_t code = c == RetourArrière ? ToucheRetourArrière : static_cast<char32_t>(c);
        if (!touche(code))
            continue;
        std::vector<std::string> caractères = Caractères(zone.Caption);
        const auto début =
            caractères.begin() + static_cast<std::ptrdiff_t>(std::min(zone.SelStart, caractères.size()));
        const auto fin = début + static_cast<std::ptrdiff_t>(
                                     std::min<std::size_t>(zone.SelLength, caractères.end() - début));
        if (code != ToucheRetourArrière) {
            zone.SelStart =
                static_cast<std::size_t>(caractères.insert(caractères.erase(début, fin), std::string(1, c)) -
                                         caractères.begin()) +
                1;
        } else if (début != fin) {
            zone.SelStart = static_cast<std::size_t>(caractères.erase(début, fin) - caractères.begin());
        } else if (début != caractères.begin()) {
            zone.SelStart = static_cast<std::size_t>(caractères.erase(début - 1) - caractères.begin());
        }
        zone.SelLength = 0;
        zone.Caption.clear();
        for (const std::string& car : caractères)
            zone.Caption += car;
        if (changement)
            changement();
    }
}
