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

DispositionImage DisposerImage(const ImageFigure& image, double twipsParPixel);
