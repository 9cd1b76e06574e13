#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Sortie {
    std::string texte;
    int code;
};

std::string EntreApostrophes(const std::string& argument)
{
    std::string cité = "'";
    for (const char c : argument)
        cité += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return cité + "'";
}

// Lance l'outil construit et rend sa sortie standard et son code de sortie.
Sortie Lancer(const std::vector<std::string>& arguments)
{
    std::string commande = EntreApostrophes(VELMOR_ANALYSE);
    for (const std::string& argument : arguments)
        commande += " " + EntreApostrophes(argument);
    commande += " 2>/dev/null";
    FILE* tube = popen(commande.c_str(), "r");
    if (!tube)
        return {"", -1};
    Sortie sortie{"", 0};
    char tampon[4096];
    for (std::size_t lu; (lu = std::fread(tampon, 1, sizeof tampon, tube)) > 0;)
        sortie.texte.append(tampon, lu);
    const int état = pclose(tube);
    sortie.code = WIFEXITED(état) ? WEXITSTATUS(état) : -1;
    return sortie;
}

} // namespace

TEST(VelmorAnalyseCalcul, EcritUnObjetJsonParExpression)
{
    const Sortie sortie = Lancer({"--json", "--calcul", "RAC(2)", "8/2*4", "2RAC(4)", "RAC(-4)"});
    EXPECT_EQ(sortie.texte,
              "{\"erreurs\":[],\"expression\":\"RAC(2)\",\"resultat\":\"1.414213562373\",\"valeur\":1."
              "414213562373}\n"
              "{\"erreurs\":[],\"expression\":\"8/2*4\",\"resultat\":\"16\",\"valeur\":16}\n"
              "{\"erreurs\":[],\"expression\":\"2RAC(4)\",\"resultat\":\"4\",\"valeur\":4}\n"
              "{\"erreurs\":[{\"code\":7,\"message\":\"On ne peut pas calculer la racine carrée d'un nombre "
              "négatif.\",\"position\":4}],\"expression\":\"RAC(-4)\",\"resultat\":\"\",\"valeur\":0}\n");
    EXPECT_EQ(sortie.code, 1);
}

TEST(VelmorAnalyseCalcul, PrendPourExpressionToutCeQuiSuitCalcul)
{
    const Sortie sortie = Lancer({"--json", "--calcul", "-2^2", "--json"});
    EXPECT_EQ(sortie.texte,
              "{\"erreurs\":[],\"expression\":\"-2^2\",\"resultat\":\"-4\",\"valeur\":-4}\n"
              "{\"erreurs\":[{\"code\":2,\"message\":\"Il manque des parenhèses entre deux signes + ou -\","
              "\"position\":0}],\"expression\":\"--json\",\"resultat\":\"\",\"valeur\":0}\n");
    EXPECT_EQ(sortie.code, 1);
    EXPECT_EQ(Lancer({"--calcul", "-2^2", "(1+RAC(5))/2"}).code, 0);
}

TEST(VelmorAnalyseCalcul, EcritEnTexteLeResultatOuLesFautes)
{
    const Sortie sortie = Lancer({"--calcul", "3,5*2", "()+1", "9/0"});
    EXPECT_EQ(sortie.texte, "3,5*2 = 7\n"
                            "()+1 : faute 8 en position 1 : Il y a des parenthèses vides.\n"
                            "()+1 = 1\n"
                            "9/0 : faute 9 en position 2 : Ce calcul ne peut pas être effectué (division par "
                            "zéro, tangente de 90°, puissance impossible ou nombre trop grand).\n");
    EXPECT_EQ(sortie.code, 1);
}

TEST(VelmorAnalyseCalcul, SortAvecDeuxSurUneErreurDUsage)
{
    const std::vector<std::vector<std::string>> usages = {
        {}, {"--calcul"}, {"--json"}, {"--inconnue", "--calcul", "1"}, {"figure.lum", "--calcul", "1"}};
    for (const auto& arguments : usages) {
        SCOPED_TRACE(arguments.empty() ? std::string("sans argument") : arguments.front());
        const Sortie sortie = Lancer(arguments);
        EXPECT_EQ(sortie.code, 2);
        EXPECT_EQ(sortie.texte, "");
    }
}
