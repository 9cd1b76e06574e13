// Une partie jouée dans la fenêtre principale : des figures qui atteignent les cibles, les cibles choisies
// et confirmées.
#pragma once

#include "support/KorvaneOuverte.h"

// Une figure qui atteint chacune des dix cibles, dans l'ordre de la table.
inline const std::vector<FigureTracée>& FiguresRéussies()
{
    static const std::vector<FigureTracée> figures = {
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
    };
    return figures;
}

class PartieKorvane : public KorvaneOuverte {
protected:
    // Clic sur la ligne de la cible ; l'élève valide (ou annule) la confirmation.
    void Choisir(std::size_t cible, bool valider = true)
    {
        plateforme.QuandSOuvre<FormTexteAgrandi>([valider](FormTexteAgrandi& f) {
            if (valider)
                f.BtonValider_Click();
            else
                f.BtonAnnuler_Click();
        });
        k.CliquerÉlément(k.LabTypeFig, cible);
    }

    void Analyser() { k.Cliquer(k.BtonVelmor); }

    void Réussir(std::size_t cible)
    {
        Choisir(cible);
        ASSERT_TRUE(Tracer(FiguresRéussies()[cible]));
        Analyser();
    }

    void Abandonner(std::size_t cible)
    {
        Choisir(cible);
        k.Cliquer(k.BtonAbandon);
    }
};
