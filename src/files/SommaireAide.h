// Le sommaire du fichier d'aide : les titres des rubriques, dans l'ordre du fichier.
#pragma once

#include "files/FichierFigure.h"
#include "files/TexteFichier.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view TitreLectureAide = "Lecture du fichier d'aide";
inline constexpr std::string_view TexteTropDeRubriques =
    "Il y a plus de rubriques trouvées que de rubriques déclarées. Il ne faut pas utiliser les caractères < "
    "et "
    "> dans le texte des rubriques";
inline constexpr std::string_view TexteRubriqueManquante = "Le contenu de cette rubrique est manquante.";

// Au-delà de la racine, le sommaire garde au plus 15 titres.
inline constexpr std::size_t MaxRubriquesAide = 15;

struct SommaireAide {
    // Entrée 0 : la balise racine, jamais montrée ; les rubriques suivent (TitresRubriques).
    std::vector<std::string> Titres;
    // Le message à montrer une fois (fichier introuvable, trop de rubriques), rien sinon.
    std::optional<MessageTitré> Message;

    std::uint8_t NbRubriques() const
    {
        return Titres.empty() ? 0 : static_cast<std::uint8_t>(Titres.size() - 1);
    }
};

// Balaye les lignes du fichier : la première balise de chaque ligne, sauf « < », « <= » et « </ ».
SommaireAide SommaireDesLignes(const LignesTexte& lignes);

// Le fichier introuvable donne la liste vide et le message qui nomme son chemin.
SommaireAide LireSommaireAide(const std::filesystem::path& chemin);
