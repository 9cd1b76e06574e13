#include "game/JugementCible.h"

#include "game/Minuscules.h"

namespace {

bool Contient(std::string_view texte, std::string_view motif)
{
    return texte.find(motif) != std::string_view::npos;
}

// Un losange est un parallélogramme : là où le parallélogramme est admis, le losange l'est aussi.
bool LosangeAdmis(const Cible& cible, std::string_view figure)
{
    return figure == "Losange" && cible.FigureAdmise == "Parallélogramme";
}

bool CibleAtteinte(const Cible& cible, std::string_view description, std::string_view figure,
                   std::string_view exclue)
{
    bool classeAdmise = Contient(figure, cible.FigureAdmise) || Contient(figure, cible.FigureDemandée);
    return (classeAdmise && !Contient(description, exclue)) || LosangeAdmis(cible, figure);
}

// Les trois explications d'un échec, essayées dans l'ordre ; plusieurs peuvent s'ajouter.
void ExpliquerÉchec(const Cible& cible, std::string& description, std::string_view figure,
                    std::string_view exclue)
{
    const std::string demande =
        " mais on demande un " + Minuscules(cible.FigureDemandée) + " qui ne soit pas " + std::string(exclue);

    // Le carré a toutes les propriétés : s'il est refusé, c'est qu'il a celle qu'on exclut.
    if (Contient(description, exclue) || (figure == "Carré" && exclue == "rectangle")) {
        description += demande;
        if (figure == "Carré") {
            if (exclue == "rectangle")
                description += " (donc pas un carré)";
            else if (exclue == "un rectangle" || exclue == "un losange")
                description += " (ni donc un carré)";
        }
    }
    // Rectangle et carré sont des trapèzes isocèles, même si leur phrase ne le dit pas.
    if (exclue == "isocèle" && (figure == "Rectangle" || figure == "Carré")) {
        description += demande;
        if (figure == "Rectangle")
            description += " (donc pas un rectangle)";
        else
            description += " (donc pas un carré)";
    }
    // De même pour le parallélogramme et le losange, sauf si l'on demande un angle droit.
    if (exclue == "isocèle" && !Contient(cible.FigureDemandée, "rectangle") &&
        (figure == "Parallélogramme" || figure == "Losange")) {
        description += demande;
        if (figure == "Parallélogramme")
            description += " (donc pas un parallélogramme)";
        else
            description += " (donc pas un losange)";
    }
}

} // namespace

JugementCible JugerFigure(const Cible& cible, std::string description, std::string_view figure)
{
    const std::string exclue = Minuscules(cible.PropriétéExclue);
    JugementCible jugement;
    jugement.Réussie = CibleAtteinte(cible, description, figure, exclue);
    if (jugement.Réussie) {
        // Une figure admise par sa seconde classe est présentée comme un cas de la cible.
        if (Contient(figure, cible.FigureAdmise) ||
            (Contient(figure, "Losange") && cible.FigureAdmise == "Parallélogramme"))
            description += " donc bien un " + Minuscules(cible.Nom);
    } else {
        ExpliquerÉchec(cible, description, figure, exclue);
    }
    jugement.Description = std::move(description);
    return jugement;
}
