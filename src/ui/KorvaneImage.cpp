// Korvane : l'image de la figure, exportée dans un fichier, imprimée, ou copiée pour un traitement de texte.
#include "analysis/Mesures.h"
#include "game/TexteScore.h"
#include "model/AfficherMessage.h"
#include "model/TexteNombre.h"
#include "ui/CommandesMesures.h"
#include "ui/Environnement.h"
#include "ui/FormFichier.h"
#include "ui/Korvane.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* TitreExportation = "Exportation de la figure";
constexpr const char* TexteImageRatée = "Problème d'accès, l'image de la figure n'a pas pu être enregistrée";
constexpr const char* DébutLongueurs = "Longueurs des côtés : ";

struct TypeImage {
    const char* Filtre;
    std::string_view Extension;
    FormatImage Format;
};

// L'ordre est celui du dialogue : le premier type est proposé d'abord.
constexpr std::array<TypeImage, 4> TypesImage = {{
    {"Image PNG (*.png)", ".png", FormatImage::Png},
    {"Image PNG, taille double (*.png)", ".png", FormatImage::PngDouble},
    {"Dessin SVG (*.svg)", ".svg", FormatImage::Svg},
    {"Document PDF (*.pdf)", ".pdf", FormatImage::Pdf},
}};

// Le premier type offert dont l'extension termine le nom, en majuscules comme en minuscules ; aucun sinon.
const TypeImage* TypeDuNom(std::string_view nom, const std::vector<const TypeImage*>& offerts)
{
    const auto pareils = [](char c, char minuscule) {
        return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == minuscule;
    };
    for (const TypeImage* type : offerts) {
        const std::string_view extension = type->Extension;
        if (nom.size() > extension.size() &&
            std::equal(nom.end() - static_cast<std::ptrdiff_t>(extension.size()), nom.end(),
                       extension.begin(), extension.end(), pareils))
            return type;
    }
    return nullptr;
}

constexpr std::array<const char*, 12> NomsMois = {"janvier",   "février", "mars",     "avril",
                                                  "mai",       "juin",    "juillet",  "août",
                                                  "septembre", "octobre", "novembre", "décembre"};

// Les chiffres de n, complétés de zéros devant jusqu'à en avoir autant que demandé.
std::string Nombre(int n, std::size_t chiffres = 1)
{
    std::string texte = TexteDécimal(n);
    if (texte.size() < chiffres)
        texte.insert(0, chiffres - texte.size(), '0');
    return texte;
}

// « 1er décembre 2026 », « 7 décembre 2026 ».
std::string DateEnLettres(const DateCivile& date)
{
    const std::size_t mois = static_cast<std::size_t>(date.Mois >= 1 && date.Mois <= 12 ? date.Mois - 1 : 0);
    return (date.Jour == 1 ? "1er" : Nombre(date.Jour)) + " " + NomsMois[mois] + " " + Nombre(date.Année);
}

// « 2026-12-07 » : les images d'un même dossier se rangent dans l'ordre des jours.
std::string DateTriable(const DateCivile& date)
{
    return Nombre(date.Année, 4) + "-" + Nombre(date.Mois, 2) + "-" + Nombre(date.Jour, 2);
}

} // namespace

void Korvane::BrancherImages()
{
    Brancher(ItemExporterFig, &Korvane::ItemExporterFig_Click);
    Brancher(ItemImprimerFig, &Korvane::ItemImprimerFig_Click);
    Brancher(ItemCopierFig, &Korvane::ItemCopierFig_Click);
    Brancher(ItemAnalyseImage, &Korvane::ItemAnalyseImage_Click);
}

// Seules les étiquettes posées sur le canevas et visibles en font partie ; le survol (« Ce point ») passe.
ImageFigure Korvane::ImageDeLaFigure(std::string titre)
{
    ImageFigure image;
    image.Ecran = &Ecran;
    image.Titre = std::move(titre);
    for (const Contrôle* étiquette : {&EtiO, &EtiI, &EtiJ})
        image.Étiquettes.push_back(étiquette);
    for (const Contrôle& étiquette : EtiQuad)
        image.Étiquettes.push_back(&étiquette);
    for (std::size_t i = 1; i < EtiPoint.size(); ++i)
        image.Étiquettes.push_back(&EtiPoint[i]);
    std::erase_if(image.Étiquettes, [](const Contrôle* c) { return !c->Visible; });
    if (ItemAnalyseImage.Checked)
        image.Légende = LignesAnalyse();
    return image;
}

std::vector<std::string> Korvane::LignesAnalyse()
{
    const std::optional<std::string> noms = SommetsMesurés(m);
    if (!noms)
        return {};
    std::string longueurs = DébutLongueurs;
    const std::vector<LigneMesure> côtés =
        LignesLongueurs(m, plateforme, *noms, plateforme.SéparateurDécimal());
    for (std::size_t k = 0; k < côtés.size(); ++k)
        longueurs += (k ? " ; " : "") + côtés[k].Texte;
    return {AnalyserPolygone().Description + ".", longueurs};
}

// Le dialogue part du même dossier que celui des figures ; le type choisi décide du format.
void Korvane::ItemExporterFig_Click()
{
    m.ModeChoixPoint = 0;
    PréparerDossierDocuments();
    // Seuls les types que la plateforme écrit sont offerts, dans l'ordre de la table.
    const std::vector<FormatImage> formats = plateforme.FormatsImage();
    std::vector<const TypeImage*> offerts;
    std::vector<std::string> filtres;
    for (const TypeImage& type : TypesImage)
        if (std::find(formats.begin(), formats.end(), type.Format) != formats.end()) {
            offerts.push_back(&type);
            filtres.emplace_back(type.Filtre);
        }
    std::string nomProposé = "Figure du " + DateTriable(plateforme.Aujourdhui());
    if (m.ModeFichier) {
        nomProposé = NomSansDossier(m.NomFichierFig);
        if (nomProposé.ends_with(ExtensionFigure))
            nomProposé.resize(nomProposé.size() - ExtensionFigure.size());
    }
    const std::optional<FichierTypé> choix =
        plateforme.DialogueEnregistrerTypé(TitreExportation, filtres, m.CheminDocuments, nomProposé);
    if (!choix)
        return;
    if (choix->Chemin.empty() || choix->Type >= offerts.size()) {
        AfficherMessage(m, plateforme, std::string(TitreGestionFichiers), TexteImageRatée);
        return;
    }
    // Une extension connue tapée choisit le type ; sinon celle du type choisi s'ajoute. La question de
    // l'écrasement porte sur ce nom-là, le seul qui sera écrit.
    const TypeImage* type = TypeDuNom(choix->Chemin, offerts);
    std::string chemin = choix->Chemin;
    if (!type) {
        type = offerts[choix->Type];
        chemin += type->Extension;
    } else if (type->Extension == offerts[choix->Type]->Extension) {
        type = offerts[choix->Type]; // l'image double est un PNG
    }
    std::error_code erreur;
    const bool existe = std::filesystem::exists(chemin, erreur);
    if (!erreur && existe) {
        FormFichier question(m, plateforme, Form, chemin);
        plateforme.MontrerModal(question);
        if (question.NomFichierChoisi.empty())
            return;
    }
    if (erreur || !plateforme.EnregistrerImage(ImageDeLaFigure({}), type->Format, chemin))
        AfficherMessage(m, plateforme, std::string(TitreGestionFichiers), TexteImageRatée);
}

// Sur papier, la figure porte son nom et sa date ; les messages sont ceux de l'impression du score.
void Korvane::ItemImprimerFig_Click()
{
    m.ModeChoixPoint = 0;
    RésultatImpression résultat = RésultatImpression::Annulé;
    if (plateforme.ChoisirImprimante()) {
        const std::string nom = m.ModeFichier ? NomSansDossier(m.NomFichierFig) : TexteFigureLibre;
        const ImageFigure image = ImageDeLaFigure(nom + ", le " + DateEnLettres(plateforme.Aujourdhui()));
        résultat = plateforme.ImprimerImage(image) ? RésultatImpression::Imprimé : RésultatImpression::Erreur;
    }
    if (const auto message = MessageImpression(résultat))
        AfficherMessage(m, plateforme, message->Titre, message->Texte);
}

void Korvane::ItemCopierFig_Click()
{
    m.ModeChoixPoint = 0;
    plateforme.CopierImage(ImageDeLaFigure({}));
}

void Korvane::ItemAnalyseImage_Click()
{
    ItemAnalyseImage.Checked = !ItemAnalyseImage.Checked;
}
