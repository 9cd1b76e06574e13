#include "model/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, ChaqueOctetSurvitALAllerRetour)
{
    std::string octets;
    for (int i = 0; i < 256; ++i)
        octets += static_cast<char>(i);
    EXPECT_EQ(Utf8VersWindows1252(Windows1252VersUtf8(octets)), octets);
}

TEST(Windows1252, ConvertitLesCaracteresDuProgramme)
{
    struct Cas {
        const char* nom;
        std::string utf8;
        std::string octets;
    };
    const Cas cas[] = {
        {"accents des mots-clés", "repère précision",
         "rep\xE8re pr\xE9"
         "cision"},
        {"euro et guillemets", "€ «x» ’", "\x80 \xABx\xBB \x92"},
        {"œ de la plage 0x80", "cœur", "c\x9Cur"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(Utf8VersWindows1252(c.utf8), c.octets);
        EXPECT_EQ(Windows1252VersUtf8(c.octets), c.utf8);
    }
}

TEST(Windows1252, CeQuiNePeutPasSEcrireDevientUnPointDInterrogation)
{
    struct Cas {
        const char* nom;
        std::string utf8;
        std::string octets;
    };
    const Cas cas[] = {
        {"lettre grecque", "α=1", "?=1"},
        {"caractère hors du plan de base", "\xF0\x9F\x98\x80!", "?!"},
        {"séquence coupée", "a\xC3", "a?"},
        {"octet de suite isolé", "\x80x", "?x"},
        {"virgule en forme trop longue",
         "1\xC0\xAC"
         "5",
         "1?5"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(Utf8VersWindows1252(c.utf8), c.octets);
    }
}
