// Korvane : la table des dix figures cibles, leurs lignes dans le panneau, et le retour au choix.
#include "ui/Korvane.h"

void Korvane::InitCibles()
{
    TableCibles = {{
        {"Triangle rectangle", 3, "Aucune", "Triangle rectangle", "Aucune"},
        {"Triangle isocèle non rectangle", 3, "rectangle", "Triangle isocèle", "Triangle équilatéral"},
        {"Trapèze non isocèle", 4, "isocèle", "Trapèze", "Aucune"},
        {"Trapèze isocèle non rectangle", 4, "rectangle", "Trapèze isocèle", "Parallélogramme"},
        {"Trapèze rectangle non isocèle", 4, "isocèle", "Trapèze rectangle", "Aucune"},
        {"Parallélogramme pas un rectangle", 4, "un rectangle", "Parallélogramme", "Losange"},
        {"Cerf-volant mais pas un losange", 4, "un losange", "Cerf-volant", "Aucune"},
        {"Losange mais pas un carré", 4, "un carré", "Losange", "Aucune"},
        {"Rectangle mais pas un carré", 4, "un carré", "Rectangle", "Aucune"},
        {"Carré", 4, "Aucune", "Carré", "Aucune"},
    }};
}

// Les lignes 1 à 9 sont des copies de la ligne 0 du dessin ; DisposerFenêtre les place.
void Korvane::CréerLignesCibles()
{
    LabTypeFig.resize(1);
    ShapeTypeFig1.resize(1);
    ShapeTypeFig2.resize(1);
    for (std::size_t i = 1; i < NombreCibles; ++i) {
        LabTypeFig.push_back(LabTypeFig[0]);
        ShapeTypeFig1.push_back(ShapeTypeFig1[0]);
        ShapeTypeFig2.push_back(ShapeTypeFig2[0]);
    }
    for (std::size_t i = 0; i < NombreCibles; ++i) {
        LabTypeFig[i].Visible = ShapeTypeFig1[i].Visible = ShapeTypeFig2[i].Visible = true;
        LabTypeFig[i].Caption = TableCibles[i].Nom + " ";
    }
}

// Une ligne prend sa couleur sur l'étiquette et sur ses deux marques.
void Korvane::ColorerLigneCible(std::size_t i, Couleur couleur)
{
    for (std::vector<Contrôle>* ligne : {&LabTypeFig, &ShapeTypeFig1, &ShapeTypeFig2}) {
        if (i < ligne->size())
            (*ligne)[i].BackColor = couleur;
    }
}

void Korvane::ProposerFigure()
{
    BtonVelmor.Visible = BtonVelmor.Enabled = false;
    BtonAbandon.Visible = false;
    EtiStatut.Caption = TexteChoisirFigure;
    m.FigureRéussie = false;
    OuvertureFigure = false;
    DisposerFenêtre();
    BtonPointCoor.Enabled = ItemPlacerPt.Enabled = true;
    m.NbPointsMax = static_cast<std::uint8_t>(m.CapPoints);
    m.PositionSuivante = 1;
    RedessinerTout();
}
