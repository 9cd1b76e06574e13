#include "ModeFichiers.h"

#include "EcritureJson.h"
#include "calc/ValeurCoordonnee.h"
#include "files/RapportFigure.h"
#include "files/TableauCsv.h"
#include "model/Echappement.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

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

} // namespace

Bilan ModeFichiers(const std::vector<std::string>& fichiers, FormeSortie forme, const Cible* cible,
                   const std::function<void(const std::string&)>& figureLue, SortieVérifiée& sortie)
{
    Bilan bilan;
    if (forme == FormeSortie::Csv)
        sortie.Ligne(EnTêteCsv(cible != nullptr));
    for (const std::string& fichier : fichiers) {
        if (sortie.EnFaute())
            break;
        const RapportFigure rapport = RapporterFigure(fichier, fichier, cible);
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
            sortie.Ligne(LigneCsv(rapport, cible != nullptr));
            break;
        case FormeSortie::Texte:
            ÉcrireTexte(rapport, sortie);
            break;
        }
    }
    return bilan;
}
