#include "files/RapportFigure.h"

#include "analysis/ClassAnaPoly.h"
#include "files/ChargementFigure.h"
#include "files/FichierFigure.h"
#include "files/LectureFichier.h"
#include "files/RaisonSysteme.h"
#include "model/Caracteres.h"
#include "model/MessagerieRetenue.h"

#include <string_view>

namespace {

// Le programme parle français : les mesures s'écrivent avec une virgule.
constexpr std::string_view SéparateurDécimal = ",";

// La raison d'un refus du lecteur partagé, telle que le rapport la dit : la fenêtre garde son propre message.
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

} // namespace

RapportFigure RapporterFigure(const std::string& nom, const std::filesystem::path& chemin, const Cible* cible)
{
    RapportFigure rapport;
    rapport.Fichier = nom;
    const FichierLu lu = LireOctetsFichier(chemin);
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
