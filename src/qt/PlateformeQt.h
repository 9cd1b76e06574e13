// Les services du système réalisés avec Qt : fenêtres modales, boîtes standard, écran, minuterie.
#pragma once

#include "ui/Controle.h"
#include "ui/Plateforme.h"

#include <QFont>
#include <QSize>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

class QPagedPaintDevice;
class QPrinter;
class QWidget;
class Vue;
class VueDialogue;
class VueKorvane;

class PlateformeQt : public Plateforme {
public:
    PlateformeQt();
    ~PlateformeQt() override;

    // La fenêtre principale : parent des dialogues, et cadre sur lequel ils se centrent.
    void DéfinirFenêtrePrincipale(const Contrôle& modèle, VueKorvane* vue);

    void MontrerFormMessage(Modulebas& m) override;
    void MontrerModal(Fenêtre& fenêtre) override;
    void MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage icône) override;
    std::optional<std::string> DialogueOuvrir(const std::string& titre, const std::string& filtre,
                                              const std::string& dossier) override;
    std::optional<std::string> DialogueEnregistrer(const std::string& titre, const std::string& filtre,
                                                   const std::string& dossier) override;
    std::optional<FichierTypé> DialogueEnregistrerTypé(const std::string& titre,
                                                       const std::vector<std::string>& types,
                                                       const std::string& dossier,
                                                       const std::string& nomProposé) override;
    bool EnregistrerImage(const ImageFigure& image, FormatImage format, const std::string& chemin) override;
    bool ChoisirImprimante() override;
    bool ImprimerFenêtre(Fenêtre& fenêtre) override;
    bool ImprimerImage(const ImageFigure& image) override;
    void CopierImage(const ImageFigure& image) override;
    DateCivile Aujourdhui() override;
    bool OuvrirPageWeb(const std::string& adresse) override;
    std::string DossierDocumentsSystème() override;
    std::string DossierProgramme() override;
    int TwipsParPixelX() override;
    int TwipsParPixelY() override;
    int LargeurÉcranPixels() override;
    int HauteurÉcranPixels() override;
    std::string SéparateurDécimal() override;
    TailleTexte MesurerTexte(const std::string& texte, double taillePolice) override;
    void QuitterProgramme() override;
    void DémarrerMinuterie(int intervalleMs, std::function<void()> top) override;
    void ArrêterMinuterie() override;

protected:
    // L'imprimante du programme, créée au premier besoin.
    QPrinter& Imprimante();

private:
    class PendantModal;
    // Peint sur l'imprimante choisie, ou sur une page en mémoire quand elle imprime dans un fichier PDF.
    bool Imprimer(const std::function<bool(QPagedPaintDevice&)>& peindre);
    // Chaque vue montre l'état présent de son modèle : la fenêtre principale et les dialogues ouverts.
    void RafraîchirVues();

    const Contrôle* principale = nullptr;
    QWidget* widgetPrincipal = nullptr;
    Vue* vuePrincipale = nullptr;
    std::map<const Fenêtre*, VueDialogue*> vuesOuvertes; // pour imprimer l'image d'une fenêtre montrée
    // Gardée d'une impression à l'autre : le dialogue repropose l'imprimante ou le fichier déjà choisis.
    std::unique_ptr<QPrinter> imprimante;
    QTimer minuterie;
    Contrôle sansPrincipale;
    // La taille en pixels de chaque texte déjà mesuré, par taille de police, pour la police du programme.
    std::map<std::pair<double, std::string>, QSize> mesuresTextes;
    QFont policeMesurée;
};
