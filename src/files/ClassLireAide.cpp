#include "files/ClassLireAide.h"

#include "files/LectureFichier.h"
#include "files/SommaireAide.h"
#include "files/TexteFichier.h"
#include "model/AfficherMessage.h"

#include <algorithm>

namespace {

constexpr std::string_view FinAide = "</Aide>";

} // namespace

RubriqueLue RubriqueDesLignes(const LignesTexte& lignes, const std::string& titre)
{
    const auto ouvrante = "<" + titre + ">";
    const auto fermante = "</" + titre + ">";
    // La première ligne est la racine : on ne la lit pas.
    auto ligne = lignes.begin();
    if (ligne != lignes.end())
        ++ligne;
    while (ligne != lignes.end() && !(*ligne).starts_with(ouvrante) && *ligne != FinAide)
        ++ligne;
    if (ligne == lignes.end())
        return {};
    if (*ligne == FinAide)
        return {"", true};
    // On recueille les lignes jusqu'à celle qui finit par la balise de fin ; à la fin du fichier,
    // ce qui est recueilli sert tel quel.
    std::string recueil(*ligne);
    while (!recueil.ends_with(fermante) && ++ligne != lignes.end()) {
        recueil += '\n';
        recueil += *ligne;
    }
    // Le texte commence après la balise et le saut de ligne qui la suit.
    auto début = ouvrante.size();
    if (début < recueil.size() && recueil[début] == '\n')
        ++début;
    const auto fin = std::min(recueil.find(fermante, début), recueil.size());
    return {recueil.substr(début, fin - début), false};
}

ClassLireAide::ClassLireAide(Modulebas& m, Messagerie& messagerie) : m(m), messagerie(messagerie) {}

void ClassLireAide::CheminAide(std::filesystem::path chemin)
{
    cheminAide = std::move(chemin);
}

void ClassLireAide::ChaîneBalise(std::string titre)
{
    chaîneBalise = std::move(titre);
}

std::string ClassLireAide::ChaîneAide()
{
    const FichierLu fichier = LireOctetsFichier(cheminAide);
    const auto rubrique =
        fichier.Octets ? RubriqueDesLignes(LignesDuFichier(*fichier.Octets), chaîneBalise) : RubriqueLue{};
    if (rubrique.Manquante)
        AfficherMessage(m, messagerie, std::string(TitreLectureAide), std::string(TexteRubriqueManquante));
    return rubrique.Texte;
}
