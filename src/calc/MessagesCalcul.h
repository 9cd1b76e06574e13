// Les textes qui expliquent à l'élève les fautes de son calcul.
#pragma once

#include "calc/FauteCalcul.h"

#include <string_view>

inline constexpr std::string_view TitreAnalyseCalcul = "Analyse du calcul";

inline constexpr std::string_view MessageOpérationsDeSuite =
    "Il y a deux opérations de suite sans nombre entre ou une opération et un signe sans parenthèse.";
inline constexpr std::string_view MessageSignesDeSuite = "Il manque des parenhèses entre deux signes + ou -";
inline constexpr std::string_view MessageFermanteManquante = "Il manque au moins une parenthèse fermante.";
inline constexpr std::string_view MessageOuvranteManquante = "Il manque au moins une parenthèse ouvrante.";
inline constexpr std::string_view MessageFonctionSansParenthèse =
    "La fonction Rac (Racine carrée) doit avoir des parenthèses, par exemple Rac(4).";
inline constexpr std::string_view MessageRacineNégative =
    "On ne peut pas calculer la racine carrée d'un nombre négatif.";
inline constexpr std::string_view MessageParenthèsesVides = "Il y a des parenthèses vides.";
inline constexpr std::string_view MessageCalculImpossible =
    "Ce calcul ne peut pas être effectué (division par zéro, "
    "tangente de 90°, puissance impossible ou nombre trop grand).";

constexpr std::string_view MessageFaute(CodeFaute code)
{
    switch (code) {
    case CodeFaute::OpérationsDeSuite:
        return MessageOpérationsDeSuite;
    case CodeFaute::SignesDeSuite:
        return MessageSignesDeSuite;
    case CodeFaute::FermanteManquante:
        return MessageFermanteManquante;
    case CodeFaute::OuvranteManquante:
        return MessageOuvranteManquante;
    case CodeFaute::FonctionSansParenthèse:
        return MessageFonctionSansParenthèse;
    case CodeFaute::RacineNégative:
        return MessageRacineNégative;
    case CodeFaute::ParenthèsesVides:
        return MessageParenthèsesVides;
    case CodeFaute::CalculImpossible:
        return MessageCalculImpossible;
    }
    return {};
}

// Des parenthèses vides ne font que prévenir ; toutes les autres fautes sont graves.
enum class IcôneFaute { Critique, Information };

constexpr IcôneFaute IcôneDeFaute(CodeFaute code)
{
    return code == CodeFaute::ParenthèsesVides ? IcôneFaute::Information : IcôneFaute::Critique;
}
