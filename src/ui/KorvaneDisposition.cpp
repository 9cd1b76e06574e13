// Korvane : la disposition des contrôles pour la taille de la fenêtre, en twips.
#include "ui/Korvane.h"

#include <algorithm>
#include <cmath>

namespace {

int T(double twips)
{
    return static_cast<int>(std::lround(twips));
}

int Droite(const Contrôle& c)
{
    return c.Left + c.Width;
}
int Bas(const Contrôle& c)
{
    return c.Top + c.Height;
}

} // namespace

void Korvane::DisposerFenêtre()
{
    const double FH = m.FacteurH = static_cast<float>(Form.Width) / TwipsParPixelX / 1024;
    const double FV = m.FacteurV = static_cast<float>(Form.Height) / TwipsParPixelY / 768;
    Contrôle& écran = Ecran.Cadre;
    écran.Top = 350;
    écran.Left = 800;
    // Une fenêtre réduite ou minuscule garde sa disposition.
    if (Form.Width < 5000 || Form.Height < 2000)
        return;

    écran.Width = T(Form.Width - écran.Left - 4200 * FH);
    écran.Height = Form.Height - écran.Top - 1600;

    // Le panneau de droite, presque carré.
    EtiEtape.Left = T(Droite(écran) + 200 * FH);
    EtiEtape.Width = T(Form.Width - écran.Left - écran.Width - 600 * FH);
    EtiEtape.Top = écran.Top;
    EtiEtape.Height = T(EtiEtape.Width - 300 * FV);
    EtiComEtape.Top = T(écran.Top + 500 * FV);
    EtiComEtape.Left = T(EtiEtape.Left + 200 * FH);
    EtiComEtape.Height = T(EtiEtape.Height - 500 * FV);
    EtiComEtape.Width = T(EtiEtape.Width - 400 * FH);

    const double taille = 10 * FH;
    for (Contrôle* c : {&EtiEtape, &EtiComEtape, &EtiExercice, &EtiNomExo})
        c->FontSize = taille;
    for (Contrôle& ligne : LabTypeFig)
        ligne.FontSize = taille;
    if (FH > 1)
        EtiStatut.FontSize = taille;

    // Le panneau des exercices couvre celui de l'étape ; ses contrôles sont placés dans le panneau.
    EtiExercice.Height = EtiComEtape.Height;
    EtiExercice.Width = EtiComEtape.Width;
    PictureExo.Height = EtiEtape.Height;
    PictureExo.Width = EtiEtape.Width;
    PictureExo.Top = EtiEtape.Top;
    EtiNomExo.Left = 0;
    EtiNomExo.Top = 0;
    EtiNomExo.Width = PictureExo.Width;
    EtiExercice.Left = T(200 * FH);
    EtiExercice.Top = T(500 * FV);
    BtonOk.Left = PictureExo.Width - BtonOk.Width;
    BtonSuite.Left = PictureExo.Width - BtonSuite.Width;
    BtonSuite.Top = PictureExo.Height - BtonSuite.Height;
    if (!BtonSuite.Visible)
        PictureExo.Left = EtiEtape.Left;

    // Le score : un carré à gauche, les deux textes à droite, trois intervalles égaux en hauteur.
    LabAfficheScore.Height = écran.Height / 10;
    Shape3.Width = Shape3.Height = LabAfficheScore.Height;
    Shape3.Left = T(EtiEtape.Left + 200 * FH);
    Shape3.Top = T(Bas(EtiComEtape) + 300 * FV);
    LabAfficheScore.Left = EtiEtape.Left;
    LabAfficheScore.Top = Shape3.Top;
    LabAfficheScore.Width = EtiEtape.Width;
    ImaBton.Left = Shape3.Left;
    ImaBton.Top = Shape3.Top;
    ImaBton.Width = Shape3.Width;
    ImaBton.Height = Shape3.Height;
    ShapeScore.Width = ShapeScore.Height = T(Shape3.Width / 2.0 * FV);
    ShapeScore.Left = Shape3.Left + (Shape3.Width - ShapeScore.Width) / 2;
    ShapeScore.Top = Shape3.Top + (Shape3.Height - ShapeScore.Height) / 2;
    const int espaceGauche = Droite(Shape3);
    const int espaceLargeur = Droite(LabAfficheScore) - espaceGauche;
    for (Contrôle* c : {&EtiScore, &EtiBonus})
        c->Left = espaceGauche + (espaceLargeur - c->Width) / 2;
    const int intervalle = (LabAfficheScore.Height - EtiScore.Height - EtiBonus.Height) / 3;
    EtiScore.Top = LabAfficheScore.Top + intervalle;
    EtiBonus.Top = Bas(EtiScore) + intervalle;

    // Les lignes des cibles, sous le score.
    int haut = T(Bas(LabAfficheScore) + 200 * FV);
    for (std::size_t i = 0; i < LabTypeFig.size(); ++i) {
        Contrôle& marqueGauche = ShapeTypeFig1[i];
        Contrôle& marqueDroite = ShapeTypeFig2[i];
        Contrôle& ligne = LabTypeFig[i];
        ligne.Height = marqueGauche.Height = marqueDroite.Height = T(300 * FV);
        ligne.Top = marqueGauche.Top = marqueDroite.Top = haut;
        marqueGauche.Left = EtiEtape.Left;
        marqueDroite.Left = Droite(EtiEtape) - marqueDroite.Width;
        ligne.Left = Droite(marqueGauche);
        ligne.Width = marqueDroite.Left - ligne.Left;
        haut = T(Bas(ligne) + 120 * FV);
    }

    // La colonne des outils, à gauche du canevas.
    BtonPointCoor.Left = 100;
    BtonPointCoor.Top = écran.Top;
    const std::pair<Contrôle*, double> colonne[] = {
        {&BtonModifPoint, 50}, {&BtonPolygone, 50}, {&BtonLong, 200},     {&BtonAngle, 50},
        {&BtonAnnule, 200},    {&BtonEfface, 50},   {&FrameCouleur, 200},
    };
    const Contrôle* précédent = &BtonPointCoor;
    for (auto [outil, écart] : colonne) {
        outil->Left = 100;
        outil->Top = T(Bas(*précédent) + écart * FV);
        précédent = outil;
    }

    DisposerLigneÉtat();

    // L'échelle, centrée sous le canevas, sous la ligne d'état et ses boutons.
    Contrôle* groupe[] = {&LabelEch, &BtonEchPlus, &BtonEchMoins, &EtiEchelle};
    int largeurGroupe = -10;
    for (const Contrôle* c : groupe)
        largeurGroupe += c->Width + 10;
    int gauche = écran.Left + (écran.Width - largeurGroupe) / 2;
    const int hautÉchelle =
        std::max({Bas(EtiStatut), Bas(BtonFermer), Bas(BtonVelmor), Bas(BtonAbandon)}) + 60;
    for (Contrôle* c : groupe) {
        c->Left = gauche;
        c->Top = hautÉchelle + (BtonEchPlus.Height - c->Height) / 2;
        gauche += c->Width + 10;
    }

    AjusterCadre();
    RedessinerTout();
}

// La ligne d'état sous le canevas ; les boutons la suivent selon qu'une cible est en cours.
void Korvane::DisposerLigneÉtat()
{
    const double FH = m.FacteurH;
    EtiStatut.Left = Ecran.Cadre.Left;
    EtiStatut.Top = Bas(Ecran.Cadre) + 150;
    AjusterTaille(EtiStatut);
    const bool cible = m.CibleEnCours && !OuvertureFigure;
    Contrôle& suivant1 = cible ? BtonAbandon : BtonFermer;
    suivant1.Left = T(Droite(EtiStatut) + 200 * FH);
    BtonVelmor.Left = T(Droite(suivant1) + 200 * FH);
    for (Contrôle* c : {&BtonFermer, &BtonVelmor, &BtonAbandon})
        c->Top = EtiStatut.Top;
}
