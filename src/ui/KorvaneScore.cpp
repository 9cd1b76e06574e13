#include "ui/FormScore.h"
#include "ui/Korvane.h"

namespace {

// Il n'y a de score à montrer qu'une fois une cible choisie (deux points en jeu).
bool ScoreÀMontrer(const Modulebas& m)
{
    return m.ScoreMax > 1;
}

} // namespace

void Korvane::ImaBton_MouseMove()
{
    ImaBton.MousePointer = ScoreÀMontrer(m) ? Pointeur::Personnalisé : Pointeur::Normal;
}

void Korvane::ImaBton_Click()
{
    if (!ScoreÀMontrer(m))
        return;
    FormScore score(m, plateforme, Form);
    plateforme.MontrerModal(score);
}
