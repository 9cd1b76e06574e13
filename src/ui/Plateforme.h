// Les services que les fenêtres demandent au système ; réalisés par Qt, ou par un script dans les tests.
#pragma once

#include "model/Messagerie.h"
#include "ui/Canevas.h"
#include "ui/Controle.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Fenêtre;

enum class IcôneMessage { Information, Exclamation, Critique };

// Taille d'un texte d'une ligne, en twips, pour les étiquettes qui prennent la taille de leur texte.
struct TailleTexte {
    int Largeur = 0;
    int Hauteur = 0;
};

// Une image de la figure, pour un fichier, l'imprimante ou le presse-papiers : le canevas tel que l'élève
// le voit (ses marques, puis les étiquettes visibles posées dessus), une ligne de titre au-dessus et des
// lignes de texte dessous, chacune absente quand elle est vide.
struct ImageFigure {
    const Canevas* Ecran = nullptr;
    std::vector<const Contrôle*> Étiquettes;
    std::string Titre;
    std::vector<std::string> Légende;
};

// PngDouble : chaque pixel du canevas en vaut quatre, pour un document imprimé.
enum class FormatImage { Png, PngDouble, Svg, Pdf };

// Le fichier choisi dans un dialogue d'enregistrement à plusieurs types : le chemin tel que tapé et le
// numéro (depuis 0) du type choisi.
struct FichierTypé {
    std::string Chemin;
    std::size_t Type = 0;
};

struct DateCivile {
    int Jour = 1;
    int Mois = 1;
    int Année = 2000;
};

class Plateforme : public Messagerie {
public:
    // Montre une fenêtre-modèle en modal : Form_Load, puis ses évènements jusqu'à ce qu'elle soit fermée.
    virtual void MontrerModal(Fenêtre& fenêtre) = 0;

    // La boîte de message du système (seules les fautes de calcul l'utilisent).
    virtual void MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage icône) = 0;

    // Dialogues de fichiers ; absence de résultat = l'élève a annulé.
    virtual std::optional<std::string> DialogueOuvrir(const std::string& titre, const std::string& filtre,
                                                      const std::string& dossier) = 0;
    virtual std::optional<std::string>
    DialogueEnregistrer(const std::string& titre, const std::string& filtre, const std::string& dossier) = 0;

    // Chaque type est un libellé suivi de son motif : « Image PNG (*.png) » ; absence de résultat = annulé.
    virtual std::optional<FichierTypé> DialogueEnregistrerTypé(const std::string& titre,
                                                               const std::vector<std::string>& types,
                                                               const std::string& dossier,
                                                               const std::string& nomProposé) = 0;
    // Écrit l'image dans ce fichier ; faux si le fichier n'a pas pu être écrit.
    virtual bool EnregistrerImage(const ImageFigure& image, FormatImage format,
                                  const std::string& chemin) = 0;

    // Le dialogue de choix de l'imprimante ; faux si l'élève l'a annulé.
    virtual bool ChoisirImprimante() = 0;
    // L'image de la fenêtre, telle que ses contrôles sont à cet instant, sur l'imprimante choisie ;
    // faux si l'impression a échoué. Le choix vient avant : la fenêtre peut prendre entre les deux
    // l'aspect qu'elle veut sur papier, puis le quitter quelle que soit l'issue.
    virtual bool ImprimerFenêtre(Fenêtre& fenêtre) = 0;

    // Les formats que la plateforme sait écrire, dans l'ordre du dialogue d'exportation ; aucun là où
    // l'image de la figure ne s'écrit, ne s'imprime ni ne se copie : les commandes restent éteintes.
    virtual std::vector<FormatImage> FormatsImage()
    {
        return {FormatImage::Png, FormatImage::PngDouble, FormatImage::Svg, FormatImage::Pdf};
    }
    // L'image sur l'imprimante choisie, ajustée à la page ; faux si l'impression a échoué.
    virtual bool ImprimerImage(const ImageFigure& image) = 0;
    // L'image dans le presse-papiers, en image et en dessin vectoriel, pour un traitement de texte.
    virtual void CopierImage(const ImageFigure& image) = 0;

    // Ouvre une page dans le navigateur ; faux si le système n'a pas pu la lancer.
    virtual bool OuvrirPageWeb(const std::string& adresse) = 0;

    // Le dossier des documents de l'utilisateur ("" s'il n'y en a pas) et celui du programme (finit par « /
    // »).
    virtual std::string DossierDocumentsSystème() = 0;
    virtual std::string DossierProgramme() = 0;

    // Mesures de l'écran.
    virtual int TwipsParPixelX() = 0;
    virtual int TwipsParPixelY() = 0;
    virtual int LargeurÉcranPixels() = 0;
    virtual int HauteurÉcranPixels() = 0;

    // Le séparateur décimal des réglages régionaux ("," en français).
    virtual std::string SéparateurDécimal() = 0;

    // Taille d'un texte écrit avec la police des fenêtres à la taille donnée (en points).
    virtual TailleTexte MesurerTexte(const std::string& texte, double taillePolice) = 0;

    // La date du jour, pour dater une figure imprimée ou le nom proposé pour son image.
    virtual DateCivile Aujourdhui() = 0;

    // Fin immédiate du programme, sans question.
    virtual void QuitterProgramme() = 0;

    // La minuterie unique du programme.
    virtual void DémarrerMinuterie(int intervalleMs, std::function<void()> top) = 0;
    virtual void ArrêterMinuterie() = 0;
};
