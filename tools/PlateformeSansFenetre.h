// Les services du système pour une fenêtre qui ne s'affiche jamais : les mesures de l'écran et des textes
// viennent de Qt, comme dans la fenêtre, mais aucune fenêtre, aucun dialogue ne s'ouvre.
#pragma once

#include "model/MessageTitre.h"
#include "ui/Plateforme.h"

#include <vector>

class PlateformeSansFenêtre : public Plateforme {
public:
    // Retenus au lieu d'être montrés : la fenêtre ne devrait rien avoir à dire d'une figure déjà lue.
    void MontrerFormMessage(Modulebas& m) override;
    // Comme une fenêtre refermée aussitôt ouverte : chaque dialogue est annulé.
    void MontrerModal(Fenêtre&) override {}
    void MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage icône) override;
    std::optional<std::string> DialogueOuvrir(const std::string&, const std::string&,
                                              const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> DialogueEnregistrer(const std::string&, const std::string&,
                                                   const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<FichierTypé> DialogueEnregistrerTypé(const std::string&, const std::vector<std::string>&,
                                                       const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    bool EnregistrerImage(const ImageFigure& image, FormatImage format, const std::string& chemin) override;
    bool ChoisirImprimante() override { return false; }
    bool ImprimerFenêtre(Fenêtre&) override { return false; }
    bool ImprimerImage(const ImageFigure&) override { return false; }
    void CopierImage(const ImageFigure&) override {}
    bool OuvrirPageWeb(const std::string&) override { return false; }
    std::string DossierDocumentsSystème() override { return {}; }
    std::string DossierProgramme() override;
    int TwipsParPixelX() override;
    int TwipsParPixelY() override;
    // L'écran pour lequel la fenêtre a été dessinée, quel que soit celui de la machine : la même figure
    // donne la même image partout.
    int LargeurÉcranPixels() override { return 1024; }
    int HauteurÉcranPixels() override { return 768; }
    std::string SéparateurDécimal() override { return ","; }
    TailleTexte MesurerTexte(const std::string& texte, double taillePolice) override;
    DateCivile Aujourdhui() override;
    void QuitterProgramme() override {}
    // Sans boucle d'évènements, aucun top ne viendrait : seuls les exercices s'en servent.
    void DémarrerMinuterie(int, std::function<void()>) override {}
    void ArrêterMinuterie() override {}

    std::vector<MessageTitré> Messages;
};
