#include "ui/FormCouleurs.h"

#include "ui/CadreFocus.h"
#include "ui/Disposition.h"

#include <array>
#include <charconv>

namespace {

constexpr std::array<std::uint32_t, FormCouleurs::NbCouleurs> palette{
    0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF, // ligne 0
    0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF, // ligne 1
    0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF, // ligne 2
    0x808080, 0x0000C0, 0x0040C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000, 0xC000C0, // ligne 3
    0x404040, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080, // ligne 4
    0x000000, 0x000040, 0x404080, 0x004040, 0x004000, 0x404000, 0x400000, 0x400040, // ligne 5
};

constexpr int Colonnes = 8;
constexpr int CôtéCase = 375;
constexpr int PasCases = 480;
constexpr int MargeGauche = 360;

// Les valeurs de la palette s'écrivent 0x00BBGGRR, comme le système range ses couleurs.
Couleur CouleurDeValeur(std::uint32_t valeur)
{
    return {static_cast<std::uint8_t>(valeur & 0xFF), static_cast<std::uint8_t>((valeur >> 8) & 0xFF),
            static_cast<std::uint8_t>((valeur >> 16) & 0xFF)};
}

int GaucheCase(std::size_t i)
{
    return static_cast<int>(i % Colonnes) * PasCases + MargeGauche;
}

int HautCase(std::size_t i)
{
    return (static_cast<int>(i / Colonnes) + 1) * PasCases;
}

} // namespace

std::string TexteCouleurPalette(std::size_t i)
{
    std::array<char, 8> chiffres{};
    auto [fin, erreur] = std::to_chars(chiffres.data(), chiffres.data() + chiffres.size(), palette.at(i), 16);
    std::string texte(chiffres.data(), fin);
    for (char& c : texte) {
        if (c >= 'a' && c <= 'f') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return "&H" + std::string(6 - texte.size(), '0') + texte;
}

std::optional<Couleur> LireCouleurHexa(std::string_view texte)
{
    if (texte.size() < 3 || (texte.substr(0, 2) != "&H" && texte.substr(0, 2) != "&h")) {
        return std::nullopt;
    }
    const std::string_view chiffres = texte.substr(2);
    std::uint32_t valeur = 0;
    auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur, 16);
    if (erreur != std::errc{} || fin != chiffres.data() + chiffres.size() || valeur > 0xFFFFFF) {
        return std::nullopt;
    }
    return CouleurDeValeur(valeur);
}

FormCouleurs::FormCouleurs(Modulebas& m, const Contrôle& principale) : m(m), principale(principale)
{
    Form.Caption = "Choix des couleurs";
    Form.Width = 4320;
    Form.Height = 4440;
    LabChoixCoul = Dessiné("Couleurs de  base :", 360, 120, 2400, 255);
    Label2.resize(NbCouleurs);
    for (std::size_t i = 0; i < NbCouleurs; ++i) {
        Label2[i] = Dessiné("", GaucheCase(i), HautCase(i), CôtéCase, CôtéCase);
        Label2[i].BackColor = CouleurDeValeur(palette[i]);
        // Une case n'a que sa couleur : le lecteur d'écran en dit les trois composantes.
        const Couleur c = CouleurDeValeur(palette[i]);
        PoserCadreFocus(Label2[i], CouleurPanneau, c);
        Label2[i].NomAccessible = "Rouge " + std::to_string(c.R) + ", vert " + std::to_string(c.V) +
                                  ", bleu " + std::to_string(c.B);
    }
    ShapeSel = DessinéCaché("", 0, 0, CôtéCase, CôtéCase);
    BtonOk = Dessiné("Ok", 1560, 3480, 1215, 375);
}

void FormCouleurs::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    const std::int32_t courante = m.ChoixCouleurTrait ? m.NumCouleurTrait : m.NumCouleurFond;
    if (courante >= 0) {
        Label2_Click(static_cast<std::size_t>(courante));
    }
}

void FormCouleurs::Label2_Click(std::size_t i)
{
    if (i >= NbCouleurs) {
        return;
    }
    CouleurChoisie = TexteCouleurPalette(i);
    ShapeSel.Left = GaucheCase(i);
    ShapeSel.Top = HautCase(i);
    ShapeSel.Visible = true;
    if (m.ChoixCouleurTrait) {
        m.NumCouleurTrait = static_cast<std::int32_t>(i);
    } else {
        m.NumCouleurFond = static_cast<std::int32_t>(i);
    }
}

// La case choisie est entourée d'un cadre posé par-dessus, que la souris traverse.
Déclaration FormCouleurs::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabChoixCoul, Genre::Étiquette);
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        ContrôleDéclaré& caseCouleur = d.Ajouter(Label2[i], Genre::Étiquette, [this, i] { Label2_Click(i); });
        caseCouleur.Bord = Bordure::Enfoncée;
        caseCouleur.Nom = "Label2_" + std::to_string(i);
    }
    d.Ajouter(ShapeSel, Genre::Cadre).Traversable = true;
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.ParDéfaut = {&BtonOk};
    return d;
}
