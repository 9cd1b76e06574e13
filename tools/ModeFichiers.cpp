#include "ModeFichiers.h"

#include "Echappement.h"
#include "EcritureJson.h"
#include "MessagerieRetenue.h"
#include "RaisonSysteme.h"
#include "analysis/ClassAnaPoly.h"
#include "analysis/Mesures.h"
#include "calc/ValeurCoordonnee.h"
#include "files/ChargementFigure.h"
#include "files/FichierFigure.h"
#include "files/LectureFichier.h"
#include "game/JugementCible.h"
#include "model/Caracteres.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// Le programme parle français : les mesures s'écrivent avec une virgule.
constexpr std::string_view SéparateurDécimal = ",";

// Ce que la fenêtre montrerait d'une figure ouverte : Analyse, longueurs et angles de son polygone.
struct RapportFigure {
    std::string Fichier;
    std::optional<std::string> Erreur;
    Modulebas Modèle;
    std::optional<std::string> Polygone;
    std::optional<std::string> Description;
    std::optional<std::string> Figure;
    std::vector<MessageTitré> Messages;
    std::optional<std::vector<LigneMesure>> Longueurs;
    std::optional<std::vector<LigneMesure>> Angles;
    std::optional<JugementCible> Verdict;
};

// La raison d'un refus du lecteur partagé, telle que l'outil la dit : la fenêtre garde son propre message.
std::string RaisonRefus(const FichierLu& fichier)
{
    switch (fichier.Refus) {
    case RefusFichier::Introuvable:
        return "fichier introuvable";
    case RefusFichier::Dossier:
        return "c'est un dossier";
    case RefusFichier::PasOrdinaire:
        return "ce n'est pas un fichier ordinaire";
    case RefusFichier::TropGrand:
        return "fichier trop gros (plus de " + std::to_string(TailleMaxFichierTexte) + " octets)";
    case RefusFichier::Illisible:
        break;
    }
    return "fichier illisible (" + RaisonSystème(fichier.ErreurSystème) + ")";
}

RapportFigure Analyser(const std::string& fichier, const Cible* cible)
{
    RapportFigure rapport;
    rapport.Fichier = fichier;
    const FichierLu lu = LireOctetsFichier(fichier);
    if (!lu.Octets) {
        rapport.Erreur = RaisonRefus(lu);
        return rapport;
    }
    const auto lecture = LireOctetsFigure(*lu.Octets);
    if (!lecture.Figure) {
        rapport.Erreur = lecture.Refus->Message.Texte;
        return rapport;
    }
    Modulebas& m = rapport.Modèle;
    ChargerFigure(m, *lecture.Figure);
    rapport.Polygone = PolygoneDeLaFigure(*lecture.Figure);
    if (!rapport.Polygone) {
        if (cible)
            rapport.Verdict = JugementCible{false, "Aucun polygone"};
        return rapport;
    }
    MessagerieRetenue messagerie;
    {
        // Analyse reçoit la suite fermée sur son premier sommet : ABCD devient ABCDA.
        ClassAnaPoly analyse(m, messagerie);
        analyse.NomSommets(*rapport.Polygone + Caractères(*rapport.Polygone).front());
        rapport.Description = analyse.DescriptionFig();
        rapport.Figure = analyse.Figure();
    }
    if (cible)
        rapport.Verdict = JugerFigure(*cible, *rapport.Description, *rapport.Figure);
    rapport.Longueurs = LignesLongueurs(m, messagerie, *rapport.Polygone, SéparateurDécimal);
    rapport.Angles = LignesAngles(m, messagerie, *rapport.Polygone, SéparateurDécimal);
    rapport.Messages = std::move(messagerie.Messages);
    return rapport;
}

std::string TexteOuNul(const std::optional<std::string>& texte)
{
    return texte ? ChaîneJson(*texte) : NulJson;
}

std::string MesuresOuNul(const std::optional<std::vector<LigneMesure>>& lignes)
{
    if (!lignes)
        return NulJson;
    std::vector<std::string> tableau;
    for (const auto& ligne : *lignes)
        tableau.push_back(
            TexteJson(ObjetJson{{"texte", ChaîneJson(ligne.Texte)}, {"valeur", NombreJson(ligne.Valeur)}}));
    return TexteJson(tableau);
}

void ÉcrireJson(const RapportFigure& rapport, SortieVérifiée& sortie)
{
    const Modulebas& m = rapport.Modèle;
    std::string points = NulJson;
    std::string précision = NulJson;
    if (!rapport.Erreur) {
        std::vector<std::string> tableau;
        for (std::size_t i = 1; i <= m.NbPoints; ++i) {
            const PointFig& p = m.Points[i];
            tableau.push_back(TexteJson(ObjetJson{{"nom", ChaîneJson(p.Nom)},
                                                  {"x", ChaîneJson(p.X)},
                                                  {"y", ChaîneJson(p.Y)},
                                                  {"vx", NombreJson(ValeurCoordonnée(p.X))},
                                                  {"vy", NombreJson(ValeurCoordonnée(p.Y))}}));
        }
        points = TexteJson(tableau);
        précision = std::to_string(m.Précision);
    }
    std::vector<std::string> messages;
    for (const auto& message : rapport.Messages)
        messages.push_back(ChaîneJson(message.Texte));
    ObjetJson objet{{"fichier", ChaîneJson(rapport.Fichier)},
                    {"erreur", TexteOuNul(rapport.Erreur)},
                    {"precision", précision},
                    {"points", points},
                    {"polygone", TexteOuNul(rapport.Polygone)},
                    {"description", TexteOuNul(rapport.Description)},
                    {"figure", TexteOuNul(rapport.Figure)},
                    {"messages", TexteJson(messages)},
                    {"longueurs", MesuresOuNul(rapport.Longueurs)},
                    {"angles", MesuresOuNul(rapport.Angles)}};
    if (rapport.Verdict) {
        objet["reussie"] = BooléenJson(rapport.Verdict->Réussie);
        objet["verdict"] = ChaîneJson(rapport.Verdict->Description + ".");
    }
    sortie.Ligne(TexteJson(objet));
}

std::string Joindre(const std::vector<LigneMesure>& lignes)
{
    std::string texte;
    for (const auto& ligne : lignes)
        texte += (texte.empty() ? "" : " ; ") + ligne.Texte;
    return texte;
}

void ÉcrireTexte(const RapportFigure& rapport, SortieVérifiée& sortie)
{
    // Les noms et les coordonnées viennent du fichier : tout ce qui s'écrit est rendu lisible.
    const auto ÉcrireLigne = [&sortie](const std::string& ligne) { sortie.Ligne(Lisible(ligne)); };
    ÉcrireLigne(rapport.Fichier);
    if (rapport.Erreur) {
        ÉcrireLigne("  Refusé : " + *rapport.Erreur);
        return;
    }
    const Modulebas& m = rapport.Modèle;
    std::string points;
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        points += (i > 1 ? ", " : "") + m.Points[i].Nom + "(" + m.Points[i].X + " ; " + m.Points[i].Y + ")";
    ÉcrireLigne("  Points : " + (points.empty() ? std::string("aucun") : points));
    if (!rapport.Polygone) {
        ÉcrireLigne("  Aucun polygone.");
        if (rapport.Verdict)
            ÉcrireLigne("  Cible ratée.");
        return;
    }
    ÉcrireLigne("  Polygone : " + *rapport.Polygone);
    ÉcrireLigne("  " + *rapport.Description + ".");
    for (const auto& message : rapport.Messages)
        ÉcrireLigne("  Message (" + message.Titre + ") : " + message.Texte);
    ÉcrireLigne("  Longueurs : " + Joindre(*rapport.Longueurs));
    if (rapport.Angles)
        ÉcrireLigne("  Angles : " + Joindre(*rapport.Angles));
    // Le verdict du jeu : sa phrase, comme la fenêtre la montre après Analyse.
    if (rapport.Verdict)
        ÉcrireLigne(std::string(rapport.Verdict->Réussie ? "  Cible atteinte : " : "  Cible ratée : ") +
                    rapport.Verdict->Description + ".");
}

// Un champ entre guillemets dès qu'il contient le séparateur, un guillemet ou une fin de ligne. Un champ
// qu'un tableur prendrait pour une formule (un nom de fichier y suffit) commence par une apostrophe, que
// le tableur n'affiche pas.
std::string ChampCsv(std::string texte)
{
    if (!texte.empty() && std::string_view("=+-@").find(texte.front()) != std::string_view::npos)
        texte.insert(0, 1, '\'');
    if (texte.find_first_of(";\"\r\n") == std::string::npos)
        return texte;
    std::string cité = "\"";
    for (const char c : texte)
        cité += c == '"' ? std::string("\"\"") : std::string(1, c);
    return cité + "\"";
}

// La marque d'ordre des octets dit UTF-8 à un tableur français, et « ; » y sépare les colonnes.
void ÉcrireEnTêteCsv(bool avecCible, SortieVérifiée& sortie)
{
    sortie.Ligne(std::string("\xEF\xBB\xBF") + "fichier;figure;phrase" +
                 (avecCible ? ";verdict;explication" : ""));
}

void ÉcrireCsv(const RapportFigure& rapport, bool avecCible, SortieVérifiée& sortie)
{
    std::string phrase = rapport.Erreur        ? "Refusé : " + *rapport.Erreur
                         : rapport.Description ? *rapport.Description + "."
                                               : std::string("Aucun polygone.");
    std::string ligne =
        ChampCsv(rapport.Fichier) + ";" + ChampCsv(rapport.Figure.value_or("")) + ";" + ChampCsv(phrase);
    if (avecCible) {
        const bool atteinte = rapport.Verdict && rapport.Verdict->Réussie;
        ligne += std::string(";") + (atteinte ? "atteinte" : "ratée") + ";" +
                 ChampCsv(rapport.Verdict ? rapport.Verdict->Description + "." : std::string());
    }
    sortie.Ligne(Lisible(ligne));
}

} // namespace

Bilan ModeFichiers(const std::vector<std::string>& fichiers, FormeSortie forme, const Cible* cible,
                   const std::function<void(const std::string&)>& figureLue, SortieVérifiée& sortie)
{
    Bilan bilan;
    if (forme == FormeSortie::Csv)
        ÉcrireEnTêteCsv(cible != nullptr, sortie);
    for (const std::string& fichier : fichiers) {
        if (sortie.EnFaute())
            break;
        const RapportFigure rapport = Analyser(fichier, cible);
        if (rapport.Erreur) {
            ++bilan.Refusées;
            std::fprintf(stderr, "velmor-analyse : %s\n", Lisible(fichier + " : " + *rapport.Erreur).c_str());
        } else {
            ++bilan.Réussies;
            if (rapport.Verdict && !rapport.Verdict->Réussie)
                ++bilan.Ratées;
            if (figureLue)
                figureLue(fichier);
        }
        switch (forme) {
        case FormeSortie::Json:
            ÉcrireJson(rapport, sortie);
            break;
        case FormeSortie::Csv:
            ÉcrireCsv(rapport, cible != nullptr, sortie);
            break;
        case FormeSortie::Texte:
            ÉcrireTexte(rapport, sortie);
            break;
        }
    }
    return bilan;
}
