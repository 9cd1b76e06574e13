// L'image du score de la fenêtre principale : elle n'ouvre la fenêtre du score qu'une fois une cible choisie.
#include "support/KorvaneOuverte.h"
#include "ui/FormScore.h"

using KorvaneScore = KorvaneOuverte;

TEST_F(KorvaneScore, LImageDuScoreNOuvreLaFenetreQuUneFoisUneCibleChoisie)
{
    struct Cas {
        const char* nom;
        std::uint8_t scoreMax;
        std::string labScore; // vide : pas de fenêtre
    };
    const std::vector<Cas> cas = {
        {"avant toute cible", 0, ""},
        {"première cible choisie", 2, " 2 /  2"},
        {"fin de partie", 20, " 20 /  20"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const bool ouverte = !c.labScore.empty();
        m.ScoreMax = m.Score = c.scoreMax;
        plateforme.FenêtresOuvertes.clear();
        std::string scoreVu;
        if (ouverte)
            plateforme.QuandSOuvre<FormScore>([&](FormScore& f) { scoreVu = f.LabScore.Caption; });
        k.Survoler(k.ImaBton);
        EXPECT_EQ(k.ImaBton.MousePointer, ouverte ? Pointeur::Personnalisé : Pointeur::Normal);
        k.Cliquer(k.ImaBton);
        EXPECT_EQ(plateforme.FenêtresOuvertes,
                  ouverte ? std::vector<std::string>{GenreFenêtre<FormScore>()} : std::vector<std::string>{});
        EXPECT_EQ(scoreVu, c.labScore);
    }
}
