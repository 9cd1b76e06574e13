#include "game/Exercices.h"

#include "model/Modulebas.h"

void DébuterExercice(Modulebas& m, const Exercice& exercice)
{
    m.NbPointsMax = exercice.NbPoints;
    m.ExerciceEnCours = true;
}

void TerminerExercice(Modulebas& m)
{
    m.ModeFichier = false;
    m.CibleEnCours = false;
    m.ExerciceEnCours = false;
    // La limite de l'énoncé ne doit pas survivre à l'exercice : le dessin libre reprend sa capacité.
    m.NbPointsMax = m.LimiteTravailLibre();
}

void GlissementPanneau::Lancer(double gaucheÉcran, double gaucheÉtape)
{
    NbPas = 100;
    LongueurPas = (gaucheÉtape - gaucheÉcran) / NbPas;
}

std::optional<double> GlissementPanneau::Top(double gaucheÉcran)
{
    PasCourant += 1;
    if (PasCourant > NbPas) {
        PasCourant = 0;
        return std::nullopt;
    }
    return gaucheÉcran + PasCourant * LongueurPas;
}
