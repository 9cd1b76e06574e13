// Ce qu'une fenêtre dit de ses contrôles à toute vue qui la montre, une fois pour toutes : chaque
// contrôle, son genre, sa présentation et le gestionnaire de chaque évènement auquel il répond. Les
// contrôles sont déclarés dans l'ordre où ils se posent, les derniers par-dessus les premiers ; c'est aussi
// l'ordre du clavier, sauf pour un contrôle qui dit venir après un autre.
#pragma once

#include "ui/Controle.h"
#include "ui/ZoneTexte.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

enum class Genre { Étiquette, ZoneTexte, Bouton, Option, Cadre, Image, Liste, ÉlémentMenu, Séparateur };

// Gauche, Centre et Droite sont centrés en hauteur ; HautGauche part du coin.
enum class Alignement { HautGauche, Gauche, Centre, Droite };

// Naturelle : celle du genre ; Gravée : un trait creusé ; Enfoncée : tout le contrôle est en creux.
enum class Bordure { Naturelle, Aucune, Simple, Épaisse, Gravée, Enfoncée };

enum class Flèche { Gauche, Droite, Haut, Bas };

struct ContrôleDéclaré {
    Contrôle* Modèle = nullptr;
    Genre Sorte = Genre::Étiquette;
    // Le nom sous lequel on retrouve le contrôle dans la vue ; vide, la vue ne le nomme pas.
    std::string Nom;
    // Le cadre, le canevas ou le menu qui le contient ; aucun : la fenêtre, ou la barre des menus.
    const Contrôle* Dans = nullptr;
    // Tab y vient juste après ce contrôle plutôt qu'à sa place dans la pose.
    const Contrôle* ClavierAprès = nullptr;
    // Un tableau qui grandit et rétrécit (Modèle est alors nul) : un widget par élément.
    std::vector<Contrôle>* Tableau = nullptr;
    // Une zone de texte qui tient curseur, sélection et demande de focus.
    ZoneTexte* Zone = nullptr;
    // Les lignes d'une liste et celle qui est choisie (-1 : aucune).
    const std::vector<std::string>* Lignes = nullptr;
    const int* LigneChoisie = nullptr;

    // Les évènements. Survol : le pointeur passe dessus, ou le focus y arrive. Touche : chaque caractère
    // tapé (8 effacement arrière, 13 entrée, 27 échappement), qu'elle peut remplacer ; faux, il est refusé.
    // Flèche : le contrôle où va le focus, ou aucun si la flèche ne fait rien.
    std::function<void()> Clic;
    std::function<void()> Changement;
    std::function<void()> Survol;
    std::function<bool(char32_t&)> Touche;
    std::function<Contrôle*(Flèche)> SurFlèche;
    // Ceux d'un élément de tableau ou d'une ligne de liste, désignés par leur indice.
    std::function<void(std::size_t)> ClicÉlément;
    std::function<void(std::size_t)> SurvolÉlément;

    Alignement Aligné = Alignement::HautGauche;
    Bordure Bord = Bordure::Naturelle;
    bool Gras = false;
    bool UneLigne = false;    // une étiquette qui ne passe pas à la ligne
    bool Traversable = false; // la souris passe au travers, vers ce qui est dessous
    bool AuClavier = true;    // Tab s'arrête sur une zone de texte ; faux, elle se lit sans le clavier
    bool Multiligne = false;
    bool LectureSeule = false;
    bool Défile = false; // une zone multiligne à la barre de défilement toujours là
};

// Un raccourci clavier usuel, à côté des touches d'accès : il fait ce que fait sa commande, quand elle le
// peut (touches écrites comme Qt les lit : « Ctrl+O », « F1 »).
struct Raccourci {
    std::string Touches;
    Contrôle* Commande;
};

struct Déclaration {
    std::vector<ContrôleDéclaré> Contrôles;
    // Le premier visible est celui qu'Entrée presse (aucun visible : le dernier) ; Échap presse le bouton
    // d'annulation.
    std::vector<const Contrôle*> ParDéfaut;
    const Contrôle* Annulation = nullptr;
    std::vector<Raccourci> Raccourcis;
    // Les évènements de la fenêtre elle-même : le pointeur sur son fond, un changement de sa taille.
    std::function<void()> Survol;
    std::function<void()> Redimensionnement;

    // Ajoute un contrôle et le rend, pour en préciser la présentation ou les gestionnaires.
    ContrôleDéclaré& Ajouter(Contrôle& c, Genre sorte, std::function<void()> clic = {})
    {
        ContrôleDéclaré& d = Contrôles.emplace_back();
        d.Modèle = &c;
        d.Sorte = sorte;
        d.Clic = std::move(clic);
        return d;
    }
    ContrôleDéclaré& Ajouter(ZoneTexte& zone)
    {
        ContrôleDéclaré& d = Ajouter(zone, Genre::ZoneTexte);
        d.Zone = &zone;
        return d;
    }
};
