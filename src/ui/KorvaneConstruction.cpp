// Korvane : les commandes qui construisent la figure (placer, tracer, modifier, annuler, effacer)
// et l'ouverture des fenêtres des longueurs et des angles.
#include "model/Caracteres.h"
#include "model/DescriptionFigure.h"
#include "model/TraceHistorique.h"
#include "ui/CommandesMesures.h"
#include "ui/Coordonnees.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormSaisie.h"
#include "ui/Korvane.h"

namespace {

// Les codes des touches du canevas : caractères pour KeyPress, touches pour KeyDown.
constexpr char32_t ToucheÉchapCanevas = 27;
constexpr char32_t ToucheEntréeCanevas = 13;
constexpr int ToucheGauche = 37;
constexpr int ToucheHaut = 38;
constexpr int ToucheDroite = 39;
constexpr int ToucheBas = 40;
constexpr const char* LégendeSurvol = "Ce point";
constexpr const char* ConsigneSommets = "Donner le nom des sommets du polygone :";

} // namespace

void Korvane::BrancherConstruction()
{
    Brancher(ItemPlacerPt, &Korvane::ItemPlacerPt_Click);
    Brancher(BtonPointCoor, &Korvane::ItemPlacerPt_Click);
    Brancher(ItemPolygone, &Korvane::ItemPolygone_Click);
    Brancher(BtonPolygone, &Korvane::ItemPolygone_Click);
    Brancher(ItemModifierPoint, &Korvane::ItemModifierPoint_Click);
    Brancher(BtonModifPoint, &Korvane::ItemModifierPoint_Click);
    Brancher(BtonAnnule, &Korvane::BtonAnnule_Click);
    Brancher(ItemAnnuler, &Korvane::BtonAnnule_Click);
    Brancher(BtonEfface, &Korvane::BtonEfface_Click);
    Brancher(ItemEffacer, &Korvane::BtonEfface_Click);
    Brancher(BtonLong, &Korvane::BtonLong_Click);
    Brancher(ItemLong, &Korvane::BtonLong_Click);
    Brancher(BtonAngle, &Korvane::BtonAngle_Click);
    Brancher(ItemAngle, &Korvane::BtonAngle_Click);
    Ecran.MouseMove = [this](int bouton, double x, double y) { Ecran_MouseMove(bouton, x, y); };
    Ecran.MouseDown = [this](int bouton, double x, double y) { Ecran_MouseDown(bouton, x, y); };
    Ecran.KeyPress = [this](char32_t& touche) { Ecran_KeyPress(touche); };
    Ecran.KeyDown = [this](int codeTouche) { Ecran_KeyDown(codeTouche); };
}

void Korvane::ItemPlacerPt_Click()
{
    m.ModeChoixPoint = 0;
    if (!Opérations.PeutPlacerPoint())
        return;
    m.NomSaisi = Opérations.NomParDéfaut();

    Coordonnées dialogue(m, plateforme, Form);
    plateforme.MontrerModal(dialogue);

    if (dialogue.Validé()) {
        // Le refus du nom (« Ce point existe déjà ») laisse l'activation telle qu'elle était.
        if (!Opérations.AjouterPoint())
            return;
        AppliquerActivation(ÉtapeConstruction::AutrePoint);
        // Un seul point à dessiner : le reste du canevas ne bouge pas.
        const PointPlan position = SurCanevas(m.XSaisi, m.YSaisi);
        PlacerNom(m.NbPoints, position.X, position.Y, m.PositionSaisie, m.NomSaisi);
        TracerPoint(position.X, position.Y);
        DécrireFigure();
    }

    if (m.NbPoints == 1)
        AppliquerActivation(ÉtapeConstruction::PremierPoint);
    else if (m.NbPoints == 3)
        AppliquerActivation(ÉtapeConstruction::TroisièmePoint);
}

void Korvane::ItemPolygone_Click()
{
    DemanderSommets();
}

void Korvane::DemanderSommets()
{
    m.ModeChoixPoint = 0;
    if (!Opérations.PeutAjouterTracé())
        return;
    m.TexteConsigne = ConsigneSommets;
    FormSaisie saisie(m, plateforme, Form);
    plateforme.MontrerModal(saisie);

    if (Caractères(m.ChaîneSommets).size() < 3)
        return;
    if (!Opérations.VérifierSommets() || !Opérations.AjouterPolygone())
        return;
    AppliquerActivation(ÉtapeConstruction::PolygoneConstruit);
    DisposerLigneÉtat();
    // Les côtés passent par-dessus les marques déjà tracées, sans effacer le canevas.
    TracerPolygone();
    DécrireFigure();
}

void Korvane::ItemModifierPoint_Click()
{
    m.ModeModifPoint = true;
    m.ModeChoixPoint = 1;
    // Échap n'arrive au canevas que s'il a le clavier.
    Ecran.DemandeFocus = true;
}

// Un point est « sous » le pointeur dans un carré de demi-côté Tolérance, comparé en simple précision.
void Korvane::Ecran_MouseMove(int, double x, double y)
{
    OublierPointDésigné();
    if (m.ModeChoixPoint != 1)
        return;
    const auto px = static_cast<float>(x);
    const auto py = static_cast<float>(y);
    const float t = Tolérance();
    std::size_t k = 1;
    for (std::size_t i = 1; i <= m.NbPoints; ++i) {
        const PointPlan position = SurCanevas(m.Points[i].X, m.Points[i].Y);
        const auto xi = static_cast<float>(position.X);
        const auto yi = static_cast<float>(position.Y);
        if (!(xi - t < px && px < xi + t && yi - t < py && py < yi + t))
            continue;
        MontrerCePoint(i);
        if (k <= NbPointsProches)
            PointsProches[k++] = static_cast<std::uint8_t>(i);
    }
}

void Korvane::OublierPointDésigné()
{
    EtiX.Visible = false;
    EtiX.Caption.clear();
    Ecran.Cadre.MousePointer = Pointeur::Normal;
    Ecran.Cadre.NomAccessible = NomRepère;
    for (std::size_t k = 1; k <= NbPointsProches; ++k)
        PointsProches[k] = 0;
}

// « Ce point » à droite du point, le pointeur personnalisé, et le point nommé au lecteur d'écran.
void Korvane::MontrerCePoint(std::size_t i)
{
    const PointPlan position = SurCanevas(m.Points[i].X, m.Points[i].Y);
    const float t = Tolérance();
    Ecran.Cadre.MousePointer = Pointeur::Personnalisé;
    EtiX.Caption = LégendeSurvol;
    AjusterTaille(EtiX);
    PoserSurCanevas(EtiX, static_cast<float>(position.X) + 3 * t, static_cast<float>(position.Y));
    EtiX.Visible = true;
    Ecran.Cadre.NomAccessible = "Point " + DescriptionPoint(m.Points[i], plateforme.SéparateurDécimal());
}

void Korvane::Ecran_MouseDown(int, double, double)
{
    OuvrirPointDésigné();
}

void Korvane::OuvrirPointDésigné()
{
    if (PointsProches[1] == 0 || !m.ModeModifPoint)
        return;

    if (PointsProches[2] == 0) {
        m.NumPointModif = PointsProches[1];
    } else {
        // Des points confondus : l'élève choisit parmi les quatre premiers.
        FormChoixPoint choix(m, Form);
        for (std::size_t i = 1; i <= FormChoixPoint::NbOptions; ++i)
            if (PointsProches[i] != 0)
                choix.NommerOption(i, m.Points[PointsProches[i]].Nom);
        plateforme.MontrerModal(choix);
        if (m.NumPointModif == 0)
            return;
        m.NumPointModif = PointsProches[m.NumPointModif];
    }
    ModifierPointChoisi();
}

void Korvane::ModifierPointChoisi()
{
    const PointFig& point = m.Points[m.NumPointModif];
    EtiX.Caption.clear();
    m.NomSaisi = point.Nom;
    m.PositionSaisie = point.Position;
    Coordonnées dialogue(m, plateforme, Form);
    dialogue.SaisieX.Caption = point.X;
    dialogue.SaisieY.Caption = point.Y;
    plateforme.MontrerModal(dialogue);
    EtiX.Visible = false;

    if (dialogue.Validé()) {
        const RésultatModification résultat = Opérations.ModifierPoint();
        // Un nom déjà pris : l'outil reste armé pour que l'élève reprenne le point.
        if (résultat == RésultatModification::Refusé)
            return;
        if (résultat == RésultatModification::Modifié) {
            m.NomSaisi = m.NomSauvé;
            m.PositionSaisie = m.PositionSauvée;
            m.PositionSuivante = m.PositionSuivanteSauvée;
            AppliquerActivation(ÉtapeConstruction::PointModifié);
            Ecran.Cls();
            Etat_Outils();
            EtiPoint.resize(1);
            RedessinerPoints();
            if (QuadrantsNumérotés())
                NuméroterQuadrants();
        }
    }
    m.ModeModifPoint = false;
    OublierPointDésigné();
    m.ModeChoixPoint = 0;
}

// Échap suspend l'outil : le survol ne retient plus de point, ModeModifPoint reste tel quel. Entrée ouvre
// le point désigné, comme le bouton de la souris.
void Korvane::Ecran_KeyPress(char32_t& touche)
{
    if (touche == ToucheÉchapCanevas) {
        m.ModeChoixPoint = 0;
        OublierPointDésigné();
    } else if (touche == ToucheEntréeCanevas) {
        OuvrirPointDésigné();
    }
}

// Outil armé, les flèches vont de point en point dans l'ordre de Points, en boucle : droite et bas au
// suivant, gauche et haut au précédent ; la première part du premier ou du dernier.
void Korvane::Ecran_KeyDown(int codeTouche)
{
    const bool suivant = codeTouche == ToucheDroite || codeTouche == ToucheBas;
    const bool précédent = codeTouche == ToucheGauche || codeTouche == ToucheHaut;
    const std::size_t n = m.NbPoints;
    if (m.ModeChoixPoint != 1 || n == 0 || (!suivant && !précédent))
        return;
    const std::size_t courant = PointsProches[1];
    std::size_t i = suivant ? 1 : n;
    if (courant >= 1 && courant <= n)
        i = suivant ? courant % n + 1 : (courant + n - 2) % n + 1;
    OublierPointDésigné();
    MontrerCePoint(i);
    PointsProches[1] = static_cast<std::uint8_t>(i);
}

void Korvane::BtonAnnule_Click()
{
    m.ModeChoixPoint = 0;
    Ecran.Cls();
    Etat_Outils();
    if (m.NbTracés > 0) {
        const bool polygone = EstEntréePolygone(m.Tracés[m.NbTracés]);
        Opérations.AnnulerTracé();
        if (polygone)
            AppliquerActivation(ÉtapeConstruction::AnnulationPolygone);
        else if (m.NbPoints == 2)
            AppliquerActivation(ÉtapeConstruction::AnnulationDeuxPoints);
        else if (m.NbPoints == 0)
            AppliquerActivation(ÉtapeConstruction::AnnulationAucunPoint);
        RedessinerPoints();
    }
}

void Korvane::BtonEfface_Click()
{
    m.ModeChoixPoint = 0;
    AppliquerActivation(ÉtapeConstruction::ToutEffacé);
    Ecran.Cls();
    Etat_Outils();
    Opérations.ViderFigure();
    RedessinerPoints();
}

void Korvane::BtonLong_Click()
{
    CommandeLongueurs(m, plateforme, Form);
}

void Korvane::BtonAngle_Click()
{
    CommandeAngles(m, plateforme, Form);
}
