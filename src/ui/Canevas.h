// La surface de dessin comme modèle : une échelle utilisateur et la liste des marques tracées.
#pragma once

#include "model/Couleur.h"
#include "model/Repere.h"
#include "ui/Controle.h"

#include <functional>
#include <vector>

enum class GenreMarque { Ligne, Point };

// Une marque tracée, en unités de l'échelle ; un point n'utilise que (X1, Y1).
struct Marque {
    GenreMarque Genre = GenreMarque::Ligne;
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    Couleur Teinte;
    int Épaisseur = 1; // en pixels, comme la largeur du crayon
};

class Canevas {
public:
    Contrôle Cadre; // position et taille en twips dans la fenêtre, fond

    // Le repère des marques : elles sont tracées en unités de son échelle.
    void DéfinirRepère(const Repère& r) { repère = r; }
    const Repère& RepèreCourant() const { return repère; }

    int DrawWidth = 1;
    // Demande à la vue de donner le clavier au canevas (pour Échap) ; la vue l'éteint une fois fait.
    bool DemandeFocus = false;

    // Seul Cls efface les marques ; les étiquettes posées sur le canevas n'en font pas partie.
    void Cls() { marques.clear(); }
    void Line(double x1, double y1, double x2, double y2, Couleur teinte);
    void PSet(double x, double y, Couleur teinte);
    const std::vector<Marque>& Marques() const { return marques; }

    // Évènements de la souris et du clavier, en unités de l'échelle, branchés par la fenêtre.
    std::function<void(int bouton, double x, double y)> MouseDown;
    std::function<void(int bouton, double x, double y)> MouseMove;
    std::function<void(char32_t& touche)> KeyPress;
    std::function<void(int codeTouche)> KeyDown; // touches sans caractère : 37 à 40 les flèches

private:
    Repère repère;
    std::vector<Marque> marques;
};
