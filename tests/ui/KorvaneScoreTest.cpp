// L'image du score de la fenêtre principale : elle n'ouvre la fenêtre du score qu'une fois une cible choisie.
#include "support/PlateformeScriptee.h"
#include "ui/FormScore.h"
#include "ui/Korvane.h"

#include <gtest/gtest.h>

TEST(KorvaneScore, LImageDuScoreNOuvreLaFenetreQuUneFoisUneCibleChoisie)
{
    struct Cas {
        const char* nom;
        std::uint8_t scoreMax;
        bool ouverte;
        std::string labScore;
    };
    const std::vector<Cas> cas = {
        {"avant toute cible", 0, false, ""},
        {"première cible choisie", 2, true, " 2 /  2"},
        {"fin de partie", 20, true, " 20 /  20"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Modulebas m;
        PlateformeScriptée plateforme;
        Korvane k(m, plateforme);
        k.Form_Load();
        m.ScoreMax = c.scoreMax;
        m.Score = c.scoreMax;
        std::string scoreVu;
        if (c.ouverte)
            plateforme.QuandSOuvre<FormScore>([&](FormScore& f) { scoreVu = f.LabScore.Caption; });

        k.Survoler(k.ImaBton);
        EXPECT_EQ(k.ImaBton.MousePointer, c.ouverte ? Pointeur::Personnalisé : Pointeur::Normal);
        k.Cliquer(k.ImaBton);
        EXPECT_EQ(plateforme.FenêtresOuvertes.size(), c.ouverte ? 1u : 0u);
        if (c.ouverte) {
            EXPECT_EQ(plateforme.FenêtresOuvertes[0], GenreFenêtre<FormScore>());
            EXPECT_EQ(scoreVu, c.labScore);
        }
    }
}
