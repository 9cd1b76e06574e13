// Une partie jouée dans la fenêtre principale : une figure qui atteint chaque cible, les cibles choisies
// et confirmées, et des suites de coups écrites en lettres.
#pragma once

#include "game/TableCibles.h"
#include "support/KorvaneOuverte.h"

#include <array>
#include <string_view>

// Une figure qui atteint chacune des dix cibles, dans l'ordre de la table.
inline const std::array<FigureTracée, NbCibles>& FiguresRéussies()
{
    static const std::array<FigureTracée, NbCibles> figures{{
        TriangleABC,
        {{{"A", "0", "4"}, {"B", "-2", "0"}, {"C", "2", "0"}}, "ABC"},
        {{{"A", "0", "0"}, {"B", "6", "0"}, {"C", "4", "2"}, {"D", "1", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "6", "0"}, {"C", "4", "2"}, {"D", "2", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "4", "2"}, {"D", "1", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "5", "2"}, {"D", "1", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "2", "1"}, {"C", "0", "5"}, {"D", "-2", "1"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "3"}, {"C", "4", "8"}, {"D", "0", "5"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "4", "2"}, {"D", "0", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "2", "0"}, {"C", "2", "2"}, {"D", "0", "2"}}, "ABCD"},
    }};
    return figures;
}

class PartieKorvane : public KorvaneOuverte {
protected:
    // Clic sur la ligne de la cible ; l'élève valide (ou annule) la confirmation.
    void Choisir(std::size_t cible, bool valider = true)
    {
        plateforme.QuandSOuvre<FormTexteAgrandi>(
            [valider](FormTexteAgrandi& f) { valider ? f.BtonValider_Click() : f.BtonAnnuler_Click(); });
        k.CliquerÉlément(k.LabTypeFig, cible);
    }

    // La figure tracée sur un canevas effacé, puis l'Analyse.
    void Soumettre(const FigureTracée& figure)
    {
        k.Cliquer(k.BtonEfface);
        ASSERT_TRUE(Tracer(figure));
        k.Cliquer(k.BtonVelmor);
    }

    // Une lettre par cible, dans l'ordre de la table : R atteinte, A abandonnée, E ratée d'abord (avec la
    // figure d'une autre cible) puis atteinte.
    void Jouer(std::string_view coups)
    {
        for (std::size_t cible = 0; cible < coups.size(); ++cible) {
            Choisir(cible);
            if (coups[cible] == 'A') {
                k.Cliquer(k.BtonAbandon);
                continue;
            }
            if (coups[cible] == 'E')
                Soumettre(FiguresRéussies()[cible == 0 ? 1 : 0]);
            Soumettre(FiguresRéussies()[cible]);
        }
    }
};
