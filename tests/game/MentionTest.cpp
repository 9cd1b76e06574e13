#include "game/Mention.h"

#include "model/Modulebas.h"

#include <gtest/gtest.h>

TEST(Mention, LElogeSuitLeScoreEtLEcart)
{
    struct Cas {
        int Score;
        int ScoreMax;
        std::optional<std::string> Mention;
    };
    const Cas cas[] = {
        {2, 2, "Bon début !"},    {4, 4, "Très bon début !"}, {6, 6, std::nullopt},
        {8, 8, "Super !"},        {10, 10, std::nullopt},     {12, 12, "Formidable !"},
        {16, 16, "Magnifique !"}, {18, 18, "Excellent !"},    {20, 20, std::nullopt},
        {2, 4, "Moyen !"},        {4, 6, "Assez bien !"},     {6, 8, "Bien !"},
        {8, 10, "Très Bien !"},   {16, 18, "Très Bien !"},    {2, 6, "Insuffisant !"},
        {4, 8, "Moyen !"},        {6, 10, "Moyen !"},         {8, 12, "Bien !"},
        {10, 14, "Bien !"},       {12, 16, "Très bien !"},    {10, 16, "Moyen !"},
        {14, 20, "Bien !"},       {10, 20, "Moyen !"},        {2, 20, "Insuffisant !"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::to_string(c.Score) + "/" + std::to_string(c.ScoreMax));
        EXPECT_EQ(ChoisirMention(static_cast<std::uint8_t>(c.Score), static_cast<std::uint8_t>(c.ScoreMax)),
                  c.Mention);
    }
}

TEST(Mention, LaNoteFinaleMontreUneFenetreParBandeQuiTient)
{
    struct Cas {
        int Score;
        std::vector<std::string> Messages;
        std::string Mention;
    };
    const Cas cas[] = {
        {20, {"Excellent, toutes les figures ont été construites avec succès !"}, "Excellent !"},
        {18, {"Très bien, pratiquement toutes les figures ont été construites avec succès !"}, "Très bien"},
        {16, {"Bien, presque toutes les figures ont été construites avec succès !"}, "Bien"},
        {14,
         {"Assez bien, un assez grand nombre de figures ont été construites avec succès !"},
         "Assez bien"},
        {10,
         {"Assez bien, un assez grand nombre de figures ont été construites avec succès !"},
         "Assez bien"},
        {8, {"Très moyen, pas assez de figures ont été construites avec succès !"}, "Très moyen"},
        {6, {"Très moyen, pas assez de figures ont été construites avec succès !"}, "Très moyen"},
        {4, {"Insuffisant, trop peu de figures ont été construites avec succès !"}, "Insuffisant"},
        {0,
         {"Insuffisant, trop peu de figures ont été construites avec succès !",
          "Aucune figure construite avec succès !"},
         "Aucun résultat"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Score);
        Modulebas m;
        m.Score = static_cast<std::uint8_t>(c.Score);
        m.ScoreMax = 20;
        m.Mention = "Super !";
        std::vector<MessageTitré> fenêtres = NoteFinale(m);
        ASSERT_EQ(fenêtres.size(), c.Messages.size());
        for (std::size_t i = 0; i < fenêtres.size(); ++i) {
            EXPECT_EQ(fenêtres[i].Titre, "Fin de la construction de figures");
            EXPECT_EQ(fenêtres[i].Texte, c.Messages[i]);
        }
        EXPECT_EQ(m.Mention, c.Mention);
    }
}
