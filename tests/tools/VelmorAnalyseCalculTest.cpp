#include "calc/MessagesCalcul.h"
#include "support/LancerOutil.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <string>

namespace {

const std::string Données = VELMOR_DONNEES_TESTS;

} // namespace

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

TEST(VelmorAnalyseCalcul, EcritEnTexteLeResultatPuisSesFautes)
{
    const SortieOutil sortie = LancerVelmorAnalyse({"--calcul", "3,5*2", "()+1", "9/0"});
    EXPECT_EQ(sortie.Texte, "3,5*2 = 7\n"
                            "()+1 = 1\n"
                            "  faute 8 en position 1 : Il y a des parenthèses vides.\n"
                            "9/0 : sans résultat\n"
                            "  faute 9 en position 2 : Ce calcul ne peut pas être effectué (division par "
                            "zéro, tangente de 90°, puissance impossible ou nombre trop grand).\n");
    EXPECT_EQ(sortie.Code, 1);
    EXPECT_EQ(sortie.Erreurs, "velmor-analyse : 1 calcul sans faute, 2 en faute.\n");
}

TEST(VelmorAnalyseCalcul, ArreteUneFonctionSansArgumentUneSeuleFois)
{
    std::ifstream table(Données + "/calculs-argument-vide.tsv");
    std::vector<std::string> expressions;
    std::string attendu;
    for (std::string ligne; std::getline(table, ligne);) {
        if (ligne.empty() || ligne.front() == '#')
            continue;
        std::istringstream champs(ligne);
        std::string expression, résultat, fautes;
        std::getline(champs, expression, '\t');
        std::getline(champs, résultat, '\t');
        std::getline(champs, fautes);
        expressions.push_back(expression);
        attendu += expression + (résultat.empty() ? " : sans résultat" : " = " + résultat) + "\n";
        std::istringstream liste(fautes);
        for (std::string faute; liste >> faute;) {
            const auto deuxPoints = faute.find(':');
            const auto code = static_cast<CodeFaute>(std::stoi(faute.substr(0, deuxPoints)));
            attendu += "  faute " + faute.substr(0, deuxPoints) + " en position " +
                       faute.substr(deuxPoints + 1) + " : " + std::string(MessageFaute(code)) + "\n";
        }
    }
    ASSERT_FALSE(expressions.empty());
    expressions.insert(expressions.begin(), "--calcul");
    EXPECT_EQ(LancerVelmorAnalyse(expressions).Texte, attendu);
}

// Une faute par paire de parenthèses vides, mais l'expression n'est écrite qu'une fois.
TEST(VelmorAnalyseCalcul, EcritUneSortieProportionnelleALEntree)
{
    std::string vides;
    for (int i = 0; i < 2000; ++i)
        vides += "()";
    const SortieOutil sortie = LancerVelmorAnalyse({"--calcul", vides});
    EXPECT_EQ(sortie.Texte.find(vides), 0u);
    EXPECT_EQ(sortie.Texte.find(vides, 1), std::string::npos);
    EXPECT_EQ(std::count(sortie.Texte.begin(), sortie.Texte.end(), '\n'), 2001);
}

TEST(VelmorAnalyseCalcul, SortAvecUnQuandLaSortieNePeutEtreEcrite)
{
    for (const char* redirection : {">/dev/full", ">&-"}) {
        SCOPED_TRACE(redirection);
        const SortieOutil sortie = LancerVelmorAnalyse({"--calcul", "RAC(2)"}, redirection);
        EXPECT_EQ(sortie.Code, 1);
        EXPECT_NE(sortie.Erreurs.find("velmor-analyse : écriture impossible sur la sortie standard"),
                  std::string::npos)
            << sortie.Erreurs;
    }
}
