#include "support/LancerOutil.h"

#include <gtest/gtest.h>
#include <string>

TEST(VelmorAnalyseUsage, SortAvecDeuxSurUneErreurDUsage)
{
    const std::vector<std::vector<std::string>> usages = {
        {}, {"--calcul"}, {"--json"}, {"--inconnue", "--calcul", "1"}, {"figure.lum", "--calcul", "1"}};
    for (const auto& arguments : usages) {
        SCOPED_TRACE(arguments.empty() ? std::string("sans argument") : arguments.front());
        const SortieOutil sortie = LancerVelmorAnalyse(arguments);
        EXPECT_EQ(sortie.Code, 2);
        EXPECT_EQ(sortie.Texte, "");
        EXPECT_NE(sortie.Erreurs.find("Essayez « velmor-analyse --help »."), std::string::npos)
            << sortie.Erreurs;
    }
    EXPECT_EQ(LancerVelmorAnalyse({"--inconnue", "--calcul", "1"})
                  .Erreurs.find("velmor-analyse : option inconnue : --inconnue\n"),
              0u);
}

TEST(VelmorAnalyseUsage, AideEnFrancaisAvecLesCodesDeSortie)
{
    for (const char* option : {"--help", "-h"}) {
        SCOPED_TRACE(option);
        const SortieOutil sortie = LancerVelmorAnalyse({option});
        EXPECT_EQ(sortie.Code, 0);
        EXPECT_EQ(sortie.Erreurs, "");
        for (const char* ligne :
             {"Utilisation :\n", "  velmor-analyse [--json | --csv] [--cible NOM] FICHIER.lum ...\n",
              "  velmor-analyse [--json] --calcul EXPRESSION ...\n", "Codes de sortie :\n",
              "  0  tout a été calculé ou lu (avec --cible : et chaque figure atteint la cible)\n",
              "  2  erreur d'usage\n"})
            EXPECT_NE(sortie.Texte.find(ligne), std::string::npos) << ligne;
        EXPECT_EQ(sortie.Texte.find("Usage"), std::string::npos);
    }
}

TEST(VelmorAnalyseUsage, DonneSaVersion)
{
    const SortieOutil sortie = LancerVelmorAnalyse({"--version"});
    EXPECT_EQ(sortie.Texte, std::string("velmor-analyse ") + VELMOR_VERSION + "\n");
    EXPECT_EQ(sortie.Code, 0);
}
