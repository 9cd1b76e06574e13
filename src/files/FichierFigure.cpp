#include "files/FichierFigure.h"

#include "files/EcritureFichier.h"
#include "files/LecteurChamps.h"
#include "files/LectureFichier.h"
#include "files/TexteFichier.h"
#include "model/Caracteres.h"
#include "model/TexteNombre.h"
#include "model/TraceHistorique.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr std::string_view DeuxièmeLigne = "Exemple";
constexpr std::string_view MotRepère = "repère";
constexpr std::string_view MotQuadrillage = "quadrillage";
constexpr std::string_view MotPrécision = "précision";
constexpr std::size_t MaxPositionÉtiquette = 4;
constexpr std::size_t MaxPointsFichier = 250;

// Le nombre-octet du programme frère : un blanc à la place du signe plus, un blanc après.
std::string TexteOctet(std::size_t valeur)
{
    return " " + std::to_string(valeur) + " ";
}

// Une option que le fichier lu laissait inchangée s'écrit ni 1 ni 0 : relue, elle reste inchangée.
std::string TexteOption(const std::optional<bool>& option)
{
    if (!option)
        return " ";
    return *option ? " 1" : " 0";
}

std::optional<bool> OptionLue(const std::string& valeur)
{
    if (valeur == "1")
        return true;
    if (valeur == "0")
        return false;
    return std::nullopt;
}

// Les coordonnées gardent la virgule tapée par l'élève, mais la virgule sépare les champs du fichier.
std::string AvecPointDécimal(std::string texte)
{
    std::replace(texte.begin(), texte.end(), ',', '.');
    return texte;
}

// Un texte qui, écrit tel quel, serait relu autrement (une virgule, un blanc en tête) est mis entre
// guillemets, comme le lecteur les comprend ; un texte qui contient déjà un guillemet ne peut pas l'être.
std::string TexteChamp(const std::string& texte)
{
    const bool reluAutrement = texte.find(',') != std::string::npos ||
                               (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t'));
    if (reluAutrement && texte.find('"') == std::string::npos)
        return '"' + texte + '"';
    return texte;
}

// Un polygone relu doit pouvoir être reconstruit : trois sommets au moins, chacun un point du fichier.
bool PolygoneValide(std::string_view tracé, const std::vector<PointFig>& points)
{
    const auto sommets = Caractères(SommetsDeLEntrée(tracé));
    return sommets.size() >= 3 && std::all_of(sommets.begin(), sommets.end(), [&](const std::string& nom) {
               return std::any_of(points.begin(), points.end(),
                                  [&](const PointFig& p) { return p.Nom == nom; });
           });
}

LectureFigure Refus(std::string_view titre, std::string_view texte, bool lectureRatée)
{
    return {std::nullopt, RefusLecture{{std::string(titre), std::string(texte)}, lectureRatée}};
}

LectureFigure Illisible()
{
    return Refus(TitreGestionFichier, TexteFichierIllisible, true);
}

std::optional<PointFig> LirePoint(LecteurChamps& champs)
{
    PointFig point;
    auto x = champs.Texte();
    auto y = champs.Texte();
    auto nom = champs.Texte();
    const auto position = champs.Octet();
    const auto marque = champs.Booléen();
    if (!x || !y || !nom || !position || *position > MaxPositionÉtiquette || !marque)
        return std::nullopt;
    point.X = std::move(*x);
    point.Y = std::move(*y);
    point.Nom = std::move(*nom);
    point.Position = *position;
    point.Marque = *marque;
    return point;
}

// Tout ce qui suit les deux lignes d'en-tête ; rien dès qu'un champ manque ou ne convient pas.
std::optional<FigureFichier> LireCorps(LecteurChamps& champs)
{
    FigureFichier figure;
    const auto rapport = champs.Nombre();
    if (!rapport || *rapport <= 0)
        return std::nullopt;
    figure.RapportZoom = *rapport;

    const auto nbPoints = champs.Octet();
    if (!nbPoints || *nbPoints > MaxPointsFichier)
        return std::nullopt;
    for (std::size_t i = 0; i < *nbPoints; ++i) {
        auto point = LirePoint(champs);
        if (!point)
            return std::nullopt;
        figure.Points.push_back(std::move(*point));
    }

    const auto nbTracés = champs.Octet();
    if (!nbTracés)
        return std::nullopt;
    for (std::size_t i = 0; i < *nbTracés; ++i) {
        auto tracé = champs.Texte();
        if (!tracé || (EstEntréePolygone(*tracé) && !PolygoneValide(*tracé, figure.Points)))
            return std::nullopt;
        figure.Tracés.push_back(std::move(*tracé));
    }

    // Les mots-clés ne sont pas vérifiés : seules leurs valeurs comptent.
    const auto motRepère = champs.Texte();
    const auto axes = champs.Texte();
    const auto motQuadrillage = champs.Texte();
    const auto quadrillage = champs.Texte();
    const auto motPrécision = champs.Texte();
    const auto précision = champs.Octet();
    if (!motRepère || !axes || !motQuadrillage || !quadrillage || !motPrécision || !précision)
        return std::nullopt;
    figure.AxesAffichés = OptionLue(*axes);
    figure.QuadrillageAffiché = OptionLue(*quadrillage);
    figure.Précision = *précision;
    return figure;
}

} // namespace

std::string ÉcrireOctetsFigure(const FigureFichier& figure)
{
    std::vector<std::string> lignes{std::string(PremièreLigneFigure), std::string(DeuxièmeLigne),
                                    TexteNumérique(figure.RapportZoom), TexteOctet(figure.Points.size())};
    for (const auto& point : figure.Points) {
        lignes.push_back(TexteChamp(AvecPointDécimal(point.X)));
        lignes.push_back(TexteChamp(AvecPointDécimal(point.Y)));
        lignes.push_back(TexteChamp(point.Nom));
        lignes.push_back(TexteOctet(point.Position));
        lignes.push_back(point.Marque ? "True" : "False");
    }
    lignes.push_back(TexteOctet(figure.Tracés.size()));
    for (const auto& tracé : figure.Tracés)
        lignes.push_back(TexteChamp(tracé));
    lignes.emplace_back(MotRepère);
    lignes.push_back(TexteOption(figure.AxesAffichés));
    lignes.emplace_back(MotQuadrillage);
    lignes.push_back(TexteOption(figure.QuadrillageAffiché));
    lignes.emplace_back(MotPrécision);
    lignes.push_back(TexteOctet(figure.Précision));
    return OctetsDesLignes(lignes);
}

LectureFigure LireOctetsFigure(std::string_view octets)
{
    LecteurChamps champs(LignesDuFichier(octets));
    const auto première = champs.Texte();
    if (!première)
        return Illisible();
    if (*première != PremièreLigneFigure)
        return Refus(TitreGestionFichier, TexteFichierIncompatible, true);
    const auto deuxième = champs.Texte();
    if (!deuxième)
        return Illisible();
    if (deuxième->find(DeuxièmeLigne) == std::string::npos)
        return Refus(TitreGestionFigures, TexteFichierNonConforme, false);
    auto figure = LireCorps(champs);
    if (!figure)
        return Illisible();
    return {std::move(figure), std::nullopt};
}

LectureFigure LireFichierFigure(const std::filesystem::path& chemin)
{
    const FichierLu fichier = LireOctetsFichier(chemin);
    if (!fichier.Octets)
        return Illisible();
    return LireOctetsFigure(*fichier.Octets);
}

Enregistrement EnregistrerFichierFigure(const std::filesystem::path& chemin, const FigureFichier& figure)
{
    if (!RemplacerFichier(chemin, ÉcrireOctetsFigure(figure), LienFinal::Suivi))
        return {true, {std::string(TitreGestionFichier), std::string(TexteFigureSauvegardée)}};
    return {false, {std::string(TitreGestionFichier), std::string(TexteSauvegardeRatée)}};
}

std::optional<std::string> PolygoneDeLaFigure(const FigureFichier& figure)
{
    const auto tracé = std::find_if(figure.Tracés.begin(), figure.Tracés.end(),
                                    [](const std::string& t) { return EstEntréePolygone(t); });
    if (tracé == figure.Tracés.end())
        return std::nullopt;
    return SommetsDeLEntrée(*tracé);
}

double RapportZoom(std::int32_t unité, std::int32_t xMax)
{
    return 10.0 * unité / xMax;
}

std::int32_t XMaxDuRapport(std::int32_t unité, double rapport)
{
    const double étendue = 10.0 * unité / rapport;
    // Le rapport écrit à 15 chiffres peut redonner 5499,9999999 pour 5500 : on ne perd pas une unité.
    const double proche = std::round(étendue);
    const double entier = std::abs(étendue - proche) < 1e-6 ? proche : std::trunc(étendue);
    constexpr double plusGrand = std::numeric_limits<std::int32_t>::max();
    if (!(entier >= 1))
        return 1;
    return entier >= plusGrand ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(entier);
}
