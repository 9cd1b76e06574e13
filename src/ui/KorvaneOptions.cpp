// Korvane : les options d'affichage, qui changent la façon de montrer la figure, jamais la figure.
#include "ui/CadreFocus.h"
#include "ui/ChoixPrecision.h"
#include "ui/FormCouleurs.h"
#include "ui/Korvane.h"

#include <array>

namespace {

// Les numéros dans la palette de FormCouleurs des huit pastilles : bleu, magenta, rouge, orange, gris,
// noir, rouge foncé, jaune. La couleur de chacune se lit dans la palette.
constexpr std::array<std::int32_t, 8> NumérosPastilles{22, 23, 17, 18, 24, 40, 25, 19};

constexpr Couleur FondInitial{254, 255, 215};
constexpr Couleur TraitInitial{0, 0, 0};
constexpr std::int32_t NumTraitInitial = 40;

// Une option d'affichage est tenue par la coche de sa commande.
void Basculer(Contrôle& option)
{
    option.Checked = !option.Checked;
}

} // namespace

void Korvane::BrancherOptions()
{
    Brancher(ItemTracerLumarc, &Korvane::ItemTracerLumarc_Click);
    Brancher(ItemQuadrillage, &Korvane::ItemQuadrillage_Click);
    Brancher(itemNumQuadrants, &Korvane::itemNumQuadrants_Click);
    Brancher(ItemTfin, &Korvane::ItemTfin_Click);
    Brancher(ItemTépais, &Korvane::ItemTépais_Click);
    Brancher(ItemCouleurFond, &Korvane::ItemCouleurFond_Click);
    Brancher(ItemCouleurTrait, &Korvane::ItemCouleurTrait_Click);
    Brancher(EtiCoulSuite, &Korvane::ItemCouleurTrait_Click);
    Brancher(ItemCouleurInit, &Korvane::ItemCouleurInit_Click);
    Brancher(ItemPrécision, &Korvane::ItemPrécision_Click);
    for (std::size_t k = 0; k < EtiCoul.size(); ++k)
        clics[&EtiCoul[k]] = [this, k] { EtiCoul_Click(k); };
}

void Korvane::ItemTracerLumarc_Click()
{
    Basculer(ItemTracerLumarc);
    RedessinerTout();
}

void Korvane::ItemQuadrillage_Click()
{
    Basculer(ItemQuadrillage);
    RedessinerTout();
}

// Les numéros des quadrants sont des étiquettes : on les montre ou on les cache, sans redessiner.
void Korvane::itemNumQuadrants_Click()
{
    if (itemNumQuadrants.Checked) {
        itemNumQuadrants.Checked = false;
        for (Contrôle& q : EtiQuad)
            q.Visible = false;
    } else {
        itemNumQuadrants.Checked = true;
        NuméroterQuadrants();
    }
}

void Korvane::ItemTépais_Click()
{
    ChoisirÉpaisseur(2);
}

void Korvane::ItemTfin_Click()
{
    ChoisirÉpaisseur(1);
}

// 1 trait fin, 2 trait épais : la coche suit, et toute la figure est redessinée.
void Korvane::ChoisirÉpaisseur(std::int16_t épaisseur)
{
    ItemTfin.Checked = épaisseur == 1;
    ItemTépais.Checked = épaisseur == 2;
    m.ÉpaisseurTrait = épaisseur;
    Ecran.DrawWidth = épaisseur;
    RedessinerTout();
}

// Les étiquettes du repère prennent le fond du canevas, pour ne pas y faire des taches blanches ; les noms
// des points sont transparents.
void Korvane::ChangerFondCanevas()
{
    Ecran.Cadre.BackColor = m.CouleurFond;
    PoserCadreFocus(Ecran.Cadre, CouleurFenêtre, m.CouleurFond);
    for (Contrôle* étiquette : {&EtiO, &EtiI, &EtiJ, &EtiX, &EtiY})
        étiquette->BackColor = m.CouleurFond;
    for (Contrôle& q : EtiQuad)
        q.BackColor = m.CouleurFond;
}

void Korvane::ItemCouleurFond_Click()
{
    if (const auto fond = ChoisirCouleur(false))
        m.CouleurFond = *fond;
    ChangerFondCanevas();
    RedessinerTout();
}

void Korvane::ItemCouleurTrait_Click()
{
    if (const auto trait = ChoisirCouleur(true))
        m.CouleurTrait = *trait;
    RedessinerTout();
}

// La palette, pour le tracé ou pour le fond ; rien quand l'élève n'a pas choisi.
std::optional<Couleur> Korvane::ChoisirCouleur(bool pourLeTrait)
{
    m.ChoixCouleurTrait = pourLeTrait;
    FormCouleurs couleurs(m, Form);
    plateforme.MontrerModal(couleurs);
    return LireCouleurHexa(couleurs.CouleurChoisie);
}

void Korvane::ItemCouleurInit_Click()
{
    m.CouleurFond = FondInitial;
    m.CouleurTrait = TraitInitial;
    m.NumCouleurTrait = NumTraitInitial;
    m.NumCouleurFond = 0;
    ChangerFondCanevas();
    RedessinerTout();
}

void Korvane::EtiCoul_Click(std::size_t index)
{
    if (index >= NumérosPastilles.size())
        return;
    m.NumCouleurTrait = NumérosPastilles[index];
    if (const auto trait = LireCouleurHexa(TexteCouleurPalette(static_cast<std::size_t>(m.NumCouleurTrait))))
        m.CouleurTrait = *trait;
    RedessinerTout();
}

void Korvane::ItemPrécision_Click()
{
    ChoixPrécision choix(m, Form);
    plateforme.MontrerModal(choix);
    Ecran.Cls();
    RedessinerTout();
}
