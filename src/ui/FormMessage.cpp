#include "ui/FormMessage.h"

FormMessage::FormMessage(Modulebas& m, const Contrôle& principale) : m(m), principale(principale)
{
    Form.Width = 5400;
    Form.Height = 2700;
    LabMessage = Dessiné("", 240, 240, 4920, 1320);
    BtonOk = Dessiné("Ok", 2100, 1740, 1200, 420);
}

void FormMessage::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    Form.Caption = m.TitreMessage;
    LabMessage.Caption = m.TexteMessage;
}

// Fermer par le cadre vaut « Ok » : les textes partagés restent vides entre deux messages.
void FormMessage::Form_QueryUnload()
{
    BtonOk_Click();
}

void FormMessage::BtonOk_Click()
{
    m.TitreMessage.clear();
    m.TexteMessage.clear();
    Fermer();
}

Déclaration FormMessage::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabMessage, Genre::Étiquette);
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.ParDéfaut = {&BtonOk};
    return d;
}
