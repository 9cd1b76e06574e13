// La fenêtre principale : le canevas, les outils, les menus, le panneau du jeu et leur état.
#pragma once

#include "files/FigureFichier.h"
#include "game/Exercices.h"
#include "game/TableCibles.h"
#include "model/FenetreFigure.h"
#include "model/Modulebas.h"
#include "model/OperationsFigure.h"
#include "ui/Canevas.h"
#include "ui/Fenetre.h"
#include "ui/Plateforme.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// La ligne d'état du travail libre ; c'est aussi le titre de sa figure imprimée.
inline constexpr const char* TexteFigureLibre = "Figure libre";
// Le nom du canevas pour un lecteur d'écran, quand aucun point n'y est désigné.
inline constexpr const char* NomRepère = "Repère";

// Une entrée de l'arbre des menus ; sans sous-entrées c'est un élément qu'on clique.
struct EntréeMenu {
    Contrôle* Item;
    std::vector<EntréeMenu> Sous;
};

// Un élément de menu qui double un bouton : actif exactement quand le bouton est montré et actif, et
// caché avec lui si CachéAvecLui.
struct Jumeau {
    Contrôle* Item;
    const Contrôle* Bouton;
    bool CachéAvecLui;
};

// Les étapes de la construction, des fichiers, du jeu et des exercices après lesquelles l'activation des
// commandes change ; chacune est une ligne de la table d'activation.
enum class ÉtapeConstruction {
    NouvelleFigure,
    PremierPoint,
    TroisièmePoint,
    AutrePoint,
    PolygoneConstruit,
    AnnulationPolygone,
    AnnulationDeuxPoints,
    AnnulationAucunPoint,
    ToutEffacé,
    PointModifié,
    CanevasPréparé,
    SansFigureOuverte,
    FigureOuverte,
    FigureOuverteSansPolygone,
    FigureOuverteSansPoint,
    FigureFermée,
    FigureProposée,
    CibleEngagée,
    CibleTerminée,
    ExerciceLancé,
    ExerciceTerminé,
    JeuRéinitialisé,
};

// Les boutons pour lesquels on ouvre la fenêtre des textes longs.
enum class BoutonsTexte { Fermer, ValiderAnnuler };

class Korvane : public Fenêtre, public FenêtreFigure {
public:
    Korvane(Modulebas& m, Plateforme& plateforme);

    // Korvane.cpp : chargement, redimensionnement, état des outils.
    void Form_Load() override;
    void Form_Resize();
    void Form_QueryUnload() override;
    void Form_MouseMove();
    void ItemQuitter_Click();
    void ItemApropos_Click();
    void NouvelleFigure();
    void PréparerCanevas();
    void RéinitialiserFenêtre();
    void InitOptions();
    void AppliquerActivation(ÉtapeConstruction étape);
    void AfficherTexte(const std::string& titre, const std::string& texte, BoutonsTexte boutons);

    // FenêtreFigure.
    void DétruireÉtiquettePoint(std::size_t n) override;
    void FermerFigure() override;

    // KorvaneDeclaration.cpp : les contrôles et les menus tels que la vue les pose.
    Déclaration Déclarer() override;

    // KorvaneRepere.cpp : repère, échelle, zoom.
    void AjusterCadre();
    void AfficherEchelle();
    void ChangerEchelle();
    std::int32_t XMaxAtteignable(std::int32_t xMax) const;
    void BtonEchMoins_Click();
    void BtonEchPlus_Click();
    void BtonEch_MouseMove();
    void TracerQuadrillage(Couleur teinte);
    void TracerAxes(Couleur teinte);
    void NuméroterQuadrants();
    // Une étiquette prend la taille de son texte ; on la pose par son coin haut-gauche en unités de
    // l'échelle.
    void AjusterTaille(Contrôle& étiquette);
    void PoserSurCanevas(Contrôle& étiquette, double gauche, double haut);
    // La position d'un point de la figure dans l'échelle du canevas ; un texte en faute vaut 0.
    PointPlan SurCanevas(const std::string& x, const std::string& y) const;
    // Un point est « sous » le pointeur à moins de cent twips de l'écran.
    float Tolérance() const { return 100.0f / Ecran.RepèreCourant().Rapport(); }

    // KorvaneDessin.cpp : rendu de la figure.
    void Etat_Outils();
    void RedessinerTout();
    void RedessinerPoints();
    void TracerPoint(double x, double y);
    void PlacerNom(std::size_t i, double x, double y, std::uint8_t position, const std::string& nom);
    void TracerPolygone();
    void CréerÉtiquettePoint(std::size_t i);
    // Le repère dit en mots au lecteur d'écran : la figure, et la phrase de l'Analyse tant que la figure
    // n'a pas changé depuis.
    void DécrireFigure();

    // KorvaneConstruction.cpp : placer, tracer, modifier, annuler, effacer ; les fenêtres des mesures.
    void ItemPlacerPt_Click();
    void ItemPolygone_Click();
    void DemanderSommets();
    void ItemModifierPoint_Click();
    void Ecran_MouseMove(int bouton, double x, double y);
    void Ecran_MouseDown(int bouton, double x, double y);
    void Ecran_KeyPress(char32_t& touche);
    // Touches sans caractère, codes du programme : les flèches 37 à 40.
    void Ecran_KeyDown(int codeTouche);
    void BtonAnnule_Click();
    void BtonEfface_Click();
    void BtonLong_Click();
    void BtonAngle_Click();
    // Les points sous le pointeur quand l'outil de modification est armé (0 : fin de la liste).
    static constexpr std::size_t NbPointsProches = 9;
    TableauBase1<std::uint8_t> PointsProches{NbPointsProches};

    // KorvaneOptions.cpp : repère, quadrillage, quadrants, épaisseur, couleurs, précision.
    void ItemTracerLumarc_Click();
    void ItemQuadrillage_Click();
    void itemNumQuadrants_Click();
    void ItemTfin_Click();
    void ItemTépais_Click();
    void ItemCouleurFond_Click();
    void ItemCouleurTrait_Click();
    void ItemCouleurInit_Click();
    void ItemPrécision_Click();
    void EtiCoul_Click(std::size_t index);

    // KorvaneDisposition.cpp.
    void DisposerFenêtre();
    void DisposerLigneÉtat();

    // KorvaneCibles.cpp : les lignes des figures cibles et le retour au choix.
    void InitCibles();
    void CréerLignesCibles();
    void ColorerLigneCible(std::size_t i, Couleur couleur);
    void ProposerFigure();

    // KorvaneScore.cpp : la fenêtre du score, ouverte par l'image du score dès qu'une cible a été choisie.
    void ImaBton_Click();
    void ImaBton_MouseMove();
    // KorvaneFichiers.cpp : ouvrir, sauvegarder et fermer une figure, l'aide, la page de téléchargement.
    void ItemOuvrirFig_Click();
    void ItemEnregistrer_Click();
    void ItemAides_Click();
    void ItemZavWeb_Click();
    // Le fichier donné au démarrage s'ouvre comme un fichier confirmé dans le dialogue d'ouverture.
    void OuvrirFichierFigure(const std::string& chemin);
    void LireFigure();
    void EnregistrerFigure();

    // KorvaneImage.cpp : l'image de la figure dans un fichier, sur l'imprimante, dans le presse-papiers ;
    // l'option qui ajoute dessous la phrase de l'analyse et les longueurs des côtés.
    void ItemExporterFig_Click();
    void ItemImprimerFig_Click();
    void ItemCopierFig_Click();
    void ItemAnalyseImage_Click();
    // Le canevas tel que l'élève le voit, avec ce titre au-dessus.
    ImageFigure ImageDeLaFigure(std::string titre);
    // La phrase de l'Analyse du polygone dessiné et les longueurs de ses côtés ; rien sans polygone.
    std::vector<std::string> LignesAnalyse();

    // KorvaneJeu.cpp : l'Analyse, le choix d'une cible, l'abandon, la note finale, la réinitialisation.
    void BrancherJeu();
    void BtonVelmor_Click();
    void LabTypeFig_MouseMove(std::size_t index);
    void LabTypeFig_Click(std::size_t index);
    void BtonAbandon_Click();
    void FinDuJeu();
    void ItemRéinitialiser_Click();
    // La cible en cours, telle que le choix l'a recopiée.

    // KorvaneExercices.cpp : les exercices guidés, leur panneau et son glissement.
    void LancerExercice(const Exercice& exercice);
    void BtonSuite_Click();
    void TimerExo_Timer();
    void BtonOk_Click();
    void ArrêterGlissement();
    GlissementPanneau Glissement;

    // Les évènements par où passent les gestionnaires déclarés : clic et survol d'un contrôle, ou d'un
    // élément d'un tableau de contrôles qui grandit (LabTypeFig), désigné par son indice.
    void Cliquer(const Contrôle& c);
    void Survoler(const Contrôle& c);
    void CliquerÉlément(const std::vector<Contrôle>& tableau, std::size_t indice);
    void SurvolerÉlément(const std::vector<Contrôle>& tableau, std::size_t indice);

    // Les options d'affichage, telles que leurs éléments de menu les tiennent.
    bool QuadrillageAffiché() const { return ItemQuadrillage.Checked; }
    bool AxesAffichés() const { return ItemTracerLumarc.Checked; }
    bool QuadrantsNumérotés() const { return itemNumQuadrants.Checked; }

    Modulebas& m;
    Plateforme& plateforme;
    OpérationsFigure Opérations;
    Canevas Ecran;

    // Outils de construction.
    Contrôle BtonPointCoor, BtonPolygone, BtonModifPoint, BtonAnnule, BtonEfface, BtonLong, BtonAngle;
    // Ligne d'état et boutons du jeu.
    Contrôle EtiStatut, BtonVelmor, BtonFermer, BtonAbandon;
    // Échelle.
    Contrôle LabelEch, BtonEchPlus, BtonEchMoins, EtiEchelle;
    // Étiquettes posées sur le canevas (positions en twips depuis son coin haut-gauche).
    Contrôle EtiO, EtiI, EtiJ, EtiX, EtiY;
    std::array<Contrôle, 4> EtiQuad;
    std::vector<Contrôle> EtiPoint; // l'élément 0 est le modèle caché
    // Couleurs du tracé (positions dans FrameCouleur).
    Contrôle FrameCouleur;
    std::array<Contrôle, 8> EtiCoul;
    Contrôle EtiCoulSuite;
    // Panneau de droite : étape, score, cibles.
    Contrôle EtiEtape, EtiComEtape, LabEtape, EtiRéponse;
    Contrôle LabAfficheScore, Shape3, ImaBton, ShapeScore, EtiScore, EtiBonus;
    std::vector<Contrôle> LabTypeFig, ShapeTypeFig1, ShapeTypeFig2;
    std::array<Contrôle, 4> Etixy;
    // Panneau des exercices (positions de EtiNomExo, EtiExercice, BtonOk, BtonSuite dans PictureExo).
    Contrôle PictureExo, EtiNomExo, EtiExercice, BtonOk, BtonSuite;

    // Menus.
    Contrôle MenuFichier, ItemOuvrirFig, ItemFermerFig, ItemEnregistrer, ItemExporterFig, ItemImprimerFig,
        ItemCopierFig, itemBarre, ItemQuitter;
    Contrôle MenuExercices, ItemRéinitialiser, SousMenuConstructions, ItemSymAxe1, ItemSymAxe2, ItemSymCent,
        ItemTriEqui, ItemTrans1, ItemTrans2, ItemTrans3;
    Contrôle MenuLumarc, ItemTracerLumarc, ItemQuadrillage, itemNumQuadrants, ItemPlacerPt, ItemModifierPoint,
        ItemPolygone, ItemLong, ItemAngle, ItemAnalyser, ItemAnnuler, ItemEffacer;
    Contrôle MenuOptions, ItemTfin, ItemTépais, ItemCouleurs, ItemCouleurFond, ItemCouleurTrait,
        ItemCouleurInit, ItemPrécision, ItemAnalyseImage;
    Contrôle MenuAides, ItemAides, ItemZavWeb, ItemApropos;
    std::vector<EntréeMenu> Menus;
    std::vector<Raccourci> Raccourcis;
    std::vector<Jumeau> Jumeaux;

    // Repère et disposition.
    int TwipsParPixelX = 15;
    int TwipsParPixelY = 15;
    int LargeurÉcran = 1024;
    int HauteurÉcran = 768;
    bool PremierAffichage = true;

    // Jeu des cibles.
    std::array<Cible, NbCibles> TableCibles{};
    std::uint8_t NumCible = 0; // la ligne de la cible choisie dans TableCibles
    bool OuvertureFigure = false;
    bool EnregistrementFigure = false;
    bool LectureRatée = false;

private:
    // Ce que l'analyseur dit du polygone dessiné : sa phrase et le nom de sa classe.
    struct AnalysePolygone {
        std::string Description;
        std::string Figure;
    };
    AnalysePolygone AnalyserPolygone();
    // La phrase montrée par la dernière Analyse et la figure qu'elle décrivait.
    struct AnalyseMontrée {
        std::string Figure;
        std::string Phrase;
    };
    std::optional<AnalyseMontrée> DernièreAnalyse;
    // Les éléments de menu jumeaux reprennent l'état de leur bouton, après chaque évènement.
    void AccorderJumeaux();
    // Le point i montré comme le pointeur le montre, et nommé au lecteur d'écran.
    void MontrerCePoint(std::size_t i);
    // Plus aucun point n'est désigné : ni « Ce point », ni pointeur personnalisé, ni nom de point.
    void OublierPointDésigné();
    // Le point désigné (par le pointeur ou les flèches) s'ouvre dans le dialogue des coordonnées.
    void OuvrirPointDésigné();
    void BrancherImages();
    void BrancherFichiers();
    void PréparerDossierDocuments();
    void OuvrirFigureChoisie(const std::string& nom);
    void AppliquerFigure(const FigureFichier& figure);
    void AfficherÉtatFigureOuverte();
    void BrancherConstruction();
    void BrancherOptions();
    void ModifierPointChoisi();
    void ChoisirÉpaisseur(std::int16_t épaisseur);
    std::optional<Couleur> ChoisirCouleur(bool pourLeTrait);
    void ChangerFondCanevas();
    void DessinerContrôles();
    void ConstruireMenus();
    void DéclarerMenus(Déclaration& d, const std::vector<EntréeMenu>& entrées, const Contrôle* menu);
    std::function<void()> ClicDe(Contrôle& c);
    std::function<void()> SurvolDe(Contrôle& c);
    // Les gestionnaires s'inscrivent au constructeur ; la déclaration les lance par Cliquer et Survoler.
    void Brancher(Contrôle& c, void (Korvane::*gestionnaire)());
    void BrancherSurvol(Contrôle& c, void (Korvane::*gestionnaire)());
    void BrancherTableau(const std::vector<Contrôle>& tableau, void (Korvane::*clic)(std::size_t),
                         void (Korvane::*survol)(std::size_t));

    std::map<const Contrôle*, std::function<void()>> clics;
    std::map<const Contrôle*, std::function<void()>> survols;
    std::map<const std::vector<Contrôle>*, std::function<void(std::size_t)>> clicsTableaux;
    std::map<const std::vector<Contrôle>*, std::function<void(std::size_t)>> survolsTableaux;
};
