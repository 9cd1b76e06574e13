// Le cadre qui montre le focus au clavier : il doit se voir sur le fond autour du contrôle comme sur le
// contrôle lui-même (une case de couleur, un bouton), quelle que soit leur couleur.
#pragma once

#include "model/Couleur.h"

// Chaque bande est pleine et large de deux pixels.
inline constexpr int LargeurBandeFocus = 2;

// La face des boutons du système, claire : le cadre se pose dessus.
inline constexpr Couleur FaceBouton{239, 239, 239};

// Le rapport de contraste de deux couleurs, de 1 (pareilles) à 21 (noir et blanc), sur leurs luminances
// relatives.
double RapportContraste(Couleur a, Couleur b);

// Le cadre sur le bord d'un contrôle de couleur dedans posé sur un fond de couleur autour : la bande
// extérieure, noire ou blanche, tranche sur autour ; l'intérieure, posée juste dedans, tranche sur dedans.
// Le noir ou le blanc le plus éloigné d'une couleur atteint toujours 4,5:1 au moins.
struct Contrôle;
void PoserCadreFocus(Contrôle& c, Couleur autour, Couleur dedans);
