#include "files/SommaireAide.h"

#include "files/LectureFichier.h"
#include "files/TexteFichier.h"

namespace {

// Le titre de la balise ouverte par le premier « < » de la ligne, rien si la ligne n'en ouvre pas.
std::optional<std::string> TitreDeLaLigne(std::string_view ligne)
{
    const auto début = ligne.find('<');
    if (début == std::string_view::npos)
        return std::nullopt;
    const auto suite = ligne.substr(début, 2);
    // « x < 3 », « x <= 3 » et les balises de fin ne sont pas des titres.
    if (suite == "< " || suite == "<=" || suite == "</")
        return std::nullopt;
    const auto fin = ligne.find('>', début);
    // Un « < » sans « > » sur sa ligne ne forme pas de balise : la ligne est sautée.
    if (fin == std::string_view::npos)
        return std::nullopt;
    return std::string(ligne.substr(début + 1, fin - début - 1));
}

} // namespace

SommaireAide SommaireDesLignes(const LignesTexte& lignes)
{
    SommaireAide sommaire;
    for (const std::string_view ligne : lignes) {
        auto titre = TitreDeLaLigne(ligne);
        if (!titre)
            continue;
        if (sommaire.Titres.size() > MaxRubriquesAide) {
            sommaire.Message = MessageTitré{std::string(TitreLectureAide), std::string(TexteTropDeRubriques)};
            break;
        }
        sommaire.Titres.push_back(std::move(*titre));
    }
    return sommaire;
}

SommaireAide LireSommaireAide(const std::filesystem::path& chemin)
{
    const FichierLu fichier = LireOctetsFichier(chemin);
    if (!fichier.Octets) {
        SommaireAide introuvable;
        introuvable.Message = MessageTitré{std::string(TitreLectureAide),
                                           "Le fichier des aides " + chemin.string() + " est introuvable."};
        return introuvable;
    }
    return SommaireDesLignes(LignesDuFichier(*fichier.Octets));
}
