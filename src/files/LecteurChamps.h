// Lecture champ par champ d'un fichier de figure, comme l'entrée séquentielle du programme frère.
#pragma once

#include "files/TexteFichier.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Un champ finit à une virgule ou en fin de ligne ; les blancs de tête sont sautés ; un champ qui commence
// par un guillemet va jusqu'au guillemet suivant (le reste jusqu'à la virgule est ignoré).
class LecteurChamps {
public:
    explicit LecteurChamps(LignesTexte lignes);
    // La ligne courante renvoie au texte gardé ici.
    LecteurChamps(const LecteurChamps&) = delete;
    LecteurChamps& operator=(const LecteurChamps&) = delete;

    // Le champ suivant, rien à la fin du fichier.
    std::optional<std::string> Texte();
    // Un nombre-octet : des chiffres seuls, 0 à 255, entourés de blancs.
    std::optional<std::uint8_t> Octet();
    // Un nombre décimal écrit avec un point.
    std::optional<double> Nombre();
    // True ou False.
    std::optional<bool> Booléen();

private:
    LignesTexte lignes;
    LignesTexte::Itérateur ligne;
    std::size_t colonne = 0;
};
