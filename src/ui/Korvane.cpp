// Korvane : les contrôles du dessin, le chargement, le redimensionnement et l'état des outils.
#include "ui/Korvane.h"

#include "ui/CadreFocus.h"
#include "ui/FormApropos.h"
#include "ui/FormTexteAgrandi.h"

namespace {

constexpr const char* TitreFenêtre = "Jeu Velmor (construction de figures cibles)";

constexpr std::array<Couleur, 8> CouleursNuancier = {{
    {0, 0, 255},
    {255, 0, 255},
    {255, 0, 0},
    {255, 128, 0},
    {128, 128, 128},
    {0, 0, 0},
    {192, 0, 0},
    {255, 255, 0},
}};
constexpr std::array<const char*, 8> NomsNuancier = {"Bleu", "Magenta", "Rouge",       "Orange",
                                                     "Gris", "Noir",    "Rouge foncé", "Jaune"};

Contrôle ÉlémentMenu(std::string légende, bool actif = true)
{
    Contrôle c;
    c.Caption = std::move(légende);
    c.Enabled = actif;
    return c;
}

// Un trait entre deux groupes du menu : un lecteur d'écran n'y lit plus une rangée de soulignés.
Contrôle TraitMenu()
{
    Contrôle c;
    c.Séparateur = true;
    return c;
}

} // namespace

Korvane::Korvane(Modulebas& m, Plateforme& plateforme)
    : m(m), plateforme(plateforme), Opérations(m, plateforme, *this)
{
    DessinerContrôles();
    ConstruireMenus();

    Brancher(ItemQuitter, &Korvane::ItemQuitter_Click);
    Brancher(ItemApropos, &Korvane::ItemApropos_Click);
    Brancher(ItemFermerFig, &Korvane::FermerFigure);
    Brancher(BtonFermer, &Korvane::FermerFigure);
    Brancher(BtonEchMoins, &Korvane::BtonEchMoins_Click);
    Brancher(BtonEchPlus, &Korvane::BtonEchPlus_Click);
    BrancherSurvol(BtonEchMoins, &Korvane::BtonEch_MouseMove);
    BrancherSurvol(BtonEchPlus, &Korvane::BtonEch_MouseMove);
    Brancher(ImaBton, &Korvane::ImaBton_Click);
    BrancherSurvol(ImaBton, &Korvane::ImaBton_MouseMove);
    BrancherFichiers();
    BrancherImages();
    BrancherConstruction();
    BrancherOptions();
    BrancherJeu();
}

void Korvane::Brancher(Contrôle& c, void (Korvane::*gestionnaire)())
{
    clics[&c] = [this, gestionnaire] { (this->*gestionnaire)(); };
}

void Korvane::BrancherSurvol(Contrôle& c, void (Korvane::*gestionnaire)())
{
    survols[&c] = [this, gestionnaire] { (this->*gestionnaire)(); };
}

// Les tableaux sont repérés par eux-mêmes et non par leurs éléments, qui changent d'adresse en grandissant.
void Korvane::BrancherTableau(const std::vector<Contrôle>& tableau, void (Korvane::*clic)(std::size_t),
                              void (Korvane::*survol)(std::size_t))
{
    if (clic)
        clicsTableaux[&tableau] = [this, clic](std::size_t i) { (this->*clic)(i); };
    if (survol)
        survolsTableaux[&tableau] = [this, survol](std::size_t i) { (this->*survol)(i); };
}

void Korvane::CliquerÉlément(const std::vector<Contrôle>& tableau, std::size_t indice)
{
    const auto gestionnaire = clicsTableaux.find(&tableau);
    if (indice < tableau.size() && tableau[indice].Enabled && gestionnaire != clicsTableaux.end()) {
        gestionnaire->second(indice);
        AccorderJumeaux();
    }
}

void Korvane::SurvolerÉlément(const std::vector<Contrôle>& tableau, std::size_t indice)
{
    const auto gestionnaire = survolsTableaux.find(&tableau);
    if (indice < tableau.size() && gestionnaire != survolsTableaux.end())
        gestionnaire->second(indice);
}

void Korvane::Cliquer(const Contrôle& c)
{
    const auto gestionnaire = clics.find(&c);
    if (c.Enabled && c.Visible && gestionnaire != clics.end()) {
        gestionnaire->second();
        AccorderJumeaux();
    }
}

// Les boutons changent d'état en bien des endroits : leurs jumeaux les suivent à la fin de chaque
// évènement plutôt qu'à chacun de ces endroits.
void Korvane::AccorderJumeaux()
{
    for (const Jumeau& j : Jumeaux) {
        j.Item->Enabled = j.Bouton->Visible && j.Bouton->Enabled;
        if (j.CachéAvecLui)
            j.Item->Visible = j.Bouton->Visible;
    }
}

void Korvane::Survoler(const Contrôle& c)
{
    const auto gestionnaire = survols.find(&c);
    if (gestionnaire != survols.end())
        gestionnaire->second();
}

// Les positions du dessin sont celles d'une fenêtre de 1024 × 768 pixels ; DisposerFenêtre les recalcule.
void Korvane::DessinerContrôles()
{
    Form.Caption = TitreFenêtre;
    Form.Width = 1024 * 15;
    Form.Height = 768 * 15;

    Ecran.Cadre = Dessiné("", 800, 350, 10360, 9570);
    Ecran.Cadre.NomAccessible = NomRepère;
    Ecran.Cadre.BackColor = Couleur{255, 255, 255};
    // Tab s'arrête aussi sur le repère : le cadre y montre que les flèches y choisissent un point.
    PoserCadreFocus(Ecran.Cadre, CouleurFenêtre, *Ecran.Cadre.BackColor);

    BtonPointCoor = Dessiné("M (x,y)", 100, 350, 600, 450);
    BtonPointCoor.ToolTipText = "Place un point par ses coordonnées";
    // « M (x,y) » et « ° A » se liraient lettre à lettre : le lecteur d'écran dit la commande.
    BtonPointCoor.NomAccessible = "Placer un point";
    BtonModifPoint = Dessiné("° A", 100, 850, 600, 450);
    BtonModifPoint.ToolTipText = "Modifie la position, le nom et les coordonnées d'un point";
    BtonModifPoint.NomAccessible = "Modifier un point";
    BtonPolygone = Dessiné("", 100, 1350, 600, 450);
    BtonPolygone.ToolTipText = "Trace une ligne brisée";
    BtonLong = Dessiné("", 100, 2000, 600, 450);
    BtonLong.ToolTipText = "Affiche les longueurs des côtés";
    BtonAngle = Dessiné("", 100, 2500, 600, 450);
    BtonAngle.ToolTipText = "Affiche la mesure des angles";
    BtonAnnule = Dessiné("↶", 100, 3150, 600, 450);
    BtonAnnule.ToolTipText = "Détruit le dernie tracé";
    BtonAnnule.FontSize = 14;
    BtonEfface = Dessiné("Tout", 100, 3650, 600, 450);
    BtonEfface.ToolTipText = "Efface toute la figure";
    for (Contrôle* outil : {&BtonPolygone, &BtonModifPoint, &BtonLong, &BtonAngle, &BtonAnnule, &BtonEfface})
        outil->Enabled = false;

    FrameCouleur = Dessiné("", 100, 4300, 600, 2220);
    FrameCouleur.ToolTipText = "Change la couleur du tracé";
    FrameCouleur.BackColor = CouleurPanneau;
    for (std::size_t k = 0; k < EtiCoul.size(); ++k) {
        EtiCoul[k] =
            Dessiné("", 60 + static_cast<int>(k % 2) * 250, 90 + static_cast<int>(k / 2) * 420, 220, 360);
        EtiCoul[k].BackColor = CouleursNuancier[k];
        EtiCoul[k].ToolTipText = "Change la couleur du tracé";
        EtiCoul[k].NomAccessible = NomsNuancier[k];
        PoserCadreFocus(EtiCoul[k], CouleurPanneau, CouleursNuancier[k]);
    }
    EtiCoulSuite = Dessiné("...", 60, 1800, 470, 330);
    EtiCoulSuite.ToolTipText = "Autres couleurs pour la figure";
    PoserCadreFocus(EtiCoulSuite, CouleurPanneau, CouleurPanneau);

    EtiStatut = Dessiné("", 800, 10070, 5000, 300);
    BtonVelmor = Dessiné("Analyse", 6000, 10070, 1100, 360);
    BtonVelmor.Visible = false;
    BtonFermer = Dessiné("Initialisation", 6000, 10070, 1300, 360);
    BtonFermer.ToolTipText = "Réinitialise l'Etape";
    BtonFermer.Visible = false;
    BtonAbandon = Dessiné("Abandon", 6000, 10070, 1100, 360);
    BtonAbandon.Visible = false;

    LabelEch = Dessiné("Echelle :", 4800, 10070, 900, 300);
    BtonEchMoins = Dessiné("+", 5710, 10040, 360, 360);
    BtonEchMoins.NomAccessible = "Zoom avant";
    BtonEchPlus = Dessiné("-", 6080, 10040, 360, 360);
    BtonEchPlus.NomAccessible = "Zoom arrière";
    EtiEchelle = Dessiné("", 6450, 10070, 700, 300);
    EtiEchelle.BackColor = CouleurPanneau;

    // Sur le canevas, fond blanc comme lui.
    for (auto [étiquette, légende] :
         {std::pair{&EtiO, "O"}, {&EtiI, "I"}, {&EtiJ, "J"}, {&EtiX, "x"}, {&EtiY, "y"}}) {
        *étiquette = Dessiné(légende, 0, 0, 0, 0);
        étiquette->BackColor = Ecran.Cadre.BackColor;
        étiquette->FontSize = 10;
    }
    const char* chiffresRomains[] = {"I", "II", "III", "IV"};
    for (std::size_t q = 0; q < EtiQuad.size(); ++q) {
        EtiQuad[q] = Dessiné(chiffresRomains[q], 0, 0, 0, 0);
        EtiQuad[q].BackColor = Ecran.Cadre.BackColor;
        EtiQuad[q].FontSize = 12;
        EtiQuad[q].Visible = false;
    }
    EtiPoint.push_back(Dessiné("A", 0, 0, 0, 0));
    // Les noms des points sont transparents : ils ne cachent ni les côtés ni le quadrillage.
    EtiPoint[0].FontSize = 10;
    EtiPoint[0].Visible = false;

    EtiEtape = Dessiné(" Analyse de figure", 11360, 350, 3600, 3300);
    EtiComEtape = Dessiné("", 11560, 850, 3200, 2800);
    LabEtape = Dessiné("Exercie : tracer une figure", 11560, 850, 3200, 300);
    LabEtape.Visible = false;
    EtiRéponse = Dessiné("Solution", 11560, 1200, 3200, 300);
    EtiRéponse.Visible = false;

    LabAfficheScore = Dessiné("", 11360, 3950, 3600, 957);
    Shape3 = Dessiné("", 11560, 3950, 957, 957);
    ImaBton = Shape3;
    ImaBton.NomAccessible = "Score";
    ShapeScore = Dessiné("", 11799, 4189, 479, 479);
    ShapeScore.Visible = false;
    EtiScore = Dessiné("Score : 0/0", 12800, 4100, 1600, 300);
    EtiBonus = Dessiné("Bonus : 0", 12800, 4550, 1600, 300);

    LabTypeFig.push_back(Dessiné("", 11510, 5107, 3300, 300));
    ShapeTypeFig1.push_back(Dessiné("", 11360, 5107, 150, 300));
    ShapeTypeFig2.push_back(Dessiné("", 14810, 5107, 150, 300));

    const char* légendesXY[] = {"(a, b)", "(c, d)", "(e, f)", "(g, h)"};
    for (std::size_t k = 0; k < Etixy.size(); ++k) {
        Etixy[k] = Dessiné(légendesXY[k], 0, 0, 0, 0);
        Etixy[k].Visible = false;
    }

    PictureExo = Dessiné("", 11360, 350, 3600, 3300);
    PictureExo.Visible = false;
    EtiNomExo = Dessiné("", 0, 0, 3600, 400);
    EtiExercice = Dessiné("", 200, 500, 3200, 2800);
    BtonOk = Dessiné("x", 3240, 0, 360, 360);
    BtonOk.Visible = false;
    BtonOk.NomAccessible = "Fin de l'exercice";
    BtonSuite = Dessiné("-->", 3000, 2940, 600, 360);
    BtonSuite.NomAccessible = "Suite de l'énoncé";
    BtonSuite.Visible = false;

    // Le cadre du focus se voit sur le kaki de la fenêtre et des panneaux comme sur chaque bouton.
    for (Contrôle* bouton :
         {&BtonPointCoor, &BtonModifPoint, &BtonPolygone, &BtonLong, &BtonAngle, &BtonAnnule, &BtonEfface,
          &BtonVelmor, &BtonFermer, &BtonAbandon, &BtonEchMoins, &BtonEchPlus})
        PoserCadreFocus(*bouton, CouleurFenêtre, FaceBouton);
    for (Contrôle* bouton : {&BtonOk, &BtonSuite})
        PoserCadreFocus(*bouton, CouleurPanneau, FaceBouton);
    PoserCadreFocus(ImaBton, CouleurFondScore, CouleurBordure);
}

void Korvane::ConstruireMenus()
{
    MenuFichier = ÉlémentMenu("&Fichier");
    ItemOuvrirFig = ÉlémentMenu("O&uvrir une figure", false);
    ItemFermerFig = ÉlémentMenu("F&ermer la figure", false);
    ItemEnregistrer = ÉlémentMenu("&Sauvegarder une figure", false);
    ItemExporterFig = ÉlémentMenu("E&xporter la figure...", false);
    ItemImprimerFig = ÉlémentMenu("&Imprimer la figure...", false);
    ItemCopierFig = ÉlémentMenu("&Copier la figure", false);
    itemBarre = TraitMenu();
    ItemQuitter = ÉlémentMenu("&Quitter");

    MenuExercices = ÉlémentMenu("&Exercices");
    ItemRéinitialiser = ÉlémentMenu("&Tout réinitialiser");
    SousMenuConstructions = ÉlémentMenu("&Constructions");
    ItemSymAxe1 = ÉlémentMenu("&Symétrie axiale 1");
    ItemSymAxe2 = ÉlémentMenu("Symétrie &axiale 2");
    ItemSymCent = ÉlémentMenu("Symétrie &centrale");
    ItemTriEqui = ÉlémentMenu("&Triangle équilatéral");
    ItemTrans1 = ÉlémentMenu("Translation &1");
    ItemTrans2 = ÉlémentMenu("Translation &2");
    ItemTrans3 = ÉlémentMenu("Translation &3");

    MenuLumarc = ÉlémentMenu("&Lumarc");
    ItemTracerLumarc = ÉlémentMenu("&Tracer repère", false);
    ItemQuadrillage = ÉlémentMenu("&Quadrillage", false);
    itemNumQuadrants = ÉlémentMenu("&Numéroter les quadrants ");
    ItemPlacerPt = ÉlémentMenu("&Placer un point");
    ItemModifierPoint = ÉlémentMenu("&Modifier un point", false);
    ItemPolygone = ÉlémentMenu("Tracer un P&olygone", false);
    ItemLong = ÉlémentMenu("Afficher les &longueurs", false);
    ItemAngle = ÉlémentMenu("Afficher les &angles", false);
    // Les boutons Analyse, annuler et tout effacer, atteints aussi par le menu et ses touches.
    ItemAnalyser = ÉlémentMenu("Anal&yser la figure", false);
    ItemAnnuler = ÉlémentMenu("Ann&uler le dernier tracé", false);
    ItemEffacer = ÉlémentMenu("&Effacer toute la figure", false);
    // Le quadrillage et les axes sont affichés dès le dessin.
    for (Contrôle* option : {&ItemTracerLumarc, &ItemQuadrillage})
        option->Checked = true;

    MenuOptions = ÉlémentMenu("&Options");
    ItemTfin = ÉlémentMenu("Traits &fins");
    ItemTfin.Checked = true;
    ItemTépais = ÉlémentMenu("Traits &épais", false);
    ItemCouleurs = ÉlémentMenu("&Couleurs", false);
    ItemCouleurFond = ÉlémentMenu("&Fond");
    ItemCouleurTrait = ÉlémentMenu("&Trait");
    ItemCouleurInit = ÉlémentMenu("&Initiales");
    ItemPrécision = ÉlémentMenu("&Précision", false);
    ItemAnalyseImage = ÉlémentMenu("&Analyse sous l'image");

    MenuAides = ÉlémentMenu("&?");
    ItemAides = ÉlémentMenu("&Aides");
    ItemZavWeb = ÉlémentMenu("&Lumarc sur le web");
    ItemApropos = ÉlémentMenu("Á &propos");

    Menus = {
        {&MenuFichier,
         {{&ItemOuvrirFig, {}},
          {&ItemFermerFig, {}},
          {&ItemEnregistrer, {}},
          {&ItemExporterFig, {}},
          {&ItemImprimerFig, {}},
          {&ItemCopierFig, {}},
          {&itemBarre, {}},
          {&ItemQuitter, {}}}},
        {&MenuExercices,
         {{&ItemRéinitialiser, {}},
          {&SousMenuConstructions,
           {{&ItemSymAxe1, {}},
            {&ItemSymAxe2, {}},
            {&ItemSymCent, {}},
            {&ItemTriEqui, {}},
            {&ItemTrans1, {}},
            {&ItemTrans2, {}},
            {&ItemTrans3, {}}}}}},
        {&MenuLumarc,
         {{&ItemTracerLumarc, {}},
          {&ItemQuadrillage, {}},
          {&itemNumQuadrants, {}},
          {&ItemPlacerPt, {}},
          {&ItemModifierPoint, {}},
          {&ItemPolygone, {}},
          {&ItemLong, {}},
          {&ItemAngle, {}},
          {&ItemAnalyser, {}},
          {&ItemAnnuler, {}},
          {&ItemEffacer, {}}}},
        {&MenuOptions,
         {{&ItemTfin, {}},
          {&ItemTépais, {}},
          {&ItemCouleurs, {{&ItemCouleurFond, {}}, {&ItemCouleurTrait, {}}, {&ItemCouleurInit, {}}}},
          {&ItemPrécision, {}},
          {&ItemAnalyseImage, {}}}},
        {&MenuAides, {{&ItemAides, {}}, {&ItemZavWeb, {}}, {&ItemApropos, {}}}},
    };
    // Le bouton « + » de l'échelle rapproche la figure (il réduit XMax) : c'est lui que Ctrl++ presse.
    Raccourcis = {{"Ctrl+O", &ItemOuvrirFig},   {"Ctrl+S", &ItemEnregistrer},   {"Ctrl+W", &ItemFermerFig},
                  {"Ctrl+P", &ItemImprimerFig}, {"Ctrl+C", &ItemCopierFig},     {"Ctrl+Q", &ItemQuitter},
                  {"Ctrl+Z", &ItemAnnuler},     {"Ctrl+Return", &ItemAnalyser}, {"F1", &ItemAides},
                  {"Ctrl++", &BtonEchMoins},    {"Ctrl+-", &BtonEchPlus}};
    // L'Analyse reste au menu quand son bouton est caché ; annuler et tout effacer s'y cachent avec les
    // leurs.
    Jumeaux = {{&ItemAnalyser, &BtonVelmor, false},
               {&ItemAnnuler, &BtonAnnule, true},
               {&ItemEffacer, &BtonEfface, true}};
}

void Korvane::Form_Load()
{
    PremierAffichage = true;
    m.CheminAppli = plateforme.DossierProgramme();
    if (m.CheminAppli.empty() || m.CheminAppli.back() != '/')
        m.CheminAppli += '/';

    TwipsParPixelX = plateforme.TwipsParPixelX();
    TwipsParPixelY = plateforme.TwipsParPixelY();
    LargeurÉcran = plateforme.LargeurÉcranPixels();
    HauteurÉcran = plateforme.HauteurÉcranPixels();
    m.FacteurH = static_cast<float>(LargeurÉcran) / 1024;
    m.FacteurV = static_cast<float>(HauteurÉcran) / 768;

    Form.Visible = true;
    m.Unité = Repère::UnitéDuCadre(Ecran.Cadre.Width);
    m.XMax = 10 * m.Unité;
    Form.Width = 800 * TwipsParPixelX;
    Form.Height = 600 * TwipsParPixelY;

    Form.BackColor = CouleurFenêtre;
    LabAfficheScore.BackColor = CouleurFondScore;
    LabAfficheScore.ForeColor = CouleurTexteScore;
    EtiEtape.BackColor = CouleurBordure;
    EtiComEtape.BackColor = CouleurPanneau;
    Shape3.BackColor = CouleurBordure;
    ShapeScore.BackColor = CouleurTexteScore;
    ColorerLigneCible(0, CouleurPanneau);

    m.CouleurTrait = {0, 0, 255};
    m.NumCouleurTrait = 22;
    m.ÉpaisseurTrait = 1;

    m.Points.Redimensionner(PasTableaux);
    m.Sommets.Redimensionner(PasTableaux);
    m.Tracés.Redimensionner(PasTableaux);
    m.Précision = 1;

    NouvelleFigure();
    AccorderJumeaux();
}

void Korvane::Form_Resize()
{
    if (PremierAffichage) {
        InitCibles();
        CréerLignesCibles();
        PremierAffichage = false;
    }
    DisposerFenêtre();
    ChangerEchelle();
}

// Fermer la fenêtre par son cadre quitte le programme, comme « Quitter ».
void Korvane::Form_QueryUnload()
{
    ItemQuitter_Click();
}

void Korvane::ItemQuitter_Click()
{
    Fermer();
    plateforme.QuitterProgramme();
}

void Korvane::Form_MouseMove()
{
    Form.MousePointer = Pointeur::Normal;
    for (std::size_t i = 0; i < LabTypeFig.size(); ++i) {
        if (LabTypeFig[i].Enabled)
            ColorerLigneCible(i, CouleurPanneau);
    }
}

void Korvane::ItemApropos_Click()
{
    FormApropos apropos(Form);
    plateforme.MontrerModal(apropos);
}

void Korvane::AfficherTexte(const std::string& titre, const std::string& texte, BoutonsTexte boutons)
{
    FormTexteAgrandi fenêtre(m, Form);
    fenêtre.BtonFermer.Visible = boutons == BoutonsTexte::Fermer;
    fenêtre.BtonValider.Visible = boutons == BoutonsTexte::ValiderAnnuler;
    fenêtre.BtonAnnuler.Visible = boutons == BoutonsTexte::ValiderAnnuler;
    fenêtre.Form.Caption = titre;
    fenêtre.TexteE1Ag.Caption = texte;
    plateforme.MontrerModal(fenêtre);
}

void Korvane::NouvelleFigure()
{
    Form.Caption = TitreFenêtre;
    EtiEtape.Caption = " Analyse de figure";
    PréparerCanevas();
    RéinitialiserFenêtre();
    AppliquerActivation(ÉtapeConstruction::NouvelleFigure);
    if (QuadrantsNumérotés())
        NuméroterQuadrants();
    EtiX.Visible = false;
    EtiY.Visible = false;
    Ecran.Cadre.MousePointer = Pointeur::Normal;
    m.NbPoints = 0;
    m.NbTracés = 0;
    NumCible = 0;
    ProposerFigure();
}

void Korvane::PréparerCanevas()
{
    for (Contrôle* c : {&LabelEch, &BtonEchPlus, &BtonEchMoins, &EtiEchelle, &EtiEtape, &EtiComEtape})
        c->Visible = true;
    FrameCouleur.Visible = false;
    AppliquerActivation(ÉtapeConstruction::CanevasPréparé);
    for (Contrôle* c : {&BtonFermer, &BtonVelmor, &BtonAnnule, &BtonEfface})
        c->Visible = false;

    Ecran.Cls();
    Etat_Outils();
    m.PolygoneTracé = false;
    RedessinerPoints();

    // Le dessin de la figure suppose le repère et le quadrillage : on les rallume s'ils sont éteints.
    for (Contrôle* option : {&ItemTracerLumarc, &ItemQuadrillage}) {
        if (!option->Checked) {
            option->Checked = true;
            RedessinerTout();
        }
    }
}

void Korvane::RéinitialiserFenêtre()
{
    BtonFermer.Visible = false;
    AppliquerActivation(ÉtapeConstruction::SansFigureOuverte);
    EtiStatut.Visible = true;
    Ecran.Cadre.Visible = true;

    EtiPoint.resize(1);
    m.NbPoints = 0;
    m.NbTracés = 0;
    EtiPoint[0].Visible = false;
    m.ModeFichier = false;

    m.Unité = Repère::UnitéDuCadre(Ecran.Cadre.Width);
    m.XMax = 10 * m.Unité;
    ChangerEchelle();
    m.ModeChoixPoint = 0;
}

void Korvane::InitOptions()
{
    for (Contrôle* option : {&ItemQuadrillage, &ItemTracerLumarc})
        option->Checked = true;
    BtonAbandon.Visible = false;
    Form.MousePointer = Pointeur::Normal;
    Ecran.Cadre.MousePointer = Pointeur::Normal;
    m.ModeChoixPoint = 0;
}

namespace {

struct RègleActivation {
    ÉtapeConstruction Étape;
    std::vector<Contrôle Korvane::*> Activés;
    std::vector<Contrôle Korvane::*> Désactivés;
};

using K = Korvane;

// Chaque ligne s'applique par-dessus l'état précédent ; un bouton et son élément de menu vont ensemble.
const std::vector<RègleActivation>& TableActivation()
{
    static const std::vector<RègleActivation> table = {
        {ÉtapeConstruction::NouvelleFigure,
         {&K::BtonPointCoor, &K::ItemPlacerPt, &K::ItemTracerLumarc, &K::ItemQuadrillage, &K::ItemOuvrirFig,
          &K::ItemTfin, &K::ItemTépais, &K::ItemCouleurs, &K::ItemPrécision},
         {&K::BtonPolygone, &K::ItemPolygone, &K::BtonAnnule, &K::BtonEfface, &K::ItemFermerFig,
          &K::ItemExporterFig, &K::ItemImprimerFig, &K::ItemCopierFig}},
        // L'image de la figure se fait dès qu'un point est dessiné, et jusqu'à ce qu'il n'y en ait plus.
        {ÉtapeConstruction::PremierPoint,
         {&K::BtonEfface, &K::BtonAnnule, &K::BtonModifPoint, &K::ItemModifierPoint, &K::ItemEnregistrer,
          &K::ItemExporterFig, &K::ItemImprimerFig, &K::ItemCopierFig},
         {}},
        {ÉtapeConstruction::TroisièmePoint, {&K::BtonPolygone, &K::ItemPolygone, &K::ItemEnregistrer}, {}},
        {ÉtapeConstruction::AutrePoint, {&K::ItemEnregistrer}, {}},
        {ÉtapeConstruction::PolygoneConstruit,
         {&K::BtonVelmor, &K::BtonLong, &K::ItemLong, &K::BtonAngle, &K::ItemAngle},
         {&K::BtonPolygone, &K::ItemPolygone, &K::BtonPointCoor, &K::ItemPlacerPt}},
        {ÉtapeConstruction::AnnulationPolygone,
         {&K::BtonPolygone, &K::ItemPolygone, &K::BtonPointCoor, &K::ItemPlacerPt},
         {&K::BtonLong, &K::ItemLong, &K::BtonAngle, &K::ItemAngle, &K::BtonVelmor}},
        {ÉtapeConstruction::AnnulationDeuxPoints, {}, {&K::BtonPolygone, &K::ItemPolygone}},
        {ÉtapeConstruction::AnnulationAucunPoint,
         {},
         {&K::BtonEfface, &K::BtonAnnule, &K::BtonModifPoint, &K::ItemModifierPoint, &K::ItemEnregistrer,
          &K::ItemExporterFig, &K::ItemImprimerFig, &K::ItemCopierFig}},
        {ÉtapeConstruction::ToutEffacé,
         {&K::BtonPointCoor, &K::ItemPlacerPt},
         {&K::BtonVelmor, &K::BtonPolygone, &K::ItemPolygone, &K::BtonModifPoint, &K::ItemModifierPoint,
          &K::BtonLong, &K::ItemLong, &K::BtonAngle, &K::ItemAngle, &K::BtonEfface, &K::BtonAnnule,
          &K::ItemEnregistrer, &K::ItemExporterFig, &K::ItemImprimerFig, &K::ItemCopierFig}},
        {ÉtapeConstruction::PointModifié, {&K::ItemEnregistrer}, {}},
        {ÉtapeConstruction::CanevasPréparé,
         {},
         {&K::ItemPlacerPt, &K::BtonPolygone, &K::ItemPolygone, &K::ItemFermerFig}},
        {ÉtapeConstruction::SansFigureOuverte, {}, {&K::ItemFermerFig}},
        // Une figure lue : ses outils suivent ce qu'elle contient, comme si l'élève l'avait construite.
        {ÉtapeConstruction::FigureOuverte,
         {&K::ItemFermerFig, &K::ItemEnregistrer, &K::BtonVelmor, &K::BtonEfface, &K::BtonAnnule,
          &K::BtonModifPoint, &K::ItemModifierPoint, &K::ItemExporterFig, &K::ItemImprimerFig,
          &K::ItemCopierFig},
         {&K::ItemOuvrirFig, &K::SousMenuConstructions}},
        {ÉtapeConstruction::FigureOuverteSansPolygone,
         {&K::BtonPointCoor, &K::ItemPlacerPt},
         {&K::BtonLong, &K::ItemLong, &K::BtonAngle, &K::ItemAngle}},
        {ÉtapeConstruction::FigureOuverteSansPoint,
         {},
         {&K::BtonEfface, &K::BtonAnnule, &K::BtonModifPoint, &K::ItemModifierPoint, &K::ItemExporterFig,
          &K::ItemImprimerFig, &K::ItemCopierFig}},
        {ÉtapeConstruction::FigureFermée,
         {&K::SousMenuConstructions},
         {&K::ItemFermerFig, &K::ItemEnregistrer, &K::BtonModifPoint, &K::ItemModifierPoint, &K::BtonLong,
          &K::ItemLong, &K::BtonAngle, &K::ItemAngle}},
        {ÉtapeConstruction::FigureProposée, {&K::BtonPointCoor, &K::ItemPlacerPt}, {&K::BtonVelmor}},
        {ÉtapeConstruction::CibleEngagée, {}, {&K::SousMenuConstructions, &K::ItemOuvrirFig}},
        {ÉtapeConstruction::CibleTerminée, {&K::SousMenuConstructions}, {}},
        {ÉtapeConstruction::ExerciceLancé, {}, {&K::ItemOuvrirFig}},
        {ÉtapeConstruction::ExerciceTerminé, {&K::ItemOuvrirFig}, {}},
        {ÉtapeConstruction::JeuRéinitialisé, {&K::SousMenuConstructions, &K::ItemOuvrirFig}, {}},
    };
    return table;
}

} // namespace

void Korvane::AppliquerActivation(ÉtapeConstruction étape)
{
    for (const RègleActivation& règle : TableActivation()) {
        if (règle.Étape != étape)
            continue;
        for (Contrôle Korvane::*c : règle.Activés)
            (this->*c).Enabled = true;
        for (Contrôle Korvane::*c : règle.Désactivés)
            (this->*c).Enabled = false;
    }
    switch (étape) {
    case ÉtapeConstruction::NouvelleFigure:
        BtonFermer.Visible = BtonVelmor.Visible = false;
        for (Contrôle* c : {&BtonAnnule, &BtonEfface, &FrameCouleur, &LabelEch, &EtiEchelle, &BtonEchPlus,
                            &BtonEchMoins, &EtiEtape, &EtiComEtape})
            c->Visible = true;
        EtiX.Visible = EtiY.Visible = false;
        break;
    case ÉtapeConstruction::PremierPoint:
        if (!m.CibleEnCours && !m.ExerciceEnCours)
            EtiStatut.Caption = TexteFigureLibre;
        break;
    case ÉtapeConstruction::PolygoneConstruit:
        BtonVelmor.Visible = true;
        break;
    default:
        break;
    }
    // Une plateforme sans images de la figure n'offre ni l'export, ni l'impression, ni la copie.
    if (plateforme.FormatsImage().empty())
        ItemExporterFig.Enabled = ItemImprimerFig.Enabled = ItemCopierFig.Enabled = false;
}

void Korvane::DétruireÉtiquettePoint(std::size_t n)
{
    if (n >= 1 && n < EtiPoint.size())
        EtiPoint[n].Visible = false;
    // Les étiquettes sont toujours créées dans l'ordre des points : on retire tout ce qui suit le dernier
    // vivant.
    while (EtiPoint.size() > 1 && !EtiPoint.back().Visible)
        EtiPoint.pop_back();
}

// Fermer la figure lue d'un fichier : on reprend le travail libre puis le choix d'une cible.
void Korvane::FermerFigure()
{
    InitOptions();
    m.ModeFichier = false;
    OuvertureFigure = false;
    m.PositionSuivante = 1;
    m.PositionSaisie = 0;
    BtonFermer.Visible = BtonVelmor.Visible = false;
    AppliquerActivation(ÉtapeConstruction::FigureFermée);
    NouvelleFigure();
}
