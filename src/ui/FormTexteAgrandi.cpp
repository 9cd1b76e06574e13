#include "ui/FormTexteAgrandi.h"

namespace {
constexpr Couleur RougeSombre{128, 0, 0};
}

FormTexteAgrandi::FormTexteAgrandi(Modulebas& m, const Contrôle& principale) : m(m), principale(principale)
{
    Form.Caption = "Agrandissement";
    Form.Width = 7200;
    Form.Height = 4560;
    LabFond = Dessiné("", 120, 120, 6960, 3480);
    TexteE1Ag = Dessiné("", 240, 240, 6720, 3240);
    TexteE1Ag.FontSize = 12;
    TexteE1Ag.NomAccessible = "Texte agrandi";
    LabConsigne = Dessiné("", 240, 3840, 2400, 360);
    LabConsigne.Visible = false;
    LabConsigne.ForeColor = RougeSombre;
    LabConsigne.FontSize = 12;
    BtonValider = Dessiné("Valider", 3060, 3840, 1200, 420);
    BtonValider.Visible = false;
    BtonAnnuler = Dessiné("Annuler", 4440, 3840, 1200, 420);
    BtonAnnuler.Visible = false;
    BtonFermer = Dessiné("Fermer", 5820, 3840, 1200, 420);
    BtonFermer.Visible = false;
}

void FormTexteAgrandi::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurFenêtre;
    LabFond.BackColor = CouleurPanneau;
    TexteE1Ag.BackColor = CouleurPanneau;
    if (m.FigureRéussie) {
        LabConsigne.Caption = "   Bravo !";
        LabConsigne.Visible = true;
    }
}

void FormTexteAgrandi::BtonValider_Click()
{
    m.TexteRetour = TexteE1Ag.Caption;
    Fermer();
}

void FormTexteAgrandi::BtonAnnuler_Click()
{
    Abandonner();
}
void FormTexteAgrandi::BtonFermer_Click()
{
    Abandonner();
}

// Fermer par le cadre ne confirme rien.
void FormTexteAgrandi::Form_QueryUnload()
{
    Abandonner();
}

void FormTexteAgrandi::Abandonner()
{
    m.TexteRetour.clear();
    Fermer();
}

// Le texte se lit sans prendre le clavier : Entrée va au bouton montré, Valider ou Fermer.
Déclaration FormTexteAgrandi::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabFond, Genre::Étiquette);
    ContrôleDéclaré& texte = d.Ajouter(TexteE1Ag, Genre::ZoneTexte);
    texte.Multiligne = texte.LectureSeule = true;
    texte.Bord = Bordure::Aucune;
    texte.AuClavier = false;
    d.Ajouter(LabConsigne, Genre::Étiquette);
    d.Ajouter(BtonValider, Genre::Bouton, [this] { BtonValider_Click(); });
    d.Ajouter(BtonAnnuler, Genre::Bouton, [this] { BtonAnnuler_Click(); });
    d.Ajouter(BtonFermer, Genre::Bouton, [this] { BtonFermer_Click(); });
    d.ParDéfaut = {&BtonValider, &BtonFermer};
    d.Annulation = &BtonAnnuler;
    return d;
}
