// Le déroulement d'un exercice guidé hors de la fenêtre : début, fin, glissement du panneau de l'énoncé.
#pragma once

#include "game/TableExercices.h"

#include <optional>

struct Modulebas;

// Début : l'exercice est en cours et limite les points à ceux de l'énoncé ; la figure déjà tracée reste.
void DébuterExercice(Modulebas& m, const Exercice& exercice);
// Fin (BtonOk) : plus aucun mode, la limite de points revient à celle du dessin libre ; la fenêtre
// revient au choix d'une cible et efface la figure.
void TerminerExercice(Modulebas& m);

// Le panneau glisse en NbPas pas de 10 ms du bord gauche d'Ecran à celui d'EtiEtape.
class GlissementPanneau {
public:
    static constexpr int IntervalleMs = 10;

    // BtonSuite : la longueur d'un pas, d'après les deux bords (en twips).
    void Lancer(double gaucheÉcran, double gaucheÉtape);
    // Un top de la minuterie : la nouvelle gauche du panneau, ou rien quand la minuterie doit s'arrêter
    // (le pas courant revient alors à 0 pour le glissement suivant).
    std::optional<double> Top(double gaucheÉcran);

    int NbPas = 100;
    int PasCourant = 0;
    double LongueurPas = 0;
};
