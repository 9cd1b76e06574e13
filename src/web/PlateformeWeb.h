// Les services du système réalisés par la page. Une fenêtre modale attend dans sa propre boucle : chaque
// évènement de la page s'y attend (ASYNCIFY suspend la pile le temps d'une promesse) puis se traite sur la
// même pile ; ceux des autres fenêtres et les tops de la minuterie attendent qu'elle se ferme.
#pragma once

#include "ui/Plateforme.h"
#include "web/VueWeb.h"

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class Korvane;

class PlateformeWeb : public Plateforme {
public:
    // Montre la fenêtre principale et traite les évènements jusqu'à la fin du programme.
    void Lancer(Korvane& principale);

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
    std::vector<FormatImage> FormatsImage() override;
    void CopierImage(const ImageFigure& image) override;
    bool OuvrirPageWeb(const std::string& adresse) override;
    std::string DossierDocumentsSystème() override;
    std::string DossierProgramme() override;
    int TwipsParPixelX() override;
    int TwipsParPixelY() override;
    int LargeurÉcranPixels() override;
    int HauteurÉcranPixels() override;
    std::string SéparateurDécimal() override;
    TailleTexte MesurerTexte(const std::string& texte, double taillePolice) override;
    DateCivile Aujourdhui() override;
    void QuitterProgramme() override;
    void DémarrerMinuterie(int intervalleMs, std::function<void()> top) override;
    void ArrêterMinuterie() override;

private:
    // Traite les évènements jusqu'à ce que la fenêtre soit fermée (aucune : jusqu'à la fin).
    void Boucle(const Fenêtre* modale);
    emscripten::val Prochain();
    void Distribuer(const emscripten::val& évènement);
    void RafraîchirVues();

    std::vector<VueWeb*> vues; // la principale, puis les modales ouvertes
    std::deque<emscripten::val> différés;
    std::function<void()> top;
    Korvane* principale = nullptr;
    Contrôle sansPrincipale;
    int numéros = 0;
    bool quitté = false;
};
