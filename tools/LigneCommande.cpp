#include "LigneCommande.h"

LectureLigneCommande LireLigneCommande(const std::vector<std::string>& arguments)
{
    LigneCommande commande;
    bool calcul = false;
    bool fichiersSeulement = false;
    std::vector<std::string> fichiers;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (fichiersSeulement || argument->empty() || *argument == "-" || argument->front() != '-') {
            fichiers.push_back(*argument);
        } else if (*argument == "--calcul") {
            calcul = true;
            commande.Entrées.assign(argument + 1, arguments.end());
            break;
        } else if (*argument == "--help" || *argument == "-h") {
            return {LigneCommande{Demande::Aide, false, false, {}, {}, {}}, {}};
        } else if (*argument == "--version" || *argument == "-v") {
            return {LigneCommande{Demande::Version, false, false, {}, {}, {}}, {}};
        } else if (*argument == "--json") {
            commande.Json = true;
        } else if (*argument == "--csv") {
            commande.Csv = true;
        } else if (*argument == "--cible") {
            if (++argument == arguments.end())
                return {std::nullopt, "un nom de cible après --cible"};
            commande.Cible = *argument;
        } else if (*argument == "--image") {
            if (++argument == arguments.end())
                return {std::nullopt, "un dossier après --image"};
            commande.DossierImages = *argument;
        } else if (*argument == "--") {
            fichiersSeulement = true;
        } else {
            return {std::nullopt, "option inconnue : " + *argument};
        }
    }
    if (commande.Json && commande.Csv)
        return {std::nullopt, "--json ou --csv, pas les deux"};
    if (calcul && commande.Csv)
        return {std::nullopt, "--csv résume des fichiers, pas des calculs"};
    if (calcul && commande.Cible)
        return {std::nullopt, "--cible juge des fichiers, pas des calculs"};
    if (calcul && commande.DossierImages)
        return {std::nullopt, "--image dessine des fichiers, pas des calculs"};
    if (calcul && !fichiers.empty())
        return {std::nullopt, "des fichiers ou --calcul, pas les deux"};
    if (calcul && commande.Entrées.empty())
        return {std::nullopt, "aucune expression après --calcul"};
    if (!calcul && fichiers.empty())
        return {std::nullopt, "ni fichier ni --calcul"};
    if (calcul)
        commande.Quoi = Demande::Calcul;
    else
        commande.Entrées = std::move(fichiers);
    return {std::move(commande), {}};
}
