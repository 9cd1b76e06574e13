#include "support/PlateformeScriptee.h"

#include "model/Caracteres.h"
#include "ui/DessinSvg.h"

void PlateformeScriptée::MontrerModal(Fenêtre& fenêtre)
{
    FenêtresOuvertes.push_back(typeid(fenêtre).name());
    fenêtre.Form_Load();
    if (fenêtre.EstFermée())
        return;
    if (!scripts.empty()) {
        Script script = std::move(scripts.front());
        scripts.pop_front();
        if (!script.jouer(fenêtre))
            SignalerÉchecScript("Le script attendait " + script.genre + ", la fenêtre ouverte est " +
                                typeid(fenêtre).name());
    }
    if (!fenêtre.EstFermée())
        fenêtre.Form_QueryUnload();
    if (!fenêtre.EstFermée())
        SignalerÉchecScript(std::string("La fenêtre ") + typeid(fenêtre).name() + " refuse de se fermer");
}

void PlateformeScriptée::MontrerFormMessage(Modulebas& m)
{
    Journal.MontrerFormMessage(m);
}

void PlateformeScriptée::MessageSystème(const std::string& texte, const std::string& titre,
                                        IcôneMessage icône)
{
    MessagesSystème.push_back({texte, titre, icône});
}

std::optional<std::string> PlateformeScriptée::DialogueOuvrir(const std::string&, const std::string&,
                                                              const std::string& dossier)
{
    DossiersOuvrir.push_back(dossier);
    return Prendre(RéponsesOuvrir);
}

std::optional<std::string> PlateformeScriptée::DialogueEnregistrer(const std::string&, const std::string&,
                                                                   const std::string& dossier)
{
    DossiersEnregistrer.push_back(dossier);
    return Prendre(RéponsesEnregistrer);
}

std::optional<FichierTypé> PlateformeScriptée::DialogueEnregistrerTypé(const std::string& titre,
                                                                       const std::vector<std::string>& types,
                                                                       const std::string& dossier,
                                                                       const std::string& nomProposé)
{
    DialoguesTypés.push_back({titre, types, dossier, nomProposé});
    return Prendre(RéponsesTypées);
}

namespace {

PlateformeScriptée::ImageReçue Recevoir(const ImageFigure& image)
{
    PlateformeScriptée::ImageReçue reçue;
    for (const Contrôle* étiquette : image.Étiquettes)
        reçue.Étiquettes.push_back(étiquette->Caption);
    reçue.Titre = image.Titre;
    reçue.Légende = image.Légende;
    reçue.Marques = image.Ecran ? image.Ecran->Marques().size() : 0;
    reçue.Svg = DessinSvg(image);
    return reçue;
}

} // namespace

bool PlateformeScriptée::EnregistrerImage(const ImageFigure& image, FormatImage format,
                                          const std::string& chemin)
{
    if (!ÉcritureRéussie)
        return false;
    ImageReçue reçue = Recevoir(image);
    reçue.Format = format;
    reçue.Chemin = chemin;
    ImagesEnregistrées.push_back(std::move(reçue));
    return true;
}

bool PlateformeScriptée::ImprimerImage(const ImageFigure& image)
{
    if (!ImprimanteChoisie) {
        SignalerÉchecScript("Impression sans imprimante choisie");
        return false;
    }
    if (ImpressionRéussie)
        ImagesImprimées.push_back(Recevoir(image));
    return ImpressionRéussie;
}

void PlateformeScriptée::CopierImage(const ImageFigure& image)
{
    ImagesCopiées.push_back(Recevoir(image));
}

bool PlateformeScriptée::ImprimerFenêtre(Fenêtre& fenêtre)
{
    if (!ImprimanteChoisie) {
        SignalerÉchecScript("Impression sans imprimante choisie");
        return false;
    }
    if (PendantImpression)
        PendantImpression(fenêtre);
    if (ImpressionRéussie)
        ++Impressions;
    return ImpressionRéussie;
}

bool PlateformeScriptée::OuvrirPageWeb(const std::string& adresse)
{
    if (!NavigateurDisponible)
        return false;
    PagesOuvertes.push_back(adresse);
    return true;
}

TailleTexte PlateformeScriptée::MesurerTexte(const std::string& texte, double taillePolice)
{
    const auto caractères = static_cast<int>(Caractères(texte).size());
    const double facteur = taillePolice / 8.25;
    return {static_cast<int>(100 * caractères * facteur), static_cast<int>(240 * facteur)};
}

void PlateformeScriptée::DémarrerMinuterie(int intervalleMs, std::function<void()> nouveauTop)
{
    top = std::move(nouveauTop);
    intervalle = intervalleMs;
    écoulé = 0;
}

void PlateformeScriptée::ArrêterMinuterie()
{
    top = nullptr;
}

void PlateformeScriptée::AvancerMinuterie(int ms)
{
    écoulé += ms;
    // Un top peut arrêter la minuterie : on regarde à chaque tour.
    while (top && intervalle > 0 && écoulé >= intervalle) {
        écoulé -= intervalle;
        auto copie = top;
        copie();
    }
}
