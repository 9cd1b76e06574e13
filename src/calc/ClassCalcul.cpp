#include "calc/ClassCalcul.h"

#include "calc/DecoupageCalcul.h"
#include "calc/EvaluationCalcul.h"
#include "calc/TexteCalcul.h"
#include "calc/VerificationCalcul.h"
#include "model/TexteNombre.h"

#include <algorithm>

namespace {

// Coupe, sans arrondir, ce qui dépasse les décimales voulues ; le point reste même sans décimale (12.).
std::string Couper(std::string texte, int décimales)
{
    const std::size_t point = texte.find('.');
    const std::size_t garder = static_cast<std::size_t>(std::max(décimales, 0));
    if (point != std::string::npos && texte.size() > point + 1 + garder)
        texte.resize(point + 1 + garder);
    return texte;
}

} // namespace

RésultatCalcul ClassCalcul::Calculer() const
{
    const TexteCalcul texte(chaîne);
    if (const auto faute = VérifierCalcul(texte))
        return {std::string(), {*faute}};
    const Découpage découpage = DécouperCalcul(texte);
    if (découpage.Faute)
        return {std::string(), {*découpage.Faute}};
    const Évaluation évaluation = ÉvaluerCalcul(texte, découpage.Jetons, décimales);
    if (!évaluation.Valeur)
        return {std::string(), évaluation.Fautes};
    const ValeurCalcul& valeur = *évaluation.Valeur;
    return {Couper(valeur.Tapé ? *valeur.Tapé : TexteDécimal(valeur.Nombre), décimales), évaluation.Fautes};
}

std::string ClassCalcul::ValeurChaîne() const
{
    RésultatCalcul résultat = Calculer();
    if (ErreurCarac)
        for (const FauteCalcul& faute : résultat.Fautes)
            ErreurCarac(faute.Position, faute.Code);
    return std::move(résultat.Texte);
}
