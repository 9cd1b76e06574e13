#include "ui/FormSaisie.h"

#include "model/AfficherMessage.h"
#include "model/Caracteres.h"

#include <set>

FormSaisie::FormSaisie(Modulebas& m, Messagerie& messagerie, const Contrôle& principale)
    : m(m), messagerie(messagerie), principale(principale)
{
    Form.Caption = "Saisie";
    Form.Width = 4800;
    Form.Height = 2400;
    LabCons = Dessiné("", 240, 240, 4200, 600);
    TextPolySeg.Left = 240;
    TextPolySeg.Top = 960;
    TextPolySeg.Width = 4200;
    TextPolySeg.Height = 315;
    BtonOk = Dessiné("Valider", 960, 1560, 1215, 375);
    BtonAnnuler = Dessiné("Annuler", 2520, 1560, 1215, 375);
}

void FormSaisie::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    LabCons.Caption = m.TexteConsigne;
    // La consigne au-dessus de la zone la nomme aussi pour un lecteur d'écran.
    TextPolySeg.NomAccessible = m.TexteConsigne;
}

bool FormSaisie::TextPolySeg_KeyPress(char32_t touche) const
{
    return ToucheDeCommande(touche) || (touche >= U'A' && touche <= U'Z');
}

void FormSaisie::BtonOk_Click()
{
    const std::vector<std::string> noms = Caractères(TextPolySeg.Caption);
    if (noms.size() < 3) {
        AfficherMessage(m, messagerie, "Polygone", "Il faut donner au moins 3 points !");
        return;
    }
    std::set<std::string> vus;
    for (const std::string& nom : noms) {
        if (!vus.insert(nom).second) {
            AfficherMessage(m, messagerie, "Analyse de la figure",
                            "Les sommets du polygone doivent être tous distincts");
            return;
        }
    }
    m.ChaîneSommets = TextPolySeg.Caption;
    Fermer();
}

void FormSaisie::BtonAnnuler_Click()
{
    m.ChaîneSommets.clear();
    Fermer();
}

Déclaration FormSaisie::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabCons, Genre::Étiquette);
    ContrôleDéclaré& zone = d.Ajouter(TextPolySeg);
    zone.Nom = "TextPolySeg";
    zone.Touche = [this](char32_t& touche) { return TextPolySeg_KeyPress(touche); };
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.Ajouter(BtonAnnuler, Genre::Bouton, [this] { BtonAnnuler_Click(); });
    d.ParDéfaut = {&BtonOk};
    d.Annulation = &BtonAnnuler;
    return d;
}
