// La vérification d'une classe dans la page : les figures que le professeur a choisies, copiées par la page
// dans le système de fichiers du programme, lues et jugées comme par velmor-analyse --cible NOM --csv.
#include "files/LectureFichier.h"
#include "files/RapportFigure.h"
#include "files/TableauCsv.h"
#include "game/ChoixCible.h"
#include "game/TableCibles.h"

#include <emscripten.h>
#include <emscripten/bind.h>

using emscripten::val;

namespace {

val Tableau(const std::vector<std::string>& textes)
{
    val tableau = val::array();
    for (const std::string& texte : textes)
        tableau.call<void>("push", texte);
    return tableau;
}

val NomsCibles()
{
    std::vector<std::string> noms;
    for (const Cible& cible : TableCibles)
        noms.emplace_back(cible.Nom);
    return Tableau(noms);
}

// fichiers : pour chaque figure, dans l'ordre du tableau, [nom choisi, chemin de sa copie]. Le fichier
// se rend en octets : un texte de JavaScript perdrait la marque d'ordre des octets du début.
val VérifierClasse(const val& fichiers, const std::string& nomCible)
{
    const Cible* cible = TrouverCible(nomCible);
    const bool avecCible = cible != nullptr;
    std::string csv = EnTêteCsv(avecCible) + "\n";
    val lignes = val::array();
    const auto nombre = fichiers["length"].as<unsigned>();
    for (unsigned i = 0; i < nombre; ++i) {
        const RapportFigure rapport =
            RapporterFigure(fichiers[i][0].as<std::string>(), fichiers[i][1].as<std::string>(), cible);
        csv += LigneCsv(rapport, avecCible) + "\n";
        lignes.call<void>("push", Tableau(CellulesCsv(rapport, avecCible)));
    }
    val résultat = val::object();
    résultat.set("colonnes", Tableau(ColonnesCsv(avecCible)));
    résultat.set("lignes", lignes);
    résultat.set("octets",
                 val::global("Uint8Array").new_(emscripten::typed_memory_view(csv.size(), csv.data())));
    return résultat;
}

} // namespace

// La page l'appelle pendant que le programme attend un évènement, suspendu par ASYNCIFY : une fonction
// d'embind y rendrait une promesse qui n'attend que la fin de cette suspension. Celle-ci, exportée telle
// quelle, lit la demande posée dans VelmorClasse et y pose son résultat.
extern "C" EMSCRIPTEN_KEEPALIVE void velmor_verifier_classe()
{
    val classe = val::global("VelmorClasse");
    const val demande = classe["demande"];
    classe.set("resultat", VérifierClasse(demande["fichiers"], demande["cible"].as<std::string>()));
}

// Lues au chargement, avant que main ne se suspende.
EMSCRIPTEN_BINDINGS(verification_classe)
{
    emscripten::constant("tailleMaxFichier", TailleMaxFichierTexte);
    emscripten::function("ciblesDuJeu", &NomsCibles);
}
