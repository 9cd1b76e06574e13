// Les services du système réalisés avec Qt : fenêtres modales, boîtes standard, écran, minuterie.
#pragma once

#include "platform/Plateforme.h"
#include "ui/Controle.h"

#include <QFont>
#include <QSize>
#include <QTimer>
#include <map>
#include <string>
#include <utility>

class QWidget;

class PlateformeQt : public Plateforme {
public:
    // La fenêtre principale : parent des dialogues, et cadre sur lequel ils se centrent.
    void DéfinirFenêtrePrincipale(const Contrôle& modèle, QWidget* widget);

    void MontrerFormMessage(Modulebas& m) override;
    void MontrerModal(Fenêtre& fenêtre) override;
    void MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage icône) override;
    std::optional<std::string> DialogueOuvrir(const std::string& titre, const std::string& filtre,
                                              const std::string& dossier) override;
    std::optional<std::string> DialogueEnregistrer(const std::string& titre, const std::string& filtre,
                                                   const std::string& dossier) override;
    RésultatImpression ImprimerFenêtre(Fenêtre& fenêtre) override;
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

private:
    const Contrôle* principale = nullptr;
    QWidget* widgetPrincipal = nullptr;
    std::map<const Fenêtre*, QWidget*> vuesOuvertes; // pour imprimer l'image d'une fenêtre montrée
    QTimer minuterie;
    Contrôle sansPrincipale;
    // La taille en pixels de chaque texte déjà mesuré, par taille de police, pour la police du programme.
    std::map<std::pair<double, std::string>, QSize> mesuresTextes;
    QFont policeMesurée;
};
