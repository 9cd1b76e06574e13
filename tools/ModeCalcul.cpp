#include "ModeCalcul.h"

#include "EcritureJson.h"
#include "calc/ClassCalcul.h"
#include "calc/MessagesCalcul.h"
#include "calc/ValeurNumerique.h"
#include "model/Echappement.h"

namespace {

// Le nombre de décimales que prend partout le programme.
constexpr std::int16_t DécimalesCoordonnées = 12;

RésultatCalcul Calculer(const std::string& expression)
{
    ClassCalcul calcul;
    calcul.NbDécimales(DécimalesCoordonnées);
    calcul.ChaîneSaisie(expression);
    return calcul.Calculer();
}

// L'expression une seule fois, puis une ligne courte par faute : la sortie reste à la taille de l'entrée.
void ÉcrireTexte(const std::string& expression, const RésultatCalcul& résultat, SortieVérifiée& sortie)
{
    const bool sansRésultat = résultat.Texte.empty() && !résultat.SansFaute();
    sortie.Ligne(Lisible(expression + (sansRésultat ? " : sans résultat" : " = " + résultat.Texte)));
    for (const FauteCalcul& faute : résultat.Fautes)
        sortie.Ligne("  faute " + std::to_string(static_cast<int>(faute.Code)) + " en position " +
                     std::to_string(faute.Position) + " : " + std::string(MessageFaute(faute.Code)));
}

void ÉcrireJson(const std::string& expression, const RésultatCalcul& résultat, SortieVérifiée& sortie)
{
    std::vector<std::string> erreurs;
    for (const FauteCalcul& faute : résultat.Fautes)
        erreurs.push_back(TexteJson(ObjetJson{{"code", std::to_string(static_cast<int>(faute.Code))},
                                              {"position", std::to_string(faute.Position)},
                                              {"message", ChaîneJson(MessageFaute(faute.Code))}}));
    // La valeur de la coordonnée est celle du résultat à 12 décimales : inutile de tout recalculer.
    sortie.Ligne(TexteJson(ObjetJson{{"expression", ChaîneJson(expression)},
                                     {"resultat", ChaîneJson(résultat.Texte)},
                                     {"valeur", NombreJson(ValeurNumérique(résultat.Texte))},
                                     {"erreurs", TexteJson(erreurs)}}));
}

} // namespace

Bilan ModeCalcul(const std::vector<std::string>& expressions, bool json, SortieVérifiée& sortie)
{
    Bilan bilan;
    for (const std::string& expression : expressions) {
        if (sortie.EnFaute())
            break;
        const RésultatCalcul résultat = Calculer(expression);
        ++(résultat.SansFaute() ? bilan.Réussies : bilan.Refusées);
        if (json)
            ÉcrireJson(expression, résultat, sortie);
        else
            ÉcrireTexte(expression, résultat, sortie);
    }
    return bilan;
}
