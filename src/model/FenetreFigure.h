// Ce que les opérations de la figure demandent à la fenêtre qui l'affiche.
#pragma once

#include <cstddef>

class FenêtreFigure {
public:
    virtual ~FenêtreFigure() = default;

    // L'étiquette du nom du point numéro n disparaît de l'écran.
    virtual void DétruireÉtiquettePoint(std::size_t n) = 0;

    // La figure lue d'un fichier est fermée (commande « Fermer la figure »).
    virtual void FermerFigure() = 0;
};
