// La lecture bornée de tout fichier que le programme ouvre : la fenêtre et l'outil lisent de la même façon.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

// Un fichier de figure légal fait quelques dizaines de Kio, l'aide une quinzaine : au-delà, c'est un
// autre fichier, qu'on ne charge pas.
inline constexpr std::size_t TailleMaxFichierTexte = 1024 * 1024;

enum class RefusFichier { Introuvable, Dossier, PasOrdinaire, TropGrand, Illisible };

struct FichierLu {
    std::optional<std::string> Octets;
    // Quand rien n'est lu : pourquoi, et pour un fichier illisible, l'erreur du système.
    RefusFichier Refus = RefusFichier::Illisible;
    int ErreurSystème = 0;
};

// Tout le contenu d'un fichier ordinaire d'au plus TailleMaxFichierTexte octets. Jamais plus d'un octet
// au-delà n'est lu, et rien n'attend : une file nommée ou un périphérique sont refusés sans être lus.
FichierLu LireOctetsFichier(const std::filesystem::path& chemin);
