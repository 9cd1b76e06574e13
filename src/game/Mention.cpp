#include "game/Mention.h"

#include "model/Modulebas.h"

#include <array>

namespace {

std::optional<std::string> ÉlogeSansFaute(int a)
{
    switch (a) {
    case 2:
        return "Bon début !";
    case 4:
        return "Très bon début !";
    case 8:
        return "Super !";
    case 12:
        return "Formidable !";
    case 16:
        return "Magnifique !";
    case 18:
        return "Excellent !";
    default:
        return std::nullopt;
    }
}

std::string ÉlogeUneCibleManquée(int a)
{
    if (a == 2)
        return "Moyen !";
    if (a <= 4)
        return "Assez bien !";
    if (a <= 6)
        return "Bien !";
    return "Très Bien !";
}

std::string ÉlogeSelonÉcart(int a, int d)
{
    if (a <= d - 1)
        return "Insuffisant !";
    if (a <= 2 * d - 1)
        return "Moyen !";
    if (a <= 2.5 * d)
        return "Bien !";
    return "Très bien !";
}

struct Bande {
    bool (*Tient)(int a);
    const char* Message;
    const char* Mention;
};

// Les bandes sont testées toutes, dans l'ordre : à 0 point, « a < 6 » et « a = 0 » tiennent ensemble.
constexpr std::array<Bande, 7> Bandes{{
    {[](int a) { return a == 20; }, "Excellent, toutes les figures ont été construites avec succès !",
     "Excellent !"},
    {[](int a) { return a >= 18 && a < 20; },
     "Très bien, pratiquement toutes les figures ont été construites avec succès !", "Très bien"},
    {[](int a) { return a >= 15 && a < 18; },
     "Bien, presque toutes les figures ont été construites avec succès !", "Bien"},
    {[](int a) { return a >= 10 && a < 15; },
     "Assez bien, un assez grand nombre de figures ont été construites avec succès !", "Assez bien"},
    {[](int a) { return a >= 6 && a < 10; },
     "Très moyen, pas assez de figures ont été construites avec succès !", "Très moyen"},
    {[](int a) { return a < 6; }, "Insuffisant, trop peu de figures ont été construites avec succès !",
     "Insuffisant"},
    {[](int a) { return a == 0; }, "Aucune figure construite avec succès !", "Aucun résultat"},
}};

} // namespace

std::optional<std::string> ChoisirMention(std::uint8_t score, std::uint8_t scoreMax)
{
    const int a = score;
    const int d = scoreMax - score;
    if (d == 0)
        return ÉlogeSansFaute(a);
    if (d == 2)
        return ÉlogeUneCibleManquée(a);
    if (d >= 3)
        return ÉlogeSelonÉcart(a, d);
    return std::nullopt;
}

std::vector<MessageTitré> NoteFinale(Modulebas& m)
{
    std::vector<MessageTitré> fenêtres;
    for (const Bande& bande : Bandes) {
        if (bande.Tient(m.Score)) {
            fenêtres.push_back({TitreFinDuJeu, bande.Message});
            m.Mention = bande.Mention;
        }
    }
    return fenêtres;
}
