#include "game/JeuCibles.h"

#include "game/Minuscules.h"
#include "model/Modulebas.h"

namespace {
// Dix cibles à 2 points chacune.
constexpr std::uint8_t ScoreMaxFinal = 20;
} // namespace

SuiteDuJeu SuiteAprèsCible(const Modulebas& m)
{
    return m.ScoreMax == ScoreMaxFinal ? SuiteDuJeu::FinDuJeu : SuiteDuJeu::ProposerFigure;
}

bool ChoixPossible(const Modulebas& m)
{
    return !m.ModeFichier && !m.CibleEnCours && !m.ExerciceEnCours;
}

MessageTitré ConfirmationChoix(const Cible& cible)
{
    return {"Choix de la figure", "Construction d'un " + Minuscules(cible.Nom)};
}

std::string StatutCible(const Cible& cible)
{
    return "Trace un " + Minuscules(cible.FigureDemandée) + " dans le repère";
}

void EngagerCible(Modulebas& m, const Cible& cible)
{
    m.CibleEnCours = true;
    m.NbPointsMax = cible.NbSommets;
    m.ScoreMax += 2;
}

SuiteDuJeu AbandonnerCible(Modulebas& m)
{
    m.ModeChoixPoint = 0;
    m.CibleEnCours = false;
    return SuiteAprèsCible(m);
}

void PréparerChoix(Modulebas& m)
{
    m.FigureRéussie = false;
    m.NbPointsMax = m.LimiteTravailLibre();
    m.PositionSuivante = 1;
}

void RéinitialiserJeu(Modulebas& m)
{
    m.ExerciceEnCours = false;
    m.ModeFichier = false;
    m.CibleEnCours = false;
    m.ModeChoixPoint = 0;
    m.Score = 0;
    m.ScoreMax = 0;
    m.Bonus = 0;
    m.SérieRéussites = 0;
    PréparerChoix(m);
}
