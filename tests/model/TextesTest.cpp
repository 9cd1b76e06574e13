// Les textes que le programme écrit ou relit : nombres, et octets Windows-1252 des fichiers.
#include "model/TexteNombre.h"
#include "model/Windows1252.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

TEST(Textes, EcritLesDeuxFormesDeChaqueNombreDeLaTable)
{
    for (const CasTable& cas : LireTableCas("textes-nombres.tsv")) {
        SCOPED_TRACE(cas.Où);
        EXPECT_EQ(TexteNumérique(std::stod(cas[0])), cas[1]);
        EXPECT_EQ(TexteDécimal(std::stod(cas[0])), cas[2]);
    }
    const double infini = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TexteNumérique(infini), " 1.#INF");
    EXPECT_EQ(TexteNumérique(-infini), "-1.#INF");
    EXPECT_EQ(TexteDécimal(std::numeric_limits<double>::quiet_NaN()), "-1.#IND");
}

TEST(Textes, ChaqueOctetWindows1252SurvitALAllerRetourParUtf8)
{
    std::string octets;
    for (int i = 0; i < 256; ++i)
        octets += static_cast<char>(i);
    EXPECT_EQ(Utf8VersWindows1252(Windows1252VersUtf8(octets)), octets);
    EXPECT_EQ(Windows1252VersUtf8("rep\xE8re \x80 \xABx\xBB \x92 c\x9Cur"), "repère € «x» ’ cœur");
}

// Ce qui ne peut pas s'écrire devient un point d'interrogation, un seul par caractère.
TEST(Textes, EcritEnWindows1252CeQuiPeutLEtre)
{
    const std::pair<std::string, std::string> cas[] = {
        {"repère € «x» ’ cœur", "rep\xE8re \x80 \xABx\xBB \x92 c\x9Cur"},
        {"α=1", "?=1"},
        {"\xF0\x9F\x98\x80!", "?!"}, // hors du plan de base
        {"a\xC3", "a?"},             // séquence coupée
        {"\x80x", "?x"},             // octet de suite isolé
        {"1\xC0\xAC"
         "5",
         "1?5"}, // virgule en forme trop longue
    };
    for (const auto& [utf8, octets] : cas)
        EXPECT_EQ(Utf8VersWindows1252(utf8), octets) << utf8;
}
