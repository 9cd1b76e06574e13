// L'état d'un contrôle de fenêtre, que la vue recopie sur son widget après chaque évènement.
#pragma once

#include "model/Couleur.h"

#include <optional>
#include <string>

// Formes du pointeur de la souris, avec les numéros du programme.
enum class Pointeur { Normal = 0, Flèche = 1, Personnalisé = 99 };

// Le cadre du focus au clavier, sur le bord du contrôle : une bande extérieure, puis une intérieure (de
// même couleur quand la première tranche déjà sur le contrôle). PoserCadreFocus en choisit les couleurs.
struct CadreFocus {
    Couleur Extérieur;
    Couleur Intérieur;
};

struct Contrôle {
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false; // coche des menus, choix des boutons d'option
    int Left = 0;         // position et taille en twips
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::optional<Couleur> BackColor; // absente : la couleur de la fenêtre
    std::optional<Couleur> ForeColor;
    double FontSize = 8.25;
    std::string ToolTipText;
    // Ce qu'annonce un lecteur d'écran quand ni la légende ni la bulle ne nomment le contrôle (une image,
    // une couleur, un signe).
    std::string NomAccessible;
    // Ce que le lecteur d'écran lit en plus du nom : pour le canevas, la figure dite en mots.
    std::string DescriptionAccessible;
    // Un élément de menu qui n'est qu'un trait entre deux groupes : ni légende ni clic.
    bool Séparateur = false;
    Pointeur MousePointer = Pointeur::Normal;
    std::optional<CadreFocus> Focus; // absent : le cadre du système
};

// Un contrôle tel que dessiné : légende, position et taille en twips.
inline Contrôle Dessiné(std::string légende, int gauche, int haut, int largeur, int hauteur)
{
    Contrôle c;
    c.Caption = std::move(légende);
    c.Left = gauche;
    c.Top = haut;
    c.Width = largeur;
    c.Height = hauteur;
    return c;
}
