#include "model/TableauBase1.h"

#include <gtest/gtest.h>
#include <string>

TEST(TableauBase1, AgrandirGardeLeContenuEtCommenceAUn)
{
    TableauBase1<std::string> tableau(10);
    for (std::size_t i = 1; i <= 10; ++i)
        tableau[i] = std::to_string(i);
    tableau.Redimensionner(20);
    EXPECT_EQ(tableau.Dimension(), 20u);
    EXPECT_EQ(tableau[1], "1");
    EXPECT_EQ(tableau[10], "10");
    EXPECT_EQ(tableau[20], "");
    EXPECT_THROW(tableau[0], std::out_of_range);
}
