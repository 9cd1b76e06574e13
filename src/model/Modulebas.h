// Les valeurs partagées par toutes les fenêtres : la figure, les échanges, les réglages.
#pragma once

#include "model/Couleur.h"
#include "model/PointFig.h"
#include "model/TableauBase1.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Limite absolue du nombre de points d'une figure.
inline constexpr std::size_t LimitePoints = 250;
// L'historique garde au plus ce qu'un fichier de figure peut écrire : un nombre d'un octet.
inline constexpr std::size_t LimiteTracés = 255;
// Les tableaux de la figure grandissent par pas de 10.
inline constexpr std::size_t PasTableaux = 10;

inline constexpr Couleur CouleurFenêtre{181, 165, 115};
inline constexpr Couleur CouleurQuadrillage{0, 255, 255};
inline constexpr Couleur CouleurAxes{100, 100, 0};
inline constexpr Couleur CouleurBordure{141, 125, 75};
inline constexpr Couleur CouleurPanneau{223, 207, 157};
inline constexpr Couleur CouleurFondScore{223, 207, 157};
inline constexpr Couleur CouleurTexteScore{255, 0, 0};

struct Modulebas {
    // La figure.
    TableauBase1<PointFig> Points{PasTableaux};
    std::uint8_t NbPoints = 0;
    std::uint8_t NbPointsMax = PasTableaux;
    TableauBase1<PointFig> Sommets{PasTableaux};
    std::size_t NbSommets = 0;
    bool PolygoneTracé = false;
    TableauBase1<std::string> Tracés{PasTableaux};
    std::size_t NbTracés = 0;
    std::vector<std::string> TabLongueurs = std::vector<std::string>(PasTableaux + 1); // indexé à partir de 0
    std::vector<std::string> TabAngles = std::vector<std::string>(PasTableaux + 1); // indexé à partir de 0
    // Pour chaque position de la dernière suite de sommets analysée, l'indice de son point dans Points.
    TableauBase1<std::uint8_t> IndSommets{1};

    // Les capacités sont les dimensions des tableaux eux-mêmes.
    std::size_t CapPoints() const { return Points.Dimension(); }
    std::size_t CapSommets() const { return Sommets.Dimension(); }
    std::size_t CapTracés() const { return Tracés.Dimension(); }
    // En travail libre, la limite de points suit CapPoints, sans dépasser la limite absolue.
    std::uint8_t LimiteTravailLibre() const
    {
        return static_cast<std::uint8_t>(std::min(CapPoints(), LimitePoints));
    }

    // Valeurs d'échange entre la fenêtre principale et ses dialogues.
    std::string NomSaisi;
    std::string XSaisi;
    std::string YSaisi;
    std::uint8_t PositionSaisie = 0;
    std::uint8_t PositionSuivante = 1;
    std::string NomSauvé;
    std::uint8_t PositionSauvée = 0;
    std::uint8_t PositionSuivanteSauvée = 0;
    std::uint8_t NumPointModif = 0;
    std::string ChaîneSommets;
    std::string TexteConsigne;
    std::string TitreMessage;
    std::string TexteMessage;
    std::string TexteRetour;

    // Réglages d'affichage.
    Couleur CouleurTrait{0, 0, 255};
    std::int32_t NumCouleurTrait = 22;
    Couleur CouleurFond{0, 0, 0};
    std::int32_t NumCouleurFond = 0;
    bool ChoixCouleurTrait = false;
    std::int16_t ÉpaisseurTrait = 1;
    std::uint8_t Précision = 1;

    // Repère : unités du canevas par unité du repère et bords du plan visible.
    std::int32_t Unité = 0;
    std::int32_t XMax = 0;
    std::int32_t YMax = 0;
    std::int32_t XMin = 0;
    std::int32_t YMin = 0;

    // Facteurs de disposition : largeur de la fenêtre en pixels / 1024, hauteur / 768.
    float FacteurH = 1;
    float FacteurV = 1;

    // Modes de la fenêtre principale.
    bool ModeModifPoint = false;
    std::uint8_t ModeChoixPoint = 0;
    bool ModeFichier = false;
    bool CibleEnCours = false;
    bool ExerciceEnCours = false;

    // Jeu des figures cibles.
    std::uint8_t Score = 0;
    std::uint8_t ScoreMax = 0;
    std::uint8_t Bonus = 0;
    std::string Mention;
    bool FigureRéussie = false;
    std::uint8_t SérieRéussites = 0;
    // Le nom tapé dans la fenêtre du score, gardé jusqu'à la fin du programme.
    std::string NomÉlève;

    // Dossiers ; CheminAppli finit toujours par « / ».
    std::string CheminAppli;
    std::string CheminDocuments;
    std::string CheminDocumentsMémorisé;
    std::string NomFichierFig;
};
