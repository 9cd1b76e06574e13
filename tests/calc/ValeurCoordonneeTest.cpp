#include "calc/ValeurCoordonnee.h"
#include "calc/ValeurNumerique.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

TEST(ValeurCoordonnee, CalculeADouzeDecimalesEtVautZeroEnFaute)
{
    const struct {
        const char* texte;
        double attendu;
    } cas[] = {
        {"RAC(2)", 1.414213562373},
        {"3,5", 3.5},
        {"(1+RAC(5))/2", 1.61803398875},
        {"1/3", 0.333333333333},
        {"-2^2", -4},
        {"8/2*4", 16},
        {"abc", 0},
        {"3a", 3},
        {"1 2", 12},
        {"", 0},
        {"(1+", 0},
        {"RAC(-4)", 0},
        {"1/0", 0},
        {"()+1", 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_DOUBLE_EQ(ValeurCoordonnée(c.texte), c.attendu);
    }
}

TEST(ValeurNumerique, LitLePlusLongNombreEnTete)
{
    const struct {
        const char* texte;
        double attendu;
    } cas[] = {
        {"12.5abc", 12.5}, {" 1 2 . 5", 12.5}, {"-3", -3},    {"+3", 3},      {"- 3", -3},
        {".5", 0.5},       {" .5", 0.5},       {"-.5", -0.5}, {"1E3", 1000},  {"1d3", 1000},
        {"2.5E-2", 0.025}, {"1E", 1},          {"1E+", 1},    {"1.2.3", 1.2}, {"abc", 0},
        {"", 0},           {"--3", 0},         {"1E-400", 0}, {"0", 0},       {"12.", 12},
        {"007.50", 7.5},   {"-2.25", -2.25},   {"3.", 3},     {"-.5", -0.5},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_DOUBLE_EQ(ValeurNumérique(c.texte), c.attendu);
    }
    EXPECT_EQ(ValeurNumérique("1E400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValeurNumérique("-1E400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValeurNumérique("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValeurNumérique("-1" + std::string(400, '0')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValeurNumérique("0." + std::string(400, '0') + "1"), 0);
    EXPECT_FALSE(std::signbit(ValeurNumérique("-0.0"))) << "zéro n'a pas de signe";
}
