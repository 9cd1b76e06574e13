// Les textes que le programme écrit ou relit : nombres, et octets Windows-1252 des fichiers.
#include "model/TexteNombre.h"
#include "model/Windows1252.h"
#include "support/TableCas.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

double DoubleDeBits(const std::string& hexa)
{
    std::uint64_t bits = 0;
    std::from_chars(hexa.data(), hexa.data() + hexa.size(), bits, 16);
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string BitsDe(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof v);
    char hexa[17];
    const auto fin = std::to_chars(hexa, hexa + sizeof hexa, bits, 16).ptr;
    const std::string texte(hexa, fin);
    return std::string(16 - texte.size(), '0') + texte;
}

// Comparée comme std::errc : ses valeurs entières ne sont pas celles du navigateur.
std::string NomErreur(std::errc erreur)
{
    if (erreur == std::errc())
        return "ok";
    return erreur == std::errc::invalid_argument ? "invalid_argument" : "result_out_of_range";
}

} // namespace

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

// La même table au bureau (to_chars et from_chars) et sous node (la bibliothèque C du navigateur).
TEST(Textes, LesDoublesSEcriventEtSeLisentCommeAvecCharconv)
{
    for (const CasTable& cas : LireTableCas("chiffres-doubles.tsv")) {
        SCOPED_TRACE(cas.Où);
        if (cas[0] == "lire") {
            double valeur = 42;
            const auto [fin, erreur] = LireDouble(cas[1].data(), cas[1].data() + cas[1].size(), valeur);
            EXPECT_EQ(NomErreur(erreur), cas[2]);
            EXPECT_EQ(fin - cas[1].data(), std::stol(cas[3]));
            EXPECT_EQ(BitsDe(valeur), cas[4]);
            continue;
        }
        char tampon[1200];
        char* const bout = tampon + sizeof tampon;
        const double v = DoubleDeBits(cas[1]);
        const std::size_t espace = cas[0].find(' ');
        const int précision = espace == std::string::npos ? 0 : std::stoi(cas[0].substr(espace + 1));
        const char* fin = cas[0] == "court" ? ÉcrireScientifique(tampon, bout, v).ptr
                          : cas[0].starts_with("scientifique")
                              ? ÉcrireScientifique(tampon, bout, v, précision).ptr
                              : ÉcrireFixe(tampon, bout, v, précision).ptr;
        EXPECT_EQ(std::string_view(tampon, static_cast<std::size_t>(fin - tampon)), cas[2]);
    }
}

// Chaque octet revient de son aller-retour par UTF-8 ; ce qui ne peut pas s'écrire devient un point
// d'interrogation, un seul par caractère.
TEST(Textes, EcritEnWindows1252CeQuiPeutLEtreEtChaqueOctetRevientParUtf8)
{
    std::string tous;
    for (int i = 0; i < 256; ++i)
        tous += static_cast<char>(i);
    EXPECT_EQ(Utf8VersWindows1252(Windows1252VersUtf8(tous)), tous);
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
