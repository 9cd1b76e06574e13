#include "ui/FormScore.h"

#include "game/TexteScore.h"
#include "model/AfficherMessage.h"

namespace {

constexpr Couleur BlancPapier{255, 255, 255};
constexpr double PoliceRésultat = 12;
constexpr double PoliceMention = 14;

} // namespace

FormScore::FormScore(Modulebas& m, Plateforme& plateforme, const Contrôle& principale)
    : m(m), plateforme(plateforme), principale(principale)
{
    Form.Width = 6600;
    Form.Height = 4200;
    Shape1 = Dessiné("", 360, 900, 5880, 2220);
    Shape1.ForeColor = CouleurBordure;
    LabIdentité = Dessiné("Nom, Prénom :", 360, 375, 1300, 255);
    TextNom = Dessiné("", 1680, 300, 3000, 345);
    TextNom.NomAccessible = "Nom, Prénom";
    LabImp = Dessiné("(si impression)", 4800, 375, 1500, 255);
    Label2 = Dessiné("Score :", 840, 1200, 1200, 360);
    LabScore = Dessiné("", 2160, 1200, 2400, 360);
    Label3 = Dessiné("Bonus :", 840, 1740, 1200, 360);
    LabBonus = Dessiné("", 2160, 1740, 2400, 360);
    LabMention = Dessiné(" Bon début !", 840, 2340, 5160, 480);
    for (Contrôle* c : {&Label2, &LabScore, &Label3, &LabBonus})
        c->FontSize = PoliceRésultat;
    LabMention.FontSize = PoliceMention;
    BtonImprimer = Dessiné("Imprimer", 1560, 3480, 1440, 420);
    BtonOk = Dessiné("Ok", 3600, 3480, 1440, 420);
}

void FormScore::Form_Load()
{
    CentrerSur(principale);
    Form.Caption = TitreFormScore;
    Form.BackColor = CouleurPanneau;
    LabScore.Caption = TexteLabScore(m);
    LabBonus.Caption = TexteLabBonus(m);
    LabMention.Caption = m.Mention;
    TextNom.Caption = m.NomÉlève;
}

// Sur papier, l'attestation se passe du fond coloré, des boutons et de la note sur le nom.
void FormScore::PrendreAspectImpression(bool impression)
{
    Form.BackColor = impression ? BlancPapier : CouleurPanneau;
    BtonImprimer.Visible = !impression;
    BtonOk.Visible = !impression;
    LabImp.Visible = !impression;
}

void FormScore::BtonImprimer_Click()
{
    if (!plateforme.ChoisirImprimante()) {
        SignalerImpression(RésultatImpression::Annulé);
        return;
    }
    PrendreAspectImpression(true);
    const bool imprimé = plateforme.ImprimerFenêtre(*this);
    // Même après une faute d'imprimante la fenêtre redevient utilisable : l'élève peut réessayer ou fermer.
    PrendreAspectImpression(false);
    SignalerImpression(imprimé ? RésultatImpression::Imprimé : RésultatImpression::Erreur);
}

void FormScore::SignalerImpression(RésultatImpression résultat)
{
    if (const auto message = MessageImpression(résultat))
        AfficherMessage(m, plateforme, message->Titre, message->Texte);
}

// Fermer par le cadre garde aussi le nom tapé : l'élève n'a pas à le retaper à la prochaine ouverture.
void FormScore::Form_QueryUnload()
{
    BtonOk_Click();
}

void FormScore::BtonOk_Click()
{
    m.NomÉlève = TextNom.Caption;
    Fermer();
}

// Le cadre d'abord, pour qu'il reste sous les étiquettes qu'il entoure.
Déclaration FormScore::Déclarer()
{
    Déclaration d;
    d.Ajouter(Shape1, Genre::Cadre).Bord = Bordure::Épaisse;
    d.Ajouter(LabIdentité, Genre::Étiquette);
    d.Ajouter(TextNom, Genre::ZoneTexte);
    for (Contrôle* c : {&LabImp, &Label2, &LabScore, &Label3, &LabBonus, &LabMention})
        d.Ajouter(*c, Genre::Étiquette);
    d.Ajouter(BtonImprimer, Genre::Bouton, [this] { BtonImprimer_Click(); });
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.ParDéfaut = {&BtonOk};
    return d;
}
