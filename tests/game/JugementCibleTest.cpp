// Le verdict d'une cible d'après la phrase de l'analyse : velmor-analyse --cible le rend sans la fenêtre.
#include "game/JugementCible.h"
#include "game/Minuscules.h"
#include "support/TableCas.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(JugementCible, LeVerdictEtSonExplicationSuiventLaTable)
{
    for (const CasTable& c : LireTableCas("jeu-jugements.tsv")) {
        SCOPED_TRACE(c.Où);
        const auto cible = std::find_if(TableCibles.begin(), TableCibles.end(),
                                        [&](const Cible& t) { return t.Nom == c[0]; });
        ASSERT_NE(cible, TableCibles.end());
        const JugementCible jugement = JugerFigure(*cible, c[1], c[2]);
        EXPECT_EQ(jugement.Réussie, c[3] == "atteinte");
        EXPECT_EQ(jugement.Description, c[4]);
    }
}

// Le nom de cible tapé pour velmor-analyse peut être en capitales accentuées.
TEST(JugementCible, LesMinusculesGardentLesAccents)
{
    EXPECT_EQ(Minuscules("ÉTÉ À ÇA × Þ"), "été à ça × þ");
}
