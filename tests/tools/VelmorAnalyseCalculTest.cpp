#include "support/LancerOutil.h"

#include <gtest/gtest.h>
#include <string>

TEST(VelmorAnalyseCalcul, EcritUnObjetJsonParExpression)
{
    const SortieOutil sortie =
        LancerVelmorAnalyse({"--json", "--calcul", "RAC(2)", "8/2*4", "2RAC(4)", "RAC(-4)"});
    EXPECT_EQ(sortie.Texte,
              "{\"erreurs\":[],\"expression\":\"RAC(2)\",\"resultat\":\"1.414213562373\",\"valeur\":1."
              "414213562373}\n"
              "{\"erreurs\":[],\"expression\":\"8/2*4\",\"resultat\":\"16\",\"valeur\":16}\n"
              "{\"erreurs\":[],\"expression\":\"2RAC(4)\",\"resultat\":\"4\",\"valeur\":4}\n"
              "{\"erreurs\":[{\"code\":7,\"message\":\"On ne peut pas calculer la racine carrée d'un nombre "
              "négatif.\",\"position\":4}],\"expression\":\"RAC(-4)\",\"resultat\":\"\",\"valeur\":0}\n");
    EXPECT_EQ(sortie.Code, 1);
}

TEST(VelmorAnalyseCalcul, PrendPourExpressionToutCeQuiSuitCalcul)
{
    const SortieOutil sortie = LancerVelmorAnalyse({"--json", "--calcul", "-2^2", "--json"});
    EXPECT_EQ(sortie.Texte,
              "{\"erreurs\":[],\"expression\":\"-2^2\",\"resultat\":\"-4\",\"valeur\":-4}\n"
              "{\"erreurs\":[{\"code\":2,\"message\":\"Il manque des parenhèses entre deux signes + ou -\","
              "\"position\":0}],\"expression\":\"--json\",\"resultat\":\"\",\"valeur\":0}\n");
    EXPECT_EQ(sortie.Code, 1);
    EXPECT_EQ(LancerVelmorAnalyse({"--calcul", "-2^2", "(1+RAC(5))/2"}).Code, 0);
}

TEST(VelmorAnalyseCalcul, EcritEnTexteLeResultatOuLesFautes)
{
    const SortieOutil sortie = LancerVelmorAnalyse({"--calcul", "3,5*2", "()+1", "9/0"});
    EXPECT_EQ(sortie.Texte, "3,5*2 = 7\n"
                            "()+1 : faute 8 en position 1 : Il y a des parenthèses vides.\n"
                            "()+1 = 1\n"
                            "9/0 : faute 9 en position 2 : Ce calcul ne peut pas être effectué (division par "
                            "zéro, tangente de 90°, puissance impossible ou nombre trop grand).\n");
    EXPECT_EQ(sortie.Code, 1);
}

TEST(VelmorAnalyseCalcul, SortAvecDeuxSurUneErreurDUsage)
{
    const std::vector<std::vector<std::string>> usages = {
        {}, {"--calcul"}, {"--json"}, {"--inconnue", "--calcul", "1"}, {"figure.lum", "--calcul", "1"}};
    for (const auto& arguments : usages) {
        SCOPED_TRACE(arguments.empty() ? std::string("sans argument") : arguments.front());
        const SortieOutil sortie = LancerVelmorAnalyse(arguments);
        EXPECT_EQ(sortie.Code, 2);
        EXPECT_EQ(sortie.Texte, "");
    }
}
