#include "ui/FormAide.h"

#include "files/CheminFichierAide.h"
#include "files/SommaireAide.h"
#include "model/AfficherMessage.h"

#include <algorithm>
#include <cmath>

namespace {

// La police grandit d'un point par 2000 twips de largeur au-delà de 8000 (9 points à 7000).
double TaillePoliceAide(int largeur)
{
    const double taille = std::floor((largeur - 8000) / 2000.0) + 10;
    // Une fenêtre très étroite garde une police plutôt qu'une taille nulle ou négative.
    return std::max(taille, 1.0);
}

} // namespace

FormAide::FormAide(Modulebas& m, Messagerie& messagerie, const Contrôle& principale)
    : m(m), messagerie(messagerie), principale(principale)
{
    Form.Caption = "Aide";
    EtiSommaire.Caption = "Sommaire :";
    EtiSommaire.Left = 200;
    EtiSommaire.Top = 120;
    EtiSommaire.Width = 3200;
    EtiSommaire.Height = 300;
    ListChapitresAide.Left = 200;
    ListChapitresAide.Top = 480;
    ListChapitresAide.Width = 3200;
    ListChapitresAide.NomAccessible = "Sommaire";
    TextAide.NomAccessible = "Texte de la rubrique";
    EtiChap.Caption = "Chapitre :";
    EtiChap.Top = 120;
    EtiChap.Height = 300;
    BtonOk.Caption = "Ok";
    BtonOk.Width = 1200;
    BtonOk.Height = 420;
}

void FormAide::Form_Load()
{
    LecteurAide.emplace(m, messagerie);
    TitresRubriques.assign(11, std::string());
    CheminFichierAide = ::CheminFichierAide(m.CheminAppli);

    Form.Width = static_cast<int>(principale.Width / 1.5);
    Form.Height = static_cast<int>(principale.Height / 1.5);
    CentrerSur(principale);

    Form.BackColor = CouleurPanneau;
    EtiSommaire.BackColor = Form.BackColor;
    EtiChap.BackColor = Form.BackColor;

    TextAide.Left = ListChapitresAide.Left + ListChapitresAide.Width + 150;
    TextAide.Top = ListChapitresAide.Top;
    EtiChap.Left = TextAide.Left;

    DisposerAide();
    LireSommaire();
    RemplirSommaire();
    if (!ÉlémentsSommaire.empty())
        ListChapitresAide_Click(0);
}

void FormAide::Form_Resize()
{
    DisposerAide();
}

void FormAide::DisposerAide()
{
    TextAide.Width = std::max(Form.Width - TextAide.Left - 200, 0);
    TextAide.Height = std::max(static_cast<int>(Form.Height - 2.5 * BtonOk.Height) - TextAide.Top, 0);
    EtiChap.Width = TextAide.Width;
    ListChapitresAide.Height = TextAide.Height;
    BtonOk.Top = TextAide.Top + TextAide.Height + 100;
    BtonOk.Left = TextAide.Left + TextAide.Width - BtonOk.Width;
    TextAide.FontSize = TaillePoliceAide(TextAide.Width);
}

void FormAide::LireSommaire()
{
    SommaireAide sommaire = LireSommaireAide(CheminFichierAide);
    if (sommaire.Message)
        AfficherMessage(m, messagerie, sommaire.Message->Titre, sommaire.Message->Texte);
    NbRubriques = sommaire.NbRubriques();
    if (!sommaire.Titres.empty())
        TitresRubriques = std::move(sommaire.Titres);
}

void FormAide::RemplirSommaire()
{
    for (std::size_t k = 1; k <= NbRubriques; ++k)
        ÉlémentsSommaire.push_back(TitresRubriques[k]);
}

void FormAide::AfficherRubrique(int k)
{
    LecteurAide->CheminAide(CheminFichierAide);
    LecteurAide->ChaîneBalise(TitresRubriques[static_cast<std::size_t>(k) + 1]);
    TextAide.Caption = LecteurAide->ChaîneAide();
}

void FormAide::ListChapitresAide_Click(int k)
{
    if (k < 0 || k >= static_cast<int>(ÉlémentsSommaire.size()))
        return;
    IndexSommaire = k;
    AfficherRubrique(k);
    EtiChap.Caption = TitresRubriques[static_cast<std::size_t>(k) + 1];
}

void FormAide::BtonOk_Click()
{
    LecteurAide.reset();
    Fermer();
}

// Les longues rubriques défilent verticalement ; les lignes se replient à la largeur.
Déclaration FormAide::Déclarer()
{
    Déclaration d;
    d.Ajouter(EtiSommaire, Genre::Étiquette);
    ContrôleDéclaré& sommaire = d.Ajouter(ListChapitresAide, Genre::Liste);
    sommaire.Lignes = &ÉlémentsSommaire;
    sommaire.LigneChoisie = &IndexSommaire;
    sommaire.ClicÉlément = [this](std::size_t k) { ListChapitresAide_Click(static_cast<int>(k)); };
    d.Ajouter(EtiChap, Genre::Étiquette);
    ContrôleDéclaré& texte = d.Ajouter(TextAide, Genre::ZoneTexte);
    texte.Multiligne = texte.LectureSeule = texte.Défile = true;
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.ParDéfaut = {&BtonOk};
    d.Redimensionnement = [this] { Form_Resize(); };
    return d;
}
