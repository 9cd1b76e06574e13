// Un texte à montrer dans la fenêtre agrandie (AfficherTexte) : son titre et son contenu.
#pragma once

#include <string>

struct TexteÀAfficher {
    std::string Titre;
    std::string Texte;

    bool operator==(const TexteÀAfficher&) const = default;
};
