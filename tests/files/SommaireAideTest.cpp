#include "files/SommaireAide.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

std::vector<std::string> Rubriques(std::size_t nombre)
{
    std::vector<std::string> lignes{"<Aide>"};
    for (std::size_t i = 1; i <= nombre; ++i) {
        const auto titre = "R" + std::to_string(i);
        lignes.insert(lignes.end(), {"<" + titre + ">", "texte", "</" + titre + ">"});
    }
    lignes.push_back("</Aide>");
    return lignes;
}

} // namespace

TEST(SommaireAide, NeGardeQueLesVraiesBalises)
{
    struct Cas {
        const char* nom;
        std::vector<std::string> lignes;
        std::vector<std::string> titres;
    };
    const Cas cas[] = {
        {"racine puis rubriques",
         {"<Aide>", "<Un>", "a", "</Un>", "<Deux>", "</Deux>", "</Aide>"},
         {"Aide", "Un", "Deux"}},
        {"comparaisons dans le texte",
         {"<Aide>", "<Un>", "x < 3 et y <= 4", "x <= 3", "</Un>", "</Aide>"},
         {"Aide", "Un"}},
        {"a<b> fait le titre b", {"<Aide>", "<Un>", "a<b>", "</Un>", "</Aide>"}, {"Aide", "Un", "b"}},
        {"un < sans > saute la ligne",
         {"<Aide>", "<Un", "a<b", "fin <", "<Deux>", "</Aide>"},
         {"Aide", "Deux"}},
        {"seul le premier < de la ligne compte", {"<Aide>", "x < 3 puis <c>", "</Un> <d>"}, {"Aide"}},
        {"le titre va jusqu'au premier >", {"<Aide>", "<Un> deux>", "<>"}, {"Aide", "Un", ""}},
        {"aucune balise", {"du texte", ""}, {}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const auto sommaire = SommaireDesLignes(c.lignes);
        EXPECT_EQ(sommaire.Titres, c.titres);
        EXPECT_FALSE(sommaire.Message);
        EXPECT_EQ(sommaire.NbRubriques(), c.titres.empty() ? 0 : c.titres.size() - 1);
    }
}

TEST(SommaireAide, SeizeRubriquesDonnentLeMessageEtQuinzeTitres)
{
    const auto quinze = SommaireDesLignes(Rubriques(15));
    EXPECT_EQ(quinze.NbRubriques(), 15);
    EXPECT_FALSE(quinze.Message);

    const auto seize = SommaireDesLignes(Rubriques(16));
    EXPECT_EQ(seize.NbRubriques(), 15);
    EXPECT_EQ(seize.Titres.back(), "R15");
    ASSERT_TRUE(seize.Message);
    EXPECT_EQ(seize.Message->Titre, "Lecture du fichier d'aide");
    EXPECT_EQ(seize.Message->Texte,
              "Il y a plus de rubriques trouvées que de rubriques déclarées. Il ne faut pas "
              "utiliser les caractères < et > dans le texte des rubriques");
}

TEST(SommaireAide, LitLeFichierEnWindows1252)
{
    const auto sommaire = LireSommaireAide(Données / "aide-courte.dat");
    EXPECT_EQ(sommaire.Titres, (std::vector<std::string>{"Aide", "Démarrer", "Vide", "Fin collée"}));
    EXPECT_FALSE(sommaire.Message);
}

TEST(SommaireAide, UnFichierIntrouvableLeDitAvecSonChemin)
{
    const auto chemin = Données / "absent" / "Velmor.dat";
    const auto sommaire = LireSommaireAide(chemin);
    EXPECT_TRUE(sommaire.Titres.empty());
    EXPECT_EQ(sommaire.NbRubriques(), 0);
    ASSERT_TRUE(sommaire.Message);
    EXPECT_EQ(sommaire.Message->Titre, "Lecture du fichier d'aide");
    EXPECT_EQ(sommaire.Message->Texte, "Le fichier des aides " + chemin.string() + " est introuvable.");
}
