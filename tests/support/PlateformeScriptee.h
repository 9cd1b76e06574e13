// Plateforme des tests : des scripts répondent aux fenêtres qui s'ouvrent, chaque message est retenu,
// la minuterie avance à la main et les mesures de l'écran se règlent.
#pragma once

#include "model/MessagerieRetenue.h"
#include "ui/Fenetre.h"
#include "ui/Plateforme.h"

#include <deque>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

// La prochaine réponse préparée à un dialogue ; aucune : l'élève annule.
template <typename T> std::optional<T> Prendre(std::deque<std::optional<T>>& réponses)
{
    if (réponses.empty())
        return std::nullopt;
    std::optional<T> réponse = std::move(réponses.front());
    réponses.pop_front();
    return réponse;
}

class PlateformeScriptée : public Plateforme {
public:
    // À la prochaine ouverture modale, après Form_Load, la fenêtre de genre F reçoit ce script.
    // Les scripts se jouent dans l'ordre ; une fenêtre d'un autre genre fait échouer le test.
    template <typename F> void QuandSOuvre(std::function<void(F&)> script)
    {
        scripts.push_back({typeid(F).name(), [script = std::move(script)](Fenêtre& fenêtre) {
                               auto* f = dynamic_cast<F*>(&fenêtre);
                               if (f)
                                   script(*f);
                               return f != nullptr;
                           }});
    }

    // Les scripts qu'aucune fenêtre n'a reçus sont oubliés.
    void OublierScripts() { scripts.clear(); }

    // Une fenêtre ouverte sans script se ferme par son cadre, comme si l'élève la refermait.
    void MontrerModal(Fenêtre& fenêtre) override;
    void MontrerFormMessage(Modulebas& m) override;

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
    std::vector<FormatImage> FormatsImage() override { return Formats; }
    bool ChoisirImprimante() override { return ImprimanteChoisie; }
    bool ImprimerFenêtre(Fenêtre& fenêtre) override;
    bool ImprimerImage(const ImageFigure& image) override;
    void CopierImage(const ImageFigure& image) override;
    DateCivile Aujourdhui() override { return Date; }
    bool OuvrirPageWeb(const std::string& adresse) override;
    std::string DossierDocumentsSystème() override { return DossierDocuments; }
    std::string DossierProgramme() override { return Dossier; }
    int TwipsParPixelX() override { return TwipsParPixel; }
    int TwipsParPixelY() override { return TwipsParPixel; }
    int LargeurÉcranPixels() override { return 1024; }
    int HauteurÉcranPixels() override { return 768; }
    std::string SéparateurDécimal() override { return Séparateur; }
    // Chaque caractère vaut 100 twips de large, une ligne 240 twips de haut, à 8,25 points.
    TailleTexte MesurerTexte(const std::string& texte, double taillePolice) override;
    void QuitterProgramme() override { Quitté = true; }
    void DémarrerMinuterie(int intervalleMs, std::function<void()> top) override;
    void ArrêterMinuterie() override;

    // Fait passer les tops de la minuterie correspondant à ms millisecondes.
    void AvancerMinuterie(int ms);
    bool MinuterieEnMarche() const { return static_cast<bool>(top); }

    // Le journal des messages de FormMessage.
    MessagerieRetenue Journal;
    struct MessageDuSystème {
        std::string Texte;
        std::string Titre;
        IcôneMessage Icône;
    };
    std::vector<MessageDuSystème> MessagesSystème;
    // Le genre (typeid) de chaque fenêtre ouverte en modal, dans l'ordre.
    std::vector<std::string> FenêtresOuvertes;

    // Le dossier de départ de chaque dialogue de fichiers montré, dans l'ordre.
    std::vector<std::string> DossiersOuvrir;
    std::vector<std::string> DossiersEnregistrer;
    // Réponses préparées aux dialogues du système (absentes : l'élève annule).
    std::deque<std::optional<std::string>> RéponsesOuvrir;
    std::deque<std::optional<std::string>> RéponsesEnregistrer;
    // Le dialogue des images : ce qu'il a proposé, et les réponses préparées (absentes : l'élève annule).
    struct DialogueTypéMontré {
        std::string Titre;
        std::vector<std::string> Types;
        std::string Dossier;
        std::string NomProposé;
    };
    std::vector<DialogueTypéMontré> DialoguesTypés;
    std::deque<std::optional<FichierTypé>> RéponsesTypées;

    // Chaque image reçue, telle que la fenêtre l'a composée à cet instant : textes des étiquettes, titre,
    // légende ; et pour un fichier, son format et son chemin.
    struct ImageReçue {
        std::vector<std::string> Étiquettes;
        std::string Titre;
        std::vector<std::string> Légende;
        std::size_t Marques = 0;
        FormatImage Format = FormatImage::Png;
        std::string Chemin;
        std::string Svg; // le dessin que le bureau et la page en écrivent
    };
    std::vector<FormatImage> Formats = Plateforme::FormatsImage();
    std::vector<ImageReçue> ImagesEnregistrées;
    std::vector<ImageReçue> ImagesImprimées;
    std::vector<ImageReçue> ImagesCopiées;
    bool ÉcritureRéussie = true; // faux : le disque refuse le fichier

    // Sans imprimante choisie, l'élève annule le dialogue ; ImpressionRéussie faux : l'imprimante échoue.
    bool ImprimanteChoisie = false;
    bool ImpressionRéussie = true;
    // Appelé au moment d'imprimer, pour regarder la fenêtre telle qu'elle part sur papier.
    std::function<void(Fenêtre&)> PendantImpression;
    int Impressions = 0;
    std::vector<std::string> PagesOuvertes;
    bool NavigateurDisponible = true; // faux : aucune page ne s'ouvre

    std::string DossierDocuments = "/tmp/documents";
    std::string Dossier = "/opt/velmor/";
    int TwipsParPixel = 15;
    std::string Séparateur = ",";
    DateCivile Date{7, 12, 2026};
    bool Quitté = false;

private:
    struct Script {
        std::string genre;
        std::function<bool(Fenêtre&)> jouer;
    };
    std::deque<Script> scripts;
    std::function<void()> top;
    int intervalle = 0;
    int écoulé = 0;
};

// Un script qui attendait une autre fenêtre, une fenêtre qui refuse de se fermer, une impression sans
// imprimante : un échec du test sous GoogleTest (EchecScriptTest.cpp), un arrêt pour la cible de fuzz.
void SignalerÉchecScript(const std::string& texte);

// Le genre d'une fenêtre tel que FenêtresOuvertes le retient.
template <typename F> std::string GenreFenêtre()
{
    return typeid(F).name();
}
