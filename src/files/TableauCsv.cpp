#include "files/TableauCsv.h"

#include "model/Echappement.h"

#include <string_view>

namespace {

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

std::string Joindre(const std::vector<std::string>& champs)
{
    std::string ligne;
    for (std::size_t i = 0; i < champs.size(); ++i)
        ligne += (i > 0 ? ";" : "") + ChampCsv(champs[i]);
    return ligne;
}

} // namespace

std::vector<std::string> ColonnesCsv(bool avecCible)
{
    std::vector<std::string> colonnes{"fichier", "figure", "phrase"};
    if (avecCible)
        colonnes.insert(colonnes.end(), {"verdict", "explication"});
    return colonnes;
}

std::vector<std::string> CellulesCsv(const RapportFigure& rapport, bool avecCible)
{
    std::string phrase = rapport.Erreur        ? "Refusé : " + *rapport.Erreur
                         : rapport.Description ? *rapport.Description + "."
                                               : std::string("Aucun polygone.");
    std::vector<std::string> cellules{rapport.Fichier, rapport.Figure.value_or(""), std::move(phrase)};
    if (avecCible) {
        const bool atteinte = rapport.Verdict && rapport.Verdict->Réussie;
        cellules.push_back(atteinte ? "atteinte" : "ratée");
        cellules.push_back(rapport.Verdict ? rapport.Verdict->Description + "." : std::string());
    }
    return cellules;
}

// La marque d'ordre des octets dit UTF-8 à un tableur français, et « ; » y sépare les colonnes.
std::string EnTêteCsv(bool avecCible)
{
    return "\xEF\xBB\xBF" + Joindre(ColonnesCsv(avecCible));
}

std::string LigneCsv(const RapportFigure& rapport, bool avecCible)
{
    return Lisible(Joindre(CellulesCsv(rapport, avecCible)));
}
