// Un message tel qu'une fenêtre le montre : son titre et son texte. Les fonctions qui le rendent ne
// touchent à aucune fenêtre ; l'appelant le montre (FormMessage, ou la fenêtre des textes longs).
#pragma once

#include <string>

struct MessageTitré {
    std::string Titre;
    std::string Texte;

    bool operator==(const MessageTitré&) const = default;
};
