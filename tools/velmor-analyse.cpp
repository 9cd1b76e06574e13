// velmor-analyse : calculs et analyse de figures en ligne de commande.
#include "CodesSortie.h"
#include "LigneCommande.h"
#include "ModeCalcul.h"
#include "ModeFichiers.h"
#include "SortieVerifiee.h"
#include "files/RaisonSysteme.h"
#include "game/ChoixCible.h"
#include "model/Echappement.h"
#ifdef VELMOR_IMAGES
#include "ImagesFigures.h"
#endif

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// --image dessine avec Qt : sans lui (version pour node), l'aide ne la propose pas.
#ifdef VELMOR_IMAGES
#define VELMOR_UTILISATION_IMAGE                                                                             \
    "  velmor-analyse [--json | --csv] [--cible NOM] --image DOSSIER FICHIER.lum ...\n"
#define VELMOR_AIDE_IMAGE                                                                                    \
    "  --image DOSSIER      écrit dans ce dossier (créé s'il manque) l'image PNG de chaque figure lue,\n" \
    "                       telle que la fenêtre la montre, sous le nom du fichier (a.lum : a.png) ;\n"     \
    "                       sans écran, et sans rien afficher\n"
#define VELMOR_FAUTE_IMAGE "la sortie ou une image n'a pas pu être écrite"
#else
#define VELMOR_UTILISATION_IMAGE ""
#define VELMOR_AIDE_IMAGE ""
#define VELMOR_FAUTE_IMAGE "la sortie n'a pas pu être écrite"
#endif

constexpr const char* Utilisation =
    "Utilisation :\n"
    "  velmor-analyse [--json | --csv] [--cible NOM] FICHIER.lum ...\n" VELMOR_UTILISATION_IMAGE
    "  velmor-analyse [--json] --calcul EXPRESSION ...\n"
    "  velmor-analyse --help | --version\n";

constexpr const char* Aide =
    "\n"
    "Analyse les figures de Velmor comme le ferait la fenêtre (phrase, longueurs et angles), ou calcule\n"
    "des coordonnées comme le dialogue des coordonnées (12 décimales) : des fichiers, ou --calcul, pas\n"
    "les deux.\n"
    "\n"
    "Options :\n"
    "  --json               un objet JSON par ligne au lieu du résumé en français\n"
    "  --csv                une ligne par figure, séparée par « ; », pour un tableur\n"
    "  --cible NOM          juge chaque figure comme le jeu pour cette cible (« Carré », « carre »...)\n"
    // clang-format off
    VELMOR_AIDE_IMAGE
    // clang-format on
    "  --calcul EXPRESSION  calcule chaque expression qui suit ; tout ce qui suit --calcul est une\n"
    "                       expression, même « -2^2 »\n"
    "  --                   tout ce qui suit est un fichier, même « -a.lum »\n"
    "  -h, --help           affiche cette aide\n"
    "  -v, --version        affiche la version\n"
    "\n"
    "Les refus et le bilan (figures lues et refusées, calculs en faute) vont sur la sortie d'erreur.\n"
    "\n"
    "Codes de sortie :\n"
    "  0  tout a été calculé ou lu (avec --cible : et chaque figure atteint la cible)\n"
    "  1  une expression en faute, un fichier refusé, ou " VELMOR_FAUTE_IMAGE "\n"
    "  2  erreur d'usage";

int ErreurUsage(const std::string& raison)
{
    std::fprintf(stderr, "velmor-analyse : %s\n%sEssayez « velmor-analyse --help ».\n",
                 Lisible(raison).c_str(), Utilisation);
    return static_cast<int>(CodeSortie::Usage);
}

// Au singulier pour 0 et 1, comme on le dit en français.
std::string Compte(std::size_t n, const std::string& singulier, const std::string& pluriel)
{
    return std::to_string(n) + " " + (n > 1 ? pluriel : singulier);
}

std::string TexteBilan(Demande quoi, const Bilan& bilan, bool avecCible)
{
    if (quoi == Demande::Calcul)
        return Compte(bilan.Réussies, "calcul sans faute", "calculs sans faute") + ", " +
               std::to_string(bilan.Refusées) + " en faute.";
    return Compte(bilan.Réussies, "figure lue", "figures lues") + ", " +
           Compte(bilan.Refusées, "refusée", "refusées") +
           (avecCible ? ", " + Compte(bilan.Ratées, "cible ratée", "cibles ratées") : std::string()) + ".";
}

} // namespace

int main(int argc, char* argv[])
{
    SortieVérifiée sortie(stdout);
    const LectureLigneCommande lecture = LireLigneCommande(std::vector<std::string>(argv + 1, argv + argc));
    if (!lecture.Commande)
        return ErreurUsage(lecture.Erreur);
    const LigneCommande& commande = *lecture.Commande;
    const Cible* cible = commande.Cible ? TrouverCible(*commande.Cible) : nullptr;
    if (commande.Cible && !cible)
        return ErreurUsage("cible inconnue : " + *commande.Cible);

#ifdef VELMOR_IMAGES
    std::unique_ptr<ImagesFigures> images;
    std::function<void(const std::string&)> figureLue;
    if (commande.DossierImages) {
        std::string raison;
        images = ImagesFigures::Ouvrir(*commande.DossierImages, raison);
        if (!images) {
            std::fprintf(stderr, "velmor-analyse : dossier des images %s : %s\n",
                         Lisible(*commande.DossierImages).c_str(), raison.c_str());
            return static_cast<int>(CodeSortie::AvecFaute);
        }
        figureLue = [&images](const std::string& fichier) { images->Dessiner(fichier); };
    }
    const auto imagesEnFaute = [&images] { return images && images->EnFaute(); };
#else
    if (commande.DossierImages) {
        std::fprintf(stderr, "velmor-analyse : --image n'existe que dans la version de bureau\n");
        return static_cast<int>(CodeSortie::Usage);
    }
    const std::function<void(const std::string&)> figureLue;
    const auto imagesEnFaute = [] { return false; };
#endif

    Bilan bilan;
    switch (commande.Quoi) {
    case Demande::Aide:
        sortie.Ligne(std::string(Utilisation) + Aide);
        break;
    case Demande::Version:
        sortie.Ligne("velmor-analyse " VELMOR_VERSION);
        break;
    case Demande::Calcul:
        bilan = ModeCalcul(commande.Entrées, commande.Json, sortie);
        break;
    case Demande::Fichiers:
        bilan = ModeFichiers(commande.Entrées,
                             commande.Json  ? FormeSortie::Json
                             : commande.Csv ? FormeSortie::Csv
                                            : FormeSortie::Texte,
                             cible, figureLue, sortie);
        break;
    }
    if (!sortie.Terminer()) {
        std::fprintf(stderr, "velmor-analyse : écriture impossible sur la sortie standard (%s)\n",
                     RaisonSystème(sortie.Erreur()).c_str());
        return static_cast<int>(CodeSortie::AvecFaute);
    }
    if (commande.Quoi == Demande::Calcul || commande.Quoi == Demande::Fichiers)
        std::fprintf(stderr, "velmor-analyse : %s\n",
                     TexteBilan(commande.Quoi, bilan, cible != nullptr).c_str());
    const bool faute = bilan.Refusées > 0 || bilan.Ratées > 0 || imagesEnFaute();
    return static_cast<int>(faute ? CodeSortie::AvecFaute : CodeSortie::SansFaute);
}
