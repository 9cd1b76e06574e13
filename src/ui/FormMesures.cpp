#include "ui/FormMesures.h"

#include "model/Caracteres.h"
#include "model/Modulebas.h"
#include "ui/Disposition.h"

#include <algorithm>

FormMesures::FormMesures(const std::vector<std::string>& tableau, const Contrôle& principale,
                         TextesMesures textes)
    : tableau(tableau), principale(principale), textes(std::move(textes))
{
    Form.Caption = this->textes.Titre;
    Form.Width = 5400;
    // Chaque ligne se place sous la précédente, à l'interligne de sa fenêtre ; l'aide et les boutons de
    // page viennent sous la huitième.
    Lignes.push_back(DessinéCaché("", 600, 240, 2880, 285));
    while (Lignes.size() < LignesParPage) {
        Contrôle ligne = Lignes.back();
        ligne.Top += ligne.Height + this->textes.Interligne;
        Lignes.push_back(ligne);
    }
    const int sousLesLignes = Lignes.back().Top + Lignes.back().Height + 360;
    LabRq = DessinéCaché("", 240, sousLesLignes, 3720, 900);
    BtonSuite = DessinéCaché(">>", 4080, sousLesLignes + 120, 495, 375);
    BtonBack = DessinéCaché("<<", 4080, sousLesLignes + 120, 495, 375);
    Form.Height = sousLesLignes + LabRq.Height + 360;
    BtonOk = Dessiné("Ok", 4080, 240, 855, 375);
}

std::size_t FormMesures::NbLignes() const
{
    return Caractères(InitAffichage).size();
}

const std::string& FormMesures::Entrée(std::size_t k) const
{
    static const std::string vide;
    return k < tableau.size() ? tableau[k] : vide;
}

void FormMesures::RemplirLigne(std::size_t i, std::size_t k)
{
    Lignes[i].Caption = Entrée(k);
    LigneChangée(i);
}

void FormMesures::Form_Load()
{
    Page = 0;
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    AfficherPremièrePage();
}

void FormMesures::AfficherPremièrePage()
{
    const std::size_t n = std::min(NbLignes(), LignesParPage);
    if (NbLignes() > LignesParPage) {
        LabRq.Caption = textes.PremièrePage;
        LabRq.Visible = true;
        BtonSuite.Visible = true;
    }
    Lignes[0].Visible = true;
    RemplirLigne(0, 0);
    for (std::size_t i = 1; i < n; ++i) {
        if (!Entrée(i).empty()) {
            Lignes[i].Visible = true;
            RemplirLigne(i, i);
        }
    }
}

void FormMesures::BtonSuite_Click()
{
    if (!BtonSuite.Visible) {
        return;
    }
    const std::size_t p = ++Page;
    LabRq.Caption = textes.PagesSuivantes;
    const std::size_t dernière = std::min(p * LignesParPage + LignesParPage - 1, NbLignes() - 1);
    std::size_t i = 0;
    for (std::size_t k = p * LignesParPage; k <= dernière && i < Lignes.size(); ++k, ++i) {
        RemplirLigne(i, k);
    }
    if (NbLignes() <= (p + 1) * LignesParPage) {
        for (; i < Lignes.size(); ++i) {
            Lignes[i].Caption.clear();
            LigneChangée(i);
        }
        BtonSuite.Visible = false;
        BtonBack.Visible = true;
        LabRq.Caption = textes.DernièrePage;
    }
}

void FormMesures::BtonBack_Click()
{
    if (!BtonBack.Visible || Page == 0) {
        return;
    }
    const std::size_t p = --Page;
    for (std::size_t i = 0; i < Lignes.size(); ++i) {
        RemplirLigne(i, p * LignesParPage + i);
    }
    if (p == 0) {
        LabRq.Caption = textes.RetourPremière;
        BtonBack.Visible = false;
        BtonSuite.Visible = true;
    }
}

Déclaration FormMesures::Déclarer()
{
    Déclaration d;
    for (std::size_t i = 0; i < Lignes.size(); ++i)
        d.Ajouter(Lignes[i], Genre::Étiquette).Nom = "Ligne" + std::to_string(i);
    d.Ajouter(LabRq, Genre::Étiquette);
    d.Ajouter(BtonSuite, Genre::Bouton, [this] { BtonSuite_Click(); }).Nom = "BtonSuite";
    d.Ajouter(BtonBack, Genre::Bouton, [this] { BtonBack_Click(); }).Nom = "BtonBack";
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.ParDéfaut = {&BtonOk};
    return d;
}
