#include "ui/FormChoixPoint.h"

#include "ui/Disposition.h"

FormChoixPoint::FormChoixPoint(Modulebas& m, const Contrôle& principale) : m(m), principale(principale)
{
    Form.Caption = "Points confondus";
    Form.Width = 3840;
    Form.Height = 3000;
    LabConsigne = Dessiné("Choisir le point à modifier :", 240, 180, 3240, 255);
    for (std::size_t i = 1; i <= NbOptions; ++i) {
        OptionPoint[i] = DessinéCaché("", 480, 480 + static_cast<int>(i - 1) * 360, 1800, 285);
    }
    BtonOk = Dessiné("Valider", 360, 2040, 1335, 375);
    BtonOk.Enabled = false;
    BtonAnnuler = Dessiné("Annuler", 1980, 2040, 1335, 375);
}

void FormChoixPoint::NommerOption(std::size_t i, const std::string& nom)
{
    if (i < 1 || i > NbOptions) {
        return;
    }
    OptionPoint[i].Caption = "Point " + nom;
    OptionPoint[i].Visible = true;
}

void FormChoixPoint::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    m.NumPointModif = 0;
}

void FormChoixPoint::OptionPoint_Click(std::size_t i)
{
    if (i < 1 || i > NbOptions || !OptionPoint[i].Visible) {
        return;
    }
    for (std::size_t j = 1; j <= NbOptions; ++j) {
        OptionPoint[j].Checked = j == i;
    }
    m.NumPointModif = static_cast<std::uint8_t>(i);
    BtonOk.Enabled = true;
}

void FormChoixPoint::BtonOk_Click()
{
    // Tant qu'aucun point n'est choisi, le bouton est grisé : rien ne se passe.
    if (!BtonOk.Enabled) {
        return;
    }
    Fermer();
}

void FormChoixPoint::BtonAnnuler_Click()
{
    m.NumPointModif = 0;
    Fermer();
}

Déclaration FormChoixPoint::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabConsigne, Genre::Étiquette);
    for (std::size_t i = 1; i <= NbOptions; ++i)
        d.Ajouter(OptionPoint[i], Genre::Option, [this, i] { OptionPoint_Click(i); });
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.Ajouter(BtonAnnuler, Genre::Bouton, [this] { BtonAnnuler_Click(); });
    d.ParDéfaut = {&BtonOk};
    d.Annulation = &BtonAnnuler;
    return d;
}
