#include "PartieJeu.h"
#include "analysis/FigureAnalysee.h"

#include <gtest/gtest.h>

// Des coordonnées tapées à la fenêtre qui juge la cible, en passant par la phrase de l'analyse.
TEST(AnalyseCible, LesCoordonneesMenentAuVerdict)
{
    const std::vector<PointDonné> losange{{"A", "0", "0"}, {"B", "4", "3"}, {"C", "4", "8"}, {"D", "0", "5"}};
    const std::vector<PointDonné> parallélogramme{
        {"A", "0", "0"}, {"B", "4", "0"}, {"C", "5", "2"}, {"D", "1", "2"}};
    const std::vector<PointDonné> carré{{"A", "0", "0"}, {"B", "2", "0"}, {"C", "2", "2"}, {"D", "0", "2"}};
    const std::vector<PointDonné> équilatéral{{"B", "-3", "-2"}, {"C", "3", "-2"}, {"A", "0", "3*RAC(3)-2"}};
    struct Cas {
        const char* Nom;
        std::size_t Cible;
        const std::vector<PointDonné>& Points;
        const char* Tracé;
        bool Réussie;
        const char* Texte;
    };
    const Cas cas[] = {
        {"losange pour un parallélogramme pas un rectangle", 5, losange, "Polygone ABCD", true,
         "ABCD est un losange donc bien un parallélogramme pas un rectangle."},
        {"losange pour un trapèze isocèle non rectangle", 3, losange, "Polygone ABCD", true,
         "ABCD est un losange donc bien un trapèze isocèle non rectangle."},
        {"parallélogramme pour un trapèze non isocèle", 2, parallélogramme, "Polygone ABCD", false,
         "ABCD est un parallélogramme mais on demande un trapèze qui ne soit pas isocèle (donc pas un "
         "parallélogramme)."},
        {"carré pour un trapèze isocèle non rectangle", 3, carré, "Polygone ABCD", false,
         "ABCD est un carré mais on demande un trapèze isocèle qui ne soit pas rectangle (donc pas un "
         "carré)."},
        {"carré tracé dans le désordre", 9, carré, "Polygone ACBD", false,
         "ACBD est un quadrilatère croisé."},
        {"équilatéral pour un isocèle non rectangle", 1, équilatéral, "Polygone ABC", true,
         "ABC est un triangle équilatéral donc bien un triangle isocèle non rectangle."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Nom);
        Analyse analyse = Analyser(c.Points, SommetsFermés(c.Tracé));
        PartieJeu partie;
        partie.Choisir(c.Cible);
        partie.Analyser({analyse.Phrase.c_str(), analyse.Figure.c_str()});
        EXPECT_EQ(partie.m.Score, c.Réussie ? 2 : 0);
        EXPECT_EQ(partie.m.CibleEnCours, !c.Réussie);
        EXPECT_EQ(partie.Fenêtres[1], (MessageTitré{"Analyse de la figure", c.Texte}));
    }
}
