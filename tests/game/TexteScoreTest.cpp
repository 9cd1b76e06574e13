#include "game/TexteScore.h"

#include "model/Modulebas.h"

#include <gtest/gtest.h>

TEST(TexteScore, ChaqueNombreGardeLeBlancDuSigne)
{
    struct Cas {
        int Score, ScoreMax, Bonus;
        const char* Légende;
        const char* LabScore;
        const char* LabBonus;
    };
    const Cas cas[] = {
        {0, 0, 0, "Score :  0/ 0", " 0 /  0", " 0"},
        {2, 4, 1, "Score :  2/ 4", " 2 /  4", " 1"},
        {16, 20, 3, "Score :  16/ 20", " 16 /  20", " 3"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Légende);
        Modulebas m;
        m.Score = static_cast<std::uint8_t>(c.Score);
        m.ScoreMax = static_cast<std::uint8_t>(c.ScoreMax);
        m.Bonus = static_cast<std::uint8_t>(c.Bonus);
        EXPECT_EQ(LégendeScore(m), c.Légende);
        EXPECT_EQ(TexteLabScore(m), c.LabScore);
        EXPECT_EQ(TexteLabBonus(m), c.LabBonus);
    }
}

TEST(TexteScore, LeBonusGagneSEcritSansBlanc)
{
    Modulebas m;
    EXPECT_EQ(LégendeBonus(m), "Bonus :  0");
    m.Bonus = 2;
    EXPECT_EQ(LégendeBonusGagné(m), "Bonus : 2");
}

TEST(TexteScore, LImpressionNeSeTaitQuApresUnSucces)
{
    EXPECT_EQ(MessageImpression(RésultatImpression::Imprimé), std::nullopt);
    EXPECT_EQ(MessageImpression(RésultatImpression::Annulé),
              (MessageTitré{"Gestion sortie imprimante", "Impression annulée"}));
    EXPECT_EQ(MessageImpression(RésultatImpression::Erreur),
              (MessageTitré{"Gestion sortie imprimante", "Problème d'imprimante"}));
}
