// Frappe au clavier dans une zone de texte d'une fenêtre-modèle, caractère par caractère, comme un élève.
#pragma once

#include "ui/ZoneTexte.h"

#include <functional>
#include <string_view>

inline constexpr char RetourArrière = '\b';

// Chaque caractère passe d'abord par le filtre de la fenêtre (qui peut déplacer le curseur) ; s'il est
// gardé, il remplace la sélection au curseur (« \b » efface celui d'avant), puis la fenêtre voit le
// changement. Les textes tapés ici sont en ASCII.
inline void Taper(ZoneTexte& zone, std::string_view texte, const std::function<bool(char32_t)>& touche,
                  const std::function<void()>& changement = {})
{
    for (char c : texte) {
        const char32_t code = c == RetourArrière ? ToucheRetourArrière : static_cast<char32_t>(c);
        if (!touche(code)) {
            continue;
        }
        std::string& t = zone.Caption;
        const std::size_t début = OctetDuCaractère(t, zone.SelStart);
        const std::size_t fin = OctetDuCaractère(t, zone.SelStart + zone.SelLength);
        if (code == ToucheRetourArrière) {
            if (zone.SelLength > 0) {
                t.erase(début, fin - début);
            } else if (zone.SelStart > 0) {
                const std::size_t avant = OctetDuCaractère(t, zone.SelStart - 1);
                t.erase(avant, début - avant);
                --zone.SelStart;
            }
        } else {
            t.replace(début, fin - début, 1, c);
            ++zone.SelStart;
        }
        zone.SelLength = 0;
        if (changement) {
            changement();
        }
    }
}
