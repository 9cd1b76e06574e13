#include "model/TexteNombre.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

TEST(TexteNombre, EcritLesDeuxFormesDuMemeNombre)
{
    const struct {
        double v;
        const char* général;
        std::string décimal;
    } cas[] = {
        {1, " 1", "1"},
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {0.5, " .5", "0.5"},
        {-0.5, "-.5", "-0.5"},
        {1.28, " 1.28", "1.28"},
        {0.81, " .81", "0.81"},
        {-12.25, "-12.25", "-12.25"},
        {1.0 / 3, " .333333333333333", "0.333333333333333"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {0.1 + 0.2, " .3", "0.3"},
        {123456789012345, " 123456789012345", "123456789012345"},
        {999999999999999.9, " 1E+15", "1000000000000000"},
        {1234567890123456, " 1.23456789012346E+15", "1234567890123460"},
        {0.0001, " .0001", "0.0001"},
        {0.00001, " 1E-05", "0.00001"},
        {-2.5e-7, "-2.5E-07", "-0.00000025"},
        {1e100, " 1E+100", "1" + std::string(100, '0')},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.décimal);
        EXPECT_EQ(TexteNumérique(c.v), c.général);
        EXPECT_EQ(TexteDécimal(c.v), c.décimal);
    }
}

TEST(TexteNombre, EcritLesNombresNonFinisSansPlanter)
{
    const double infini = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TexteNumérique(infini), " 1.#INF");
    EXPECT_EQ(TexteNumérique(-infini), "-1.#INF");
    EXPECT_EQ(TexteDécimal(std::numeric_limits<double>::quiet_NaN()), "-1.#IND");
}
