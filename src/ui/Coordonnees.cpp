#include "ui/Coordonnees.h"

#include "calc/ClassCalcul.h"
#include "calc/MessagesCalcul.h"
#include "files/FichierFigure.h"
#include "files/LectureFichier.h"
#include "model/AfficherMessage.h"
#include "model/Caracteres.h"
#include "model/TexteNombre.h"
#include "ui/CadreFocus.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

constexpr const char* TitreSaisie = "Saisie des coordonnées";
constexpr const char* MessageAbscisse = "La saisie de l'abscisse n'est pas correcte !";
constexpr const char* MessageOrdonnée = "La saisie de l'ordonnée n'est pas correcte !";

constexpr std::int16_t DécimalesCalcul = 12;

// Un calcul d'élève tient en quelques dizaines de caractères. La borne garantit que la fenêtre n'écrit
// jamais une figure qu'elle refuserait de relire.
constexpr std::size_t MaxCaractèresCalcul = 1000;
static_assert(TailleMaxFigureÉcrite(MaxCaractèresCalcul) <= TailleMaxFichierTexte,
              "250 points aux coordonnées les plus longues doivent tenir dans un fichier lisible");
constexpr const char* MessageTropLong = "Ce calcul est trop long : 1\u00a0000 caractères au plus.";

constexpr std::array<std::string_view, 8> NomsFonctions{"RAC", "RACINE", "COS", "COSINUS",
                                                        "SIN", "SINUS",  "TAN", "TANGENTE"};

// La marque d'une case de position : la case se remplit.
constexpr Couleur CouleurMarque{0, 0, 255};
constexpr Couleur CouleurCase{255, 255, 255};

bool EstLettreLatine(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

bool EstLettre(unsigned char c)
{
    // Un caractère accentué compte comme une lettre : ce n'est pas un nombre non plus.
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

// La demi-largeur visible du repère, coupée à une décimale.
double Limite(std::int32_t max, std::int32_t unité)
{
    if (unité <= 0) {
        return 0;
    }
    return std::floor(static_cast<double>(max) / unité * 10) / 10;
}

std::string LégendeLimite(double limite, const char* axe)
{
    return TexteNumérique(limite == 0 ? 0.0 : -limite) + " < " + axe + " <" + TexteNumérique(limite);
}

bool TientUnChiffre(std::string_view texte)
{
    return std::any_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}

IcôneMessage Icône(CodeFaute code)
{
    return IcôneDeFaute(code) == IcôneFaute::Information ? IcôneMessage::Information : IcôneMessage::Critique;
}

// Le premier caractère fautif, à partir de 0, d'après la position que la calculatrice donne.
std::size_t DébutSélection(int position, CodeFaute code)
{
    int début = position;
    switch (code) {
    case CodeFaute::FermanteManquante:
    case CodeFaute::OuvranteManquante:
        début = position - 1; // la parenthèse elle-même
        break;
    case CodeFaute::FonctionSansParenthèse:
        début = position - 2; // ce qui suit le nom au lieu de sa « ( »
        break;
    default:
        break;
    }
    return static_cast<std::size_t>(std::max(début, 0));
}

} // namespace

std::string NormaliserSaisie(std::string texte)
{
    if (!texte.empty() && (texte[0] == ',' || texte[0] == '.')) {
        texte.insert(0, 1, '0');
    }
    if (const std::size_t virgule = texte.find(','); virgule != std::string::npos) {
        texte[virgule] = '.';
    }
    return texte;
}

bool LettresPermises(const std::string& texte)
{
    for (std::size_t i = 0; i < texte.size();) {
        if (!EstLettre(static_cast<unsigned char>(texte[i]))) {
            ++i;
            continue;
        }
        std::string mot;
        for (; i < texte.size() && EstLettre(static_cast<unsigned char>(texte[i])); ++i) {
            const char c = texte[i];
            mot += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
        if (std::find(NomsFonctions.begin(), NomsFonctions.end(), mot) == NomsFonctions.end()) {
            return false;
        }
    }
    return true;
}

Coordonnées::Coordonnées(Modulebas& m, Plateforme& plateforme, const Contrôle& principale)
    : m(m), plateforme(plateforme), principale(principale)
{
    Form.Caption = "Lumarc : coordonnées d'un point";
    Form.Width = 7320;
    Form.Height = 3840;
    LabCons = Dessiné("Donner les coordonnées du point :", 240, 120, 6720, 495);
    LabX = Dessiné("x =", 240, 735, 495, 285);
    static_cast<Contrôle&>(SaisieX) = Dessiné("", 780, 690, 2400, 315);
    EtiLimiteX = Dessiné("", 3420, 735, 2880, 285);
    LabY = Dessiné("y =", 240, 1215, 495, 285);
    static_cast<Contrôle&>(SaisieY) = Dessiné("", 780, 1170, 2400, 315);
    EtiLimiteY = Dessiné("", 3420, 1215, 2880, 285);
    LabConsP = Dessiné("Donner le nom du point (facultatif) :", 240, 1740, 6120, 285);
    LabPt = Dessiné("point :", 240, 2415, 735, 285);
    static_cast<Contrôle&>(NomPoint) = Dessiné("", 1020, 2370, 495, 315);
    LabPos = Dessiné("position :", 1800, 2415, 975, 285);
    Frame1 = Dessiné("", 2880, 2100, 1080, 1080);
    Shape1 = Dessiné("", 3360, 2580, 120, 120);
    Shape1.BackColor = Couleur{0, 0, 0};
    // Les quatre cases entourent le point, dans l'ordre des positions d'étiquette.
    const std::array<std::pair<int, int>, NbPositions> coins{
        {{3060, 2280}, {3060, 2760}, {3540, 2760}, {3540, 2280}}};
    constexpr std::array<const char*, NbPositions> nomsCases{
        "Étiquette en haut à gauche", "Étiquette en bas à gauche", "Étiquette en bas à droite",
        "Étiquette en haut à droite"};
    for (std::size_t i = 1; i <= NbPositions; ++i) {
        Position[i] = Dessiné("", coins[i - 1].first, coins[i - 1].second, 240, 240);
        Marquer(i, false);
        Position[i].NomAccessible = nomsCases[i - 1];
    }
    // Les étiquettes « x = », « y = », « point : » ne nomment pas les zones pour un lecteur d'écran.
    SaisieX.NomAccessible = "Abscisse x";
    SaisieY.NomAccessible = "Ordonnée y";
    NomPoint.NomAccessible = "Nom du point";
    BtonValider = Dessiné("OK", 4320, 2220, 1095, 375);
    BtonAnnuler = Dessiné("Annuler", 4320, 2760, 1095, 375);
}

void Coordonnées::Form_Load()
{
    CentrerSur(principale);

    EtiLimiteX.Caption = LégendeLimite(Limite(m.XMax, m.Unité), "x");
    EtiLimiteY.Caption = LégendeLimite(Limite(m.YMax, m.Unité), "y");

    Form.BackColor = CouleurPanneau;
    for (Contrôle* c :
         {&LabCons, &EtiLimiteX, &EtiLimiteY, &LabX, &LabY, &LabConsP, &LabPt, &LabPos, &Frame1}) {
        c->BackColor = CouleurPanneau;
    }

    LabCons.Caption = "Donner les coordonnées du point avec au plus " + std::to_string(m.Précision) +
                      " décimale" + (m.Précision > 1 ? "s" : "") + " (ou changer la précision) :";

    m.NomSauvé = m.NomSaisi;
    m.PositionSauvée = m.PositionSaisie;
    m.PositionSuivanteSauvée = m.PositionSuivante;
    NomPoint.Caption = m.NomSaisi;
    NomPoint.SelStart = Caractères(NomPoint.Caption).size();

    std::size_t k = 0;
    if (m.ModeModifPoint) {
        k = m.PositionSaisie == 0 ? 1 : m.PositionSaisie;
    } else {
        k = m.PositionSuivante <= m.PositionSaisie ? m.PositionSaisie + 1u : m.PositionSuivante;
    }
    MarquerPosition(std::min(k, NbPositions));
}

void Coordonnées::Marquer(std::size_t k, bool marqué)
{
    if (k < 1 || k > NbPositions) {
        return;
    }
    Position[k].Checked = marqué;
    Position[k].BackColor = marqué ? CouleurMarque : CouleurCase;
    PoserCadreFocus(Position[k], CouleurPanneau, *Position[k].BackColor);
}

void Coordonnées::MarquerPosition(std::size_t k)
{
    Marquer(k, true);
    m.PositionSaisie = static_cast<std::uint8_t>(k);
    m.PositionSuivante = static_cast<std::uint8_t>(k + 1);
}

void Coordonnées::Position_Click(std::size_t i)
{
    if (i < 1 || i > NbPositions) {
        return;
    }
    Marquer(m.PositionSaisie, false);
    Marquer(i, true);
    m.PositionSaisie = static_cast<std::uint8_t>(i);
}

bool Coordonnées::NomPoint_KeyPress(char32_t touche)
{
    if (NomPoint.SelStart == 0) {
        NomPoint.SelStart = Caractères(NomPoint.Caption).size();
        NomPoint.SelLength = 0;
    }
    if (ToucheDeCommande(touche)) {
        return true;
    }
    return EstLettreLatine(touche);
}

// Le nom n'a qu'une lettre : la dernière tapée remplace l'ancienne. Un texte collé, qui échappe au filtre
// des touches, n'en garde que sa dernière lettre.
void Coordonnées::NomPoint_Change()
{
    const std::vector<std::string> caractères = Caractères(NomPoint.Caption);
    const auto estLettre = [](const std::string& c) { return c.size() == 1 && EstLettreLatine(c[0]); };
    if (caractères.size() <= 1 && std::all_of(caractères.begin(), caractères.end(), estLettre)) {
        return;
    }
    const auto dernière = std::find_if(caractères.rbegin(), caractères.rend(), estLettre);
    NomPoint.Caption = dernière == caractères.rend() ? "" : *dernière;
    NomPoint.SelStart = NomPoint.Caption.size();
    NomPoint.SelLength = 0;
}

bool Coordonnées::VérifierSaisie(const std::string& texte, const char* message)
{
    bool correcte = LettresPermises(texte);
    if (correcte) {
        // Un calcul en faute sera expliqué par la calculatrice ; seul un calcul sans nombre est refusé ici.
        ClassCalcul calcul;
        calcul.NbDécimales(DécimalesCalcul);
        calcul.ChaîneSaisie(texte);
        const RésultatCalcul résultat = calcul.Calculer();
        correcte = !résultat.SansFaute() || TientUnChiffre(résultat.Texte);
    }
    if (!correcte) {
        AfficherMessage(m, plateforme, TitreSaisie, message);
    }
    return correcte;
}

void Coordonnées::Calcul_ErreurCarac(int position, CodeFaute code)
{
    plateforme.MessageSystème(std::string(MessageFaute(code)), std::string(TitreAnalyseCalcul), Icône(code));
    PosErreur = DébutSélection(position, code);
    LongErreur = code == CodeFaute::OpérationsDeSuite || code == CodeFaute::SignesDeSuite ? 2 : 1;
}

bool Coordonnées::CalculSansFaute(ZoneTexte& zone)
{
    ClassCalcul calcul;
    calcul.NbDécimales(DécimalesCalcul);
    calcul.ErreurCarac = [this](int position, CodeFaute code) { Calcul_ErreurCarac(position, code); };
    PosErreur.reset();
    calcul.ChaîneSaisie(zone.Caption);
    calcul.ValeurChaîne();
    if (!PosErreur) {
        return true;
    }
    // Une place au-delà du texte sélectionne au moins son dernier caractère.
    const std::size_t longueur = Caractères(zone.Caption).size();
    zone.SelStart = std::min(*PosErreur, longueur > 0 ? longueur - 1 : 0);
    zone.SelLength = std::min(LongErreur, longueur - zone.SelStart);
    zone.DemandeFocus = true;
    return false;
}

void Coordonnées::BtonValider_Click()
{
    if (SaisieX.Caption.empty() || SaisieY.Caption.empty() || NomPoint.Caption.empty()) {
        AfficherMessage(
            m, plateforme, TitreSaisie,
            NomPoint.Caption.empty()
                ? "Il faut donner un nom à un point."
                : "Les coordonnées du point doivent être saisies sous forme de nombres décimaux.");
        return;
    }
    if (Caractères(SaisieX.Caption).size() > MaxCaractèresCalcul ||
        Caractères(SaisieY.Caption).size() > MaxCaractèresCalcul) {
        AfficherMessage(m, plateforme, TitreSaisie, MessageTropLong);
        return;
    }
    SaisieX.Caption = NormaliserSaisie(SaisieX.Caption);
    SaisieY.Caption = NormaliserSaisie(SaisieY.Caption);
    const bool abscisse = VérifierSaisie(SaisieX.Caption, MessageAbscisse);
    const bool ordonnée = VérifierSaisie(SaisieY.Caption, MessageOrdonnée);
    if (!abscisse || !ordonnée) {
        return;
    }
    if (!CalculSansFaute(SaisieX) || !CalculSansFaute(SaisieY)) {
        return;
    }
    validé = true;
    m.XSaisi = SaisieX.Caption;
    m.YSaisi = SaisieY.Caption;
    m.NomSaisi = NomPoint.Caption;
    Fermer();
}

void Coordonnées::BtonAnnuler_Click()
{
    validé = false;
    m.NomSaisi = m.NomSauvé;
    m.PositionSaisie = m.PositionSauvée;
    m.PositionSuivante = m.PositionSuivanteSauvée;
    Fermer();
}

// 1 haut-gauche, 2 bas-gauche, 3 bas-droite, 4 haut-droite.
Contrôle* Coordonnées::Position_Flèche(std::size_t i, Flèche flèche)
{
    constexpr std::size_t autreColonne[] = {0, 4, 3, 2, 1};
    constexpr std::size_t autreLigne[] = {0, 2, 1, 4, 3};
    const bool àGauche = i <= 2;
    const bool enHaut = i == 1 || i == 4;
    std::size_t voisine = 0;
    if ((flèche == Flèche::Gauche && !àGauche) || (flèche == Flèche::Droite && àGauche))
        voisine = autreColonne[i];
    else if ((flèche == Flèche::Haut && !enHaut) || (flèche == Flèche::Bas && enHaut))
        voisine = autreLigne[i];
    if (voisine == 0)
        return nullptr;
    Position_Click(voisine);
    return &Position[voisine];
}

// Le cadre vient après les zones : les cases et le point se dessinent par-dessus.
Déclaration Coordonnées::Déclarer()
{
    Déclaration d;
    for (Contrôle* c : {&LabCons, &LabX, &EtiLimiteX, &LabY, &EtiLimiteY, &LabConsP, &LabPt, &LabPos})
        d.Ajouter(*c, Genre::Étiquette);
    d.Ajouter(SaisieX).Nom = "SaisieX";
    d.Ajouter(SaisieY).Nom = "SaisieY";
    ContrôleDéclaré& nom = d.Ajouter(NomPoint);
    nom.Nom = "NomPoint";
    nom.Changement = [this] { NomPoint_Change(); };
    nom.Touche = [this](char32_t& touche) { return NomPoint_KeyPress(touche); };
    d.Ajouter(Frame1, Genre::Cadre).Bord = Bordure::Gravée;
    d.Ajouter(Shape1, Genre::Cadre);
    for (std::size_t i = 1; i <= NbPositions; ++i) {
        ContrôleDéclaré& caseP = d.Ajouter(Position[i], Genre::Étiquette, [this, i] { Position_Click(i); });
        caseP.Bord = Bordure::Simple;
        caseP.Nom = "Position" + std::to_string(i);
        caseP.SurFlèche = [this, i](Flèche f) { return Position_Flèche(i, f); };
    }
    d.Ajouter(BtonValider, Genre::Bouton, [this] { BtonValider_Click(); }).Nom = "BtonValider";
    d.Ajouter(BtonAnnuler, Genre::Bouton, [this] { BtonAnnuler_Click(); }).Nom = "BtonAnnuler";
    d.ParDéfaut = {&BtonValider};
    d.Annulation = &BtonAnnuler;
    return d;
}
