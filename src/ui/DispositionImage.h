// L'image de la figure mise en page : le titre au-dessus du canevas, la légende dessous. Chaque ligne se
// pose d'après la taille de sa police et le nombre de ses caractères, jamais d'après une mesure du
// système : le bureau et la page la posent au même pixel.
#pragma once

#include "ui/Plateforme.h"

#include <string>
#include <vector>

// Une ligne de texte : X et Base (la ligne de base) en pixels depuis le coin haut-gauche de l'image.
struct LigneImage {
    std::string Texte;
    double X = 0;
    double Base = 0;
    int Taille = 0; // en pixels
    bool Gras = false;
};

// Une étiquette posée sur le canevas, en pixels depuis son coin haut-gauche : son cadre, sa police, sa
// ligne de base (le texte à gauche, centré en hauteur).
struct ÉtiquetteImage {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
    int Taille = 0;
    double Base = 0;
};

struct DispositionImage {
    int Largeur = 0;
    double Hauteur = 0;
    double HautCanevas = 0;
    int HauteurCanevas = 0;
    std::vector<LigneImage> Lignes;
};

// Une taille de police en points, en pixels de twipsParPixel twips.
int PixelsPolice(double points, double twipsParPixel);

// La ligne de base d'un texte d'une ligne centré en hauteur dans un cadre.
double BaseCentrée(double haut, double hauteur, int taille);

ÉtiquetteImage DisposerÉtiquette(const Contrôle& étiquette, double twipsParPixel);

DispositionImage DisposerImage(const ImageFigure& image, double twipsParPixel);
