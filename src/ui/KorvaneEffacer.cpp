// Korvane : « Tout » efface toute la figure, sans confirmation.
#include "ui/Korvane.h"

void Korvane::BtonEfface_Click()
{
    m.ModeChoixPoint = 0;
    AppliquerActivation(ÉtapeConstruction::ToutEffacé);
    Ecran.Cls();
    Etat_Outils();
    if (m.NbPoints > 0) {
        Opérations.ViderFigure();
        RedessinerPoints();
    }
    BtonPointCoor.Enabled = ItemPlacerPt.Enabled = true;
    ItemEnregistrer.Enabled = false;
}
