#include "web/PlateformeWeb.h"

#include "files/EcritureFichier.h"
#include "files/LectureFichier.h"
#include "ui/DessinSvg.h"
#include "ui/Environnement.h"
#include "ui/FormMessage.h"
#include "ui/Korvane.h"
#include "ui/Pixels.h"
#include "web/CouleurCss.h"
#include "web/Habillage.h"
#include "web/ImagePage.h"

#include <emscripten.h>
#include <filesystem>
#include <system_error>

using emscripten::val;

namespace {

constexpr const char* DossierGardéParLeNavigateur = "/documents";

// Seul le dossier des documents reste d'une visite à l'autre : une figure venue de l'ordinateur s'ouvre de
// sa copie passagère, mais les dialogues de figures ne montrent que ce dossier, où une sauvegarde est gardée.
std::string DossierDesFigures(const std::string& dossier)
{
    const std::string gardé = std::string(DossierGardéParLeNavigateur) + "/";
    if (dossier.starts_with(gardé))
        return dossier;
    const std::string figures = gardé + std::string(SousDossierDocuments);
    std::error_code erreur;
    std::filesystem::create_directories(figures, erreur);
    return figures;
}

// La seule suspension du programme : la promesse posée dans Velmor.promesse, attendue sous ASYNCIFY.
EM_ASYNC_JS(void, velmor_attendre, (), { Velmor.resultat = await Velmor.promesse; });

val Page()
{
    return val::global("Velmor");
}

val Images()
{
    return val::global("VelmorImages");
}

val Attendre(val promesse)
{
    Page().set("promesse", promesse);
    velmor_attendre();
    return Page()["resultat"];
}

std::optional<std::string> Chemin(const val& résultat)
{
    if (résultat.isNull() || résultat.isUndefined())
        return std::nullopt;
    return résultat.as<std::string>();
}

} // namespace

void PlateformeWeb::Lancer(Korvane& fenêtre)
{
    principale = &fenêtre;
    const int numéro = ++numéros;
    VueWeb vue(Page().call<val>("fenetrePrincipale", numéro, TailleMaxFichierTexte), fenêtre, numéro,
               &fenêtre.Ecran);
    vues.push_back(&vue);
    // Les images des outils, les mêmes fichiers que ceux du bureau, que la feuille de style de la page nomme.
    for (auto [bouton, image, taille] : {std::tuple{&fenêtre.BtonPolygone, "ligne-brisee", 16},
                                         {&fenêtre.BtonLong, "longueur", 16},
                                         {&fenêtre.BtonAngle, "angle", 16},
                                         {&fenêtre.BtonEfface, "gomme", 12}})
        Page().call<void>("poserImage", vue.Élément(*bouton), std::string(image), taille);
    Page().call<void>("poserMedaille", vue.Élément(fenêtre.ImaBton));
    fenêtre.Form_Load();
    // La fenêtre principale prend la place que la page lui donne.
    vue.Traiter(Page().call<val>("taillePrincipale", numéro));
    RafraîchirVues();
    Page().call<void>("pret");
    Boucle(nullptr);
}

void PlateformeWeb::RafraîchirVues()
{
    for (VueWeb* vue : vues) {
        vue->Recopier();
        const Contrôle& form = vue->Modèle().Form;
        Page().call<void>("poserFenetre", vue->Numéro(), form.Caption,
                          form.BackColor ? CouleurCss(*form.BackColor) : std::string(),
                          VersPixels(vue->Modèle().Form.Width, TwipsParPixel(96)),
                          VersPixels(vue->Modèle().Form.Height, TwipsParPixel(96)));
    }
}

void PlateformeWeb::Boucle(const Fenêtre* modale)
{
    while (!quitté && !(modale && modale->EstFermée()))
        Distribuer(Prochain());
}

// Un évènement retenu passe d'abord, dès que sa fenêtre est de nouveau au premier plan.
val PlateformeWeb::Prochain()
{
    for (auto it = différés.begin(); it != différés.end(); ++it) {
        const int fenêtre = (*it)["fenetre"].as<int>();
        if (fenêtre == vues.back()->Numéro() || (fenêtre < 0 && vues.size() == 1)) {
            val évènement = *it;
            différés.erase(it);
            return évènement;
        }
    }
    return Attendre(Page().call<val>("suivant"));
}

void PlateformeWeb::Distribuer(const val& évènement)
{
    const int fenêtre = évènement["fenetre"].as<int>();
    if (fenêtre < 0) {
        // Un top de la minuterie : il attend la fermeture des modales, et un seul suffit.
        if (vues.size() > 1) {
            if (std::none_of(différés.begin(), différés.end(),
                             [](const val& d) { return d["fenetre"].as<int>() < 0; }))
                différés.push_back(évènement);
            return;
        }
        if (top)
            top();
    } else if (fenêtre == vues.back()->Numéro() && évènement["genre"].as<std::string>() == "deposer") {
        // Refusé exactement quand « Ouvrir une figure » l'est.
        if (vues.size() == 1 && principale->ItemOuvrirFig.Enabled && principale->ItemOuvrirFig.Visible)
            principale->OuvrirFichierFigure(évènement["chemin"].as<std::string>());
    } else if (fenêtre == vues.back()->Numéro()) {
        vues.back()->Traiter(évènement);
        // Le navigateur demande avant de fermer l'onglet si la figure serait perdue ; le survol ne la change
        // pas.
        if (vues.size() == 1 && évènement["genre"].as<std::string>() != "survol")
            Page().set("aPerdre", principale->FigureÀPerdre());
    } else {
        if (std::any_of(vues.begin(), vues.end(), [fenêtre](VueWeb* v) { return v->Numéro() == fenêtre; }))
            différés.push_back(évènement);
        return;
    }
    RafraîchirVues();
}

void PlateformeWeb::MontrerFormMessage(Modulebas& m)
{
    FormMessage message(m, principale ? principale->Form : sansPrincipale);
    MontrerModal(message);
}

void PlateformeWeb::MontrerModal(Fenêtre& fenêtre)
{
    const int numéro = ++numéros;
    val dialogue = Page().call<val>("nouveauDialogue", numéro);
    {
        VueWeb vue(dialogue["corps"], fenêtre, numéro);
        Habiller(vue);
        vues.push_back(&vue);
        fenêtre.Form_Load();
        RafraîchirVues();
        if (!fenêtre.EstFermée()) {
            Page().call<void>("montrerDialogue", dialogue);
            Boucle(&fenêtre);
        }
        vues.pop_back();
    }
    Page().call<void>("fermerDialogue", dialogue);
    RafraîchirVues();
}

void PlateformeWeb::MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage)
{
    RafraîchirVues();
    Attendre(Page().call<val>("messageSysteme", texte, titre));
}

std::optional<std::string> PlateformeWeb::DialogueOuvrir(const std::string& titre, const std::string&,
                                                         const std::string& dossier)
{
    RafraîchirVues();
    return Chemin(Attendre(
        Page().call<val>("choisirFichier", titre, DossierDesFigures(dossier), false, TailleMaxFichierTexte)));
}

std::optional<std::string> PlateformeWeb::DialogueEnregistrer(const std::string& titre, const std::string&,
                                                              const std::string& dossier)
{
    RafraîchirVues();
    return Chemin(Attendre(
        Page().call<val>("choisirFichier", titre, DossierDesFigures(dossier), true, TailleMaxFichierTexte)));
}

std::vector<FormatImage> PlateformeWeb::FormatsImage()
{
    return {FormatImage::Png, FormatImage::PngDouble, FormatImage::Svg};
}

// Le dialogue des figures, avec ses types : l'image passe toujours par la copie choisie ou téléchargée.
std::optional<FichierTypé> PlateformeWeb::DialogueEnregistrerTypé(const std::string& titre,
                                                                  const std::vector<std::string>& types,
                                                                  const std::string& dossier,
                                                                  const std::string& nomProposé)
{
    RafraîchirVues();
    val noms = val::array();
    for (const std::string& type : types)
        noms.call<void>("push", type);
    val image = val::object();
    image.set("types", noms);
    image.set("nom", nomProposé);
    const val choix =
        Attendre(Page().call<val>("choisirFichier", titre, dossier, true, TailleMaxFichierTexte, image));
    if (choix.isNull() || choix.isUndefined())
        return std::nullopt;
    return FichierTypé{choix["chemin"].as<std::string>(), choix["type"].as<std::size_t>()};
}

bool PlateformeWeb::EnregistrerImage(const ImageFigure& image, FormatImage format, const std::string& chemin)
{
    if (format == FormatImage::Svg)
        return !RemplacerFichier(chemin, DessinSvg(image), LienFinal::Suivi);
    const int agrandissement = format == FormatImage::PngDouble ? 2 : 1;
    return Attendre(Images().call<val>("enregistrerPng", ImagePourPage(image), agrandissement, chemin))
        .as<bool>();
}

// Le navigateur choisit l'imprimante dans son propre dialogue, à l'impression.
bool PlateformeWeb::ChoisirImprimante()
{
    return true;
}

bool PlateformeWeb::ImprimerFenêtre(Fenêtre& fenêtre)
{
    RafraîchirVues();
    const auto vue =
        std::find_if(vues.begin(), vues.end(), [&](VueWeb* v) { return &v->Modèle() == &fenêtre; });
    if (vue == vues.end())
        return false;
    return Attendre(Images().call<val>("imprimerFenetre", (*vue)->Numéro())).as<bool>();
}

bool PlateformeWeb::ImprimerImage(const ImageFigure& image)
{
    return Attendre(Images().call<val>("imprimerFigure", DessinSvg(image))).as<bool>();
}

void PlateformeWeb::CopierImage(const ImageFigure& image)
{
    Images().call<void>("copier", ImagePourPage(image));
}

bool PlateformeWeb::OuvrirPageWeb(const std::string& adresse)
{
    return Page().call<bool>("ouvrirPage", adresse);
}

std::string PlateformeWeb::DossierDocumentsSystème()
{
    return DossierGardéParLeNavigateur;
}

std::string PlateformeWeb::DossierProgramme()
{
    return "/velmor/";
}

int PlateformeWeb::TwipsParPixelX()
{
    return static_cast<int>(TwipsParPixel(96));
}

int PlateformeWeb::TwipsParPixelY()
{
    return static_cast<int>(TwipsParPixel(96));
}

int PlateformeWeb::LargeurÉcranPixels()
{
    return val::global("screen")["width"].as<int>();
}

int PlateformeWeb::HauteurÉcranPixels()
{
    return val::global("screen")["height"].as<int>();
}

std::string PlateformeWeb::SéparateurDécimal()
{
    return ",";
}

TailleTexte PlateformeWeb::MesurerTexte(const std::string& texte, double taillePolice)
{
    const val taille = Page().call<val>("mesurer", texte, taillePolice);
    return {VersTwips(taille["largeur"].as<double>(), TwipsParPixel(96)),
            VersTwips(taille["hauteur"].as<double>(), TwipsParPixel(96))};
}

DateCivile PlateformeWeb::Aujourdhui()
{
    const val date = val::global("Date").new_();
    return {date.call<int>("getDate"), date.call<int>("getMonth") + 1, date.call<int>("getFullYear")};
}

void PlateformeWeb::QuitterProgramme()
{
    quitté = true;
    Page().call<void>("quitter");
}

void PlateformeWeb::DémarrerMinuterie(int intervalleMs, std::function<void()> t)
{
    top = std::move(t);
    Page().call<void>("minuterie", intervalleMs);
}

void PlateformeWeb::ArrêterMinuterie()
{
    Page().call<void>("minuterie", 0);
}
