#include "ui/FormApropos.h"

#include "model/Caracteres.h"
#include "ui/Environnement.h"

#include <cstddef>
#include <string>

namespace {

constexpr const char* Auteur = "L'équipe Velmor";
constexpr const char* Éditeur = "Éditions Velmor";

} // namespace

FormApropos::FormApropos(const Contrôle& principale) : principale(principale)
{
    Form.Caption = "À propos du logiciel Velmor";
    Form.Width = 5400;
    Form.Height = 3120;
    Image1 = Dessiné("", 240, 240, 960, 960);
    EtiVersion = Dessiné("Version", 1440, 240, 2400, 300);
    EtiEditeur = Dessiné("", 1440, 600, 3600, 300);
    EtiSite = Dessiné("", 1440, 960, 3600, 300);
    LabelAuteur = Dessiné("", 1440, 1440, 3600, 600);
    BtonOk = Dessiné("Ok", 3800, 2400, 1200, 420);
}

void FormApropos::Form_Load()
{
    Form.BackColor = CouleurPanneau;
    EtiVersion.Caption = EtiVersion.Caption + " " + "1.0";
    LabelAuteur.Caption = std::string("Conception et programmation,") + "\n" + Auteur;
    EtiEditeur.Caption = Éditeur;
    EtiSite.Caption = std::string(SiteVelmor);
    ÉlargirPourÉditeur();
    CentrerSur(principale);
}

// Un nom d'éditeur de plus de 9 caractères élargit la fenêtre et sa ligne de 40 twips par caractère.
void FormApropos::ÉlargirPourÉditeur()
{
    const std::size_t longueur = Caractères(EtiEditeur.Caption).size();
    if (longueur <= 9)
        return;
    const int supplément = 40 * static_cast<int>(longueur - 9);
    Form.Width += supplément;
    EtiEditeur.Width += supplément;
    BtonOk.Left = Form.Width - BtonOk.Width - 400;
}

void FormApropos::BtonOk_Click()
{
    Fermer();
}

Déclaration FormApropos::Déclarer()
{
    Déclaration d;
    d.Ajouter(Image1, Genre::Image);
    for (Contrôle* c : {&EtiVersion, &EtiEditeur, &EtiSite, &LabelAuteur})
        d.Ajouter(*c, Genre::Étiquette);
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.ParDéfaut = {&BtonOk};
    return d;
}
