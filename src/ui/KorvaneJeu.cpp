// Korvane : la commande Analyse et le jeu des figures cibles (choix, abandon, fin, réinitialisation).
#include "analysis/ClassAnaPoly.h"
#include "game/AnalyseFigure.h"
#include "game/JeuCibles.h"
#include "game/Mention.h"
#include "game/TexteScore.h"
#include "model/Caracteres.h"
#include "model/DescriptionFigure.h"
#include "ui/CommandesMesures.h"
#include "ui/Korvane.h"

#include <array>

namespace {

using K = Korvane;

// Les articles du sous-menu Constructions, dans l'ordre de TableExercices.
constexpr std::array<Contrôle K::*, NbExercices> ItemsExercices = {
    &K::ItemSymAxe1, &K::ItemSymAxe2, &K::ItemSymCent, &K::ItemTrans1,
    &K::ItemTrans2,  &K::ItemTrans3,  &K::ItemTriEqui,
};

} // namespace

void Korvane::BrancherJeu()
{
    Brancher(BtonVelmor, &Korvane::BtonVelmor_Click);
    Brancher(ItemAnalyser, &Korvane::BtonVelmor_Click);
    Brancher(BtonAbandon, &Korvane::BtonAbandon_Click);
    Brancher(ItemRéinitialiser, &Korvane::ItemRéinitialiser_Click);
    BrancherTableau(LabTypeFig, &Korvane::LabTypeFig_Click, &Korvane::LabTypeFig_MouseMove);
    for (std::size_t n = 0; n < NbExercices; ++n)
        clics[&(this->*ItemsExercices[n])] = [this, n] { LancerExercice(TableExercices[n]); };
    Brancher(BtonSuite, &Korvane::BtonSuite_Click);
    Brancher(BtonOk, &Korvane::BtonOk_Click);
}

Korvane::AnalysePolygone Korvane::AnalyserPolygone()
{
    // Un analyseur neuf à chaque fois : rien ne reste de la figure précédente.
    ClassAnaPoly analyseur(m, plateforme);
    // Le polygone dessiné, fermé sur son premier sommet : ABCD devient ABCDA.
    const std::string noms = SommetsMesurés(m).value_or("");
    analyseur.NomSommets(noms.empty() ? noms : noms + Caractères(noms).front());
    AnalysePolygone analyse;
    analyse.Description = analyseur.DescriptionFig();
    analyse.Figure = analyseur.Figure();
    return analyse;
}

void Korvane::BtonVelmor_Click()
{
    m.ModeChoixPoint = 0;
    const AnalysePolygone polygone = AnalyserPolygone();
    const MessageTitré analyse =
        JugerAnalyse(m, TableCibles[NumCible], polygone.Description, polygone.Figure);
    AfficherTexte(analyse.Titre, analyse.Texte, BoutonsTexte::Fermer);
    DernièreAnalyse = AnalyseMontrée{DescriptionFigure(m, plateforme.SéparateurDécimal()), analyse.Texte};
    DécrireFigure();
    EtiScore.Caption = LégendeScore(m);
    if (!m.FigureRéussie)
        return;

    const SuiteRéussite suite = ConclureRéussite(m);
    BtonVelmor.Visible = false;
    // La cible atteinte est finie : les exercices redeviennent possibles, comme après un abandon.
    AppliquerActivation(ÉtapeConstruction::CibleTerminée);
    BtonEfface_Click();
    if (suite.MessageBonus) {
        AfficherTexte(suite.MessageBonus->Titre, suite.MessageBonus->Texte, BoutonsTexte::Fermer);
        EtiBonus.Caption = LégendeBonusGagné(m);
    }
    if (suite.Suite == SuiteDuJeu::FinDuJeu)
        FinDuJeu();
    else
        ProposerFigure();
}

// Une ligne jouée est désactivée : comme sous un contrôle inactif, c'est le fond de la fenêtre qui
// reçoit le mouvement.
void Korvane::LabTypeFig_MouseMove(std::size_t index)
{
    Contrôle& ligne = LabTypeFig[index];
    ligne.MousePointer = Pointeur::Normal;
    if (!ligne.Enabled) {
        Form_MouseMove();
        return;
    }
    if (!ChoixPossible(m))
        return;
    ligne.MousePointer = Pointeur::Personnalisé;
    for (std::size_t i = 0; i < LabTypeFig.size(); ++i) {
        if (LabTypeFig[i].Enabled)
            ColorerLigneCible(i, CouleurPanneau);
    }
    ColorerLigneCible(index, CouleurBordure);
}

void Korvane::LabTypeFig_Click(std::size_t index)
{
    if (!ChoixPossible(m))
        return;
    const Cible& cible = TableCibles[index];
    NumCible = static_cast<std::uint8_t>(index);

    const MessageTitré confirmation = ConfirmationChoix(cible);
    AfficherTexte(confirmation.Titre, confirmation.Texte, BoutonsTexte::ValiderAnnuler);
    for (std::size_t i = 0; i < LabTypeFig.size(); ++i)
        ColorerLigneCible(i, CouleurPanneau);
    if (m.TexteRetour.empty())
        return;

    BtonFermer.Visible = false;
    EtiStatut.Caption = StatutCible(cible);
    EngagerCible(m, cible);
    AppliquerActivation(ÉtapeConstruction::CibleEngagée);
    DisposerFenêtre();
    ColorerLigneCible(index, CouleurBordure);
    LabTypeFig[index].Enabled = false;
    BtonVelmor.Visible = BtonAbandon.Visible = true;
    EtiScore.Caption = LégendeScore(m);
    ShapeScore.Visible = true;
}

void Korvane::BtonAbandon_Click()
{
    // Seules les étiquettes reprennent la couleur du panneau ; les marques gardent la leur.
    for (Contrôle& ligne : LabTypeFig)
        ligne.BackColor = CouleurPanneau;
    const SuiteDuJeu suite = AbandonnerCible(m);
    AppliquerActivation(ÉtapeConstruction::CibleTerminée);
    BtonEfface_Click();
    if (suite == SuiteDuJeu::FinDuJeu)
        FinDuJeu();
    else
        ProposerFigure();
}

void Korvane::FinDuJeu()
{
    for (std::size_t i = 0; i < LabTypeFig.size(); ++i)
        ColorerLigneCible(i, CouleurPanneau);
    // Sans point gagné, deux bandes tiennent : leurs deux fenêtres viennent l'une après l'autre.
    for (const MessageTitré& note : NoteFinale(m))
        AfficherTexte(note.Titre, note.Texte, BoutonsTexte::Fermer);
    BtonAbandon.Visible = BtonVelmor.Visible = false;
    EtiStatut.Caption = StatutFinDuJeu;
    DisposerLigneÉtat();
}

// Après la dixième cible, la note finale a déjà été montrée : on revient droit au choix d'une cible.
void Korvane::ItemRéinitialiser_Click()
{
    RéinitialiserJeu(m);
    for (std::size_t i = 0; i < LabTypeFig.size(); ++i) {
        LabTypeFig[i].Enabled = true;
        ColorerLigneCible(i, CouleurPanneau);
    }
    ShapeScore.Visible = false;
    AppliquerActivation(ÉtapeConstruction::JeuRéinitialisé);
    BtonEfface_Click();
    BtonFermer.Visible = false;
    ArrêterGlissement();
    PictureExo.Visible = BtonOk.Visible = BtonSuite.Visible = false;
    EtiScore.Caption = LégendeScore(m);
    EtiBonus.Caption = LégendeBonus(m);
    ProposerFigure();
}
