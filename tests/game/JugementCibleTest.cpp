#include "game/JugementCible.h"

#include <gtest/gtest.h>

namespace {

enum Rang : std::size_t {
    TriangleRectangle = 0,
    TriangleIsocèle = 1,
    TrapèzeNonIsocèle = 2,
    TrapèzeIsocèle = 3,
    TrapèzeRectangle = 4,
    Parallélogramme = 5,
    CerfVolant = 6,
    Losange = 7,
    Rectangle = 8,
    Carré = 9,
};

struct Cas {
    const char* Nom;
    Rang Cible;
    const char* Description;
    const char* Figure;
    bool Réussie;
    const char* Attendu;
};

void Vérifier(const Cas& cas)
{
    SCOPED_TRACE(cas.Nom);
    JugementCible jugement = JugerFigure(TableCibles[cas.Cible], cas.Description, cas.Figure);
    EXPECT_EQ(jugement.Réussie, cas.Réussie);
    EXPECT_EQ(jugement.Description, cas.Attendu);
}

} // namespace

TEST(JugementCible, LaFigureDemandeeEstAccepteeTelleQuelle)
{
    const Cas cas[] = {
        {"triangle rectangle", TriangleRectangle, "ABC est un triangle rectangle", "Triangle rectangle", true,
         "ABC est un triangle rectangle"},
        {"triangle rectangle isocèle pour un triangle rectangle", TriangleRectangle,
         "ABC est un triangle rectangle isocèle en A", "Triangle rectangle isocèle en A", true,
         "ABC est un triangle rectangle isocèle en A"},
        {"triangle isocèle en B", TriangleIsocèle, "ABC est un triangle isocèle en B",
         "Triangle isocèle en B", true, "ABC est un triangle isocèle en B"},
        {"trapèze rectangle pour un trapèze non isocèle", TrapèzeNonIsocèle, "ABCD est un trapèze rectangle",
         "Trapèze rectangle", true, "ABCD est un trapèze rectangle"},
        {"trapèze rectangle", TrapèzeRectangle, "EFGH est un trapèze rectangle", "Trapèze rectangle", true,
         "EFGH est un trapèze rectangle"},
        {"carré", Carré, "ABCD est un carré", "Carré", true, "ABCD est un carré"},
    };
    for (const Cas& c : cas)
        Vérifier(c);
}

TEST(JugementCible, LaSecondeClasseEstExpliqueeCommeUnCasDeLaCible)
{
    const Cas cas[] = {
        {"équilatéral pour un isocèle", TriangleIsocèle, "ABC est un triangle équilatéral",
         "Triangle équilatéral", true,
         "ABC est un triangle équilatéral donc bien un triangle isocèle non rectangle"},
        {"losange pour un parallélogramme", Parallélogramme, "ABCD est un losange", "Losange", true,
         "ABCD est un losange donc bien un parallélogramme pas un rectangle"},
        {"parallélogramme pour un trapèze isocèle", TrapèzeIsocèle, "ABCD est un parallélogramme",
         "Parallélogramme", true, "ABCD est un parallélogramme donc bien un trapèze isocèle non rectangle"},
        {"losange pour un trapèze isocèle", TrapèzeIsocèle, "ABCD est un losange", "Losange", true,
         "ABCD est un losange donc bien un trapèze isocèle non rectangle"},
    };
    for (const Cas& c : cas)
        Vérifier(c);
}

TEST(JugementCible, UnRefusDitCeQueLonDemande)
{
    const Cas cas[] = {
        {"parallélogramme pour un trapèze non isocèle", TrapèzeNonIsocèle, "ABCD est un parallélogramme",
         "Parallélogramme", false,
         "ABCD est un parallélogramme mais on demande un trapèze qui ne soit pas isocèle (donc pas un "
         "parallélogramme)"},
        {"losange pour un trapèze non isocèle", TrapèzeNonIsocèle, "ABCD est un losange", "Losange", false,
         "ABCD est un losange mais on demande un trapèze qui ne soit pas isocèle (donc pas un losange)"},
        {"rectangle pour un trapèze non isocèle", TrapèzeNonIsocèle, "ABCD est un rectangle", "Rectangle",
         false,
         "ABCD est un rectangle mais on demande un trapèze qui ne soit pas isocèle (donc pas un rectangle)"},
        {"carré pour un trapèze non isocèle", TrapèzeNonIsocèle, "ABCD est un carré", "Carré", false,
         "ABCD est un carré mais on demande un trapèze qui ne soit pas isocèle (donc pas un carré)"},
        {"trapèze isocèle pour un trapèze non isocèle", TrapèzeNonIsocèle, "ABCD est un trapèze isocèle",
         "Trapèze isocèle", false,
         "ABCD est un trapèze isocèle mais on demande un trapèze qui ne soit pas isocèle"},
        {"carré pour un trapèze isocèle non rectangle", TrapèzeIsocèle, "ABCD est un carré", "Carré", false,
         "ABCD est un carré mais on demande un trapèze isocèle qui ne soit pas rectangle (donc pas un "
         "carré)"},
        {"rectangle pour un trapèze isocèle non rectangle", TrapèzeIsocèle, "ABCD est un rectangle",
         "Rectangle", false,
         "ABCD est un rectangle mais on demande un trapèze isocèle qui ne soit pas rectangle"},
        {"carré pour un trapèze rectangle non isocèle", TrapèzeRectangle, "ABCD est un carré", "Carré", false,
         "ABCD est un carré mais on demande un trapèze rectangle qui ne soit pas isocèle (donc pas un "
         "carré)"},
        {"rectangle isocèle pour un triangle isocèle", TriangleIsocèle,
         "ABC est un triangle rectangle isocèle en A", "Triangle rectangle isocèle en A", false,
         "ABC est un triangle rectangle isocèle en A mais on demande un triangle isocèle qui ne soit pas "
         "rectangle"},
        {"rectangle pour un parallélogramme", Parallélogramme, "ABCD est un rectangle", "Rectangle", false,
         "ABCD est un rectangle mais on demande un parallélogramme qui ne soit pas un rectangle"},
        {"losange pour un cerf-volant", CerfVolant, "ABCD est un losange", "Losange", false,
         "ABCD est un losange mais on demande un cerf-volant qui ne soit pas un losange"},
        {"carré pour un losange", Losange, "ABCD est un carré", "Carré", false,
         "ABCD est un carré mais on demande un losange qui ne soit pas un carré"},
        {"carré pour un rectangle", Rectangle, "ABCD est un carré", "Carré", false,
         "ABCD est un carré mais on demande un rectangle qui ne soit pas un carré"},
    };
    for (const Cas& c : cas)
        Vérifier(c);
}

TEST(JugementCible, SansExplicationLaPhraseResteCelleDeLaFigure)
{
    const Cas cas[] = {
        // Le trapèze rectangle est demandé : un parallélogramme n'a pas d'angle droit à expliquer.
        {"parallélogramme pour un trapèze rectangle", TrapèzeRectangle, "ABCD est un parallélogramme",
         "Parallélogramme", false, "ABCD est un parallélogramme"},
        // La phrase du carré ne dit pas « un rectangle » : le refus n'a pas d'explication.
        {"carré pour un parallélogramme", Parallélogramme, "ABCD est un carré", "Carré", false,
         "ABCD est un carré"},
        {"triangle quelconque pour un triangle rectangle", TriangleRectangle, "ABC est un triangle",
         "Triangle", false, "ABC est un triangle"},
        {"quadrilatère croisé pour un carré", Carré, "ABCD est un quadrilatère croisé", "Quadrilatère croisé",
         false, "ABCD est un quadrilatère croisé"},
        {"figure non fermée", Losange, "ABCD n'est pas un quadrilatère (la figure n'est pas fermée)",
         "Pas un quadrilatère", false, "ABCD n'est pas un quadrilatère (la figure n'est pas fermée)"},
    };
    for (const Cas& c : cas)
        Vérifier(c);
}
