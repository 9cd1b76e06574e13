// Korvane : la table des dix figures cibles, leurs lignes dans le panneau, et le retour au choix.
#include "ui/Korvane.h"

#include "game/JeuCibles.h"
#include "ui/CadreFocus.h"

#include <string>

void Korvane::InitCibles()
{
    TableCibles = ::TableCibles;
}

// Les lignes 1 à 9 sont des copies de la ligne 0 du dessin ; DisposerFenêtre les place.
void Korvane::CréerLignesCibles()
{
    LabTypeFig.resize(1);
    ShapeTypeFig1.resize(1);
    ShapeTypeFig2.resize(1);
    for (std::size_t i = 1; i < NbCibles; ++i) {
        LabTypeFig.push_back(LabTypeFig[0]);
        ShapeTypeFig1.push_back(ShapeTypeFig1[0]);
        ShapeTypeFig2.push_back(ShapeTypeFig2[0]);
    }
    for (std::size_t i = 0; i < NbCibles; ++i) {
        LabTypeFig[i].Visible = ShapeTypeFig1[i].Visible = ShapeTypeFig2[i].Visible = true;
        LabTypeFig[i].Caption = std::string(TableCibles[i].Nom) + " ";
    }
}

// Une ligne prend sa couleur sur l'étiquette et sur ses deux marques.
void Korvane::ColorerLigneCible(std::size_t i, Couleur couleur)
{
    for (std::vector<Contrôle>* ligne : {&LabTypeFig, &ShapeTypeFig1, &ShapeTypeFig2}) {
        if (i < ligne->size())
            (*ligne)[i].BackColor = couleur;
    }
    if (i < LabTypeFig.size())
        PoserCadreFocus(LabTypeFig[i], CouleurFenêtre, couleur);
}

void Korvane::ProposerFigure()
{
    BtonVelmor.Visible = BtonAbandon.Visible = false;
    EtiStatut.Caption = StatutChoix;
    OuvertureFigure = false;
    DisposerFenêtre();
    AppliquerActivation(ÉtapeConstruction::FigureProposée);
    PréparerChoix(m);
    RedessinerTout();
}
