// Korvane : les sept exercices guidés, leur énoncé sur un panneau qui glisse hors du canevas.
#include "game/JeuCibles.h"
#include "ui/Korvane.h"

#include <cmath>

void Korvane::LancerExercice(const Exercice& exercice)
{
    EtiNomExo.Caption = exercice.Titre;
    EtiExercice.Caption = exercice.Énoncé;
    EtiStatut.Caption = exercice.Statut;
    DisposerLigneÉtat();
    DébuterExercice(m, exercice);
    // Un nouvel énoncé repart du bord du canevas, même si le précédent glissait encore.
    ArrêterGlissement();
    PictureExo.Left = Ecran.Cadre.Left;
    // Le panneau est opaque : l'énoncé couvre le canevas jusqu'à ce qu'il glisse, titre en bandeau.
    PictureExo.BackColor = CouleurPanneau;
    EtiNomExo.BackColor = CouleurBordure;
    PictureExo.Visible = BtonSuite.Visible = true;
    AppliquerActivation(ÉtapeConstruction::ExerciceLancé);
    BtonVelmor.Visible = BtonFermer.Visible = false;
}

void Korvane::BtonSuite_Click()
{
    BtonSuite.Visible = false;
    BtonOk.Visible = true;
    Glissement.Lancer(Ecran.Cadre.Left, EtiEtape.Left);
    plateforme.DémarrerMinuterie(GlissementPanneau::IntervalleMs, [this] { TimerExo_Timer(); });
}

void Korvane::TimerExo_Timer()
{
    const std::optional<double> gauche = Glissement.Top(Ecran.Cadre.Left);
    if (!gauche) {
        plateforme.ArrêterMinuterie();
        return;
    }
    PictureExo.Left = static_cast<int>(std::lround(*gauche));
}

void Korvane::ArrêterGlissement()
{
    plateforme.ArrêterMinuterie();
    Glissement.PasCourant = 0;
}

void Korvane::BtonOk_Click()
{
    for (Contrôle* c : {&BtonOk, &BtonAbandon, &BtonVelmor, &BtonFermer, &PictureExo})
        c->Visible = false;
    ArrêterGlissement();
    TerminerExercice(m);
    AppliquerActivation(ÉtapeConstruction::ExerciceTerminé);
    EtiStatut.Caption = StatutChoix;
    DisposerLigneÉtat();
    BtonEfface_Click();
}
