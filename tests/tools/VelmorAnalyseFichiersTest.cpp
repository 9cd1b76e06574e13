#include "support/DossierTemporaire.h"
#include "support/LancerOutil.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string Données = VELMOR_DONNEES_TESTS;

std::vector<std::string> Lignes(const std::string& texte)
{
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);)
        lignes.push_back(ligne);
    return lignes;
}

} // namespace

TEST(VelmorAnalyseFichiers, EcritUnObjetJsonParFigure)
{
    struct Cas {
        const char* fichier;
        std::vector<std::string> morceaux;
    };
    const Cas cas[] = {
        {"triangle-rectangle.lum",
         {R"j("angles":[{"texte":"A = 90°")j", R"j({"texte":"B = 36,9°")j", R"j({"texte":"C = 53,1°")j",
          R"j("description":"ABC est un triangle rectangle","erreur":null)j",
          R"j("figure":"Triangle rectangle")j",
          R"j("longueurs":[{"texte":"AB = 4","valeur":4},{"texte":"BC = 5","valeur":5},{"texte":"CA = 3","valeur":3}])j",
          R"j("messages":[],"points":[{"nom":"A","vx":0,"vy":0,"x":"0","y":"0"},{"nom":"B","vx":4,"vy":0,"x":"4","y":"0"})j",
          R"j("polygone":"ABC","precision":1})j"}},
        {"carre-decimal.lum",
         {R"j("description":"ABCD est un carré")j", R"j({"texte":"DA = 1,3","valeur":1.3})j",
          R"j("precision":2)j"}},
        {"hexagone-calcule.lum",
         {R"j("description":"ABCDEF est un hexagone régulier")j",
          R"j({"nom":"B","vx":1,"vy":1.732050807569,"x":"1","y":"RAC(3)"})j"}},
        {"quadrilatere-croise.lum",
         {R"j("angles":null,"description":"ABCD est un quadrilatère croisé")j",
          R"j("messages":["Le polygone est croisé et dans ce cas, les angles ne sont pas mesurés"])j"}},
        {"points-sans-polygone.lum",
         {R"j("angles":null,"description":null,"erreur":null)j", R"j("figure":null,"longueurs":null)j",
          R"j("polygone":null,"precision":11})j"}},
        {"triangle-tronque.lum",
         {R"j({"angles":null,"description":null,"erreur":"Ce fichier n'a pas pu être ouvert ou interprété : soit il n'est pas conforme soit il est altéré.")j",
          R"j("messages":[],"points":null,"polygone":null,"precision":null})j"}},
    };
    std::vector<std::string> arguments{"--json"};
    for (const auto& c : cas)
        arguments.push_back(Données + "/" + c.fichier);
    const auto sortie = LancerVelmorAnalyse(arguments);
    EXPECT_EQ(sortie.Code, 1);
    const auto lignes = Lignes(sortie.Texte);
    ASSERT_EQ(lignes.size(), std::size(cas));
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        SCOPED_TRACE(cas[i].fichier);
        EXPECT_NE(lignes[i].find("\"fichier\":\"" + Données + "/" + cas[i].fichier + "\""),
                  std::string::npos);
        for (const auto& morceau : cas[i].morceaux)
            EXPECT_NE(lignes[i].find(morceau), std::string::npos) << morceau << "\n" << lignes[i];
    }
}

TEST(VelmorAnalyseFichiers, SortAvecZeroQuandChaqueFichierEstLu)
{
    EXPECT_EQ(
        LancerVelmorAnalyse({"--json", Données + "/triangle-rectangle.lum", Données + "/carre-decimal.lum"})
            .Code,
        0);
    EXPECT_EQ(LancerVelmorAnalyse({Données + "/triangle-rectangle.lum", Données + "/absent.lum"}).Code, 1);
    EXPECT_EQ(LancerVelmorAnalyse({"--json", "--inconnue", Données + "/triangle-rectangle.lum"}).Code, 2);
}

TEST(VelmorAnalyseFichiers, ResumeChaqueFigureEnFrancais)
{
    const auto sortie = LancerVelmorAnalyse({Données + "/triangle-rectangle.lum", Données + "/absent.lum"});
    EXPECT_EQ(sortie.Texte, Données +
                                "/triangle-rectangle.lum\n"
                                "  Points : A(0 ; 0), B(4 ; 0), C(0 ; 3)\n"
                                "  Polygone : ABC\n"
                                "  ABC est un triangle rectangle.\n"
                                "  Longueurs : AB = 4 ; BC = 5 ; CA = 3\n"
                                "  Angles : A = 90° ; B = 36,9° ; C = 53,1°\n" +
                                Données +
                                "/absent.lum\n"
                                "  Refusé : fichier introuvable\n");
}

// Chaque refus dit sa raison sur la sortie d'erreur ; le bilan vient à la fin.
TEST(VelmorAnalyseFichiers, DitPourquoiChaqueFichierEstRefuse)
{
    const std::string tronqué = Données + "/triangle-tronque.lum";
    // Même root ne lit rien à l'adresse 0 de sa propre mémoire : la lecture échoue après l'ouverture.
    const std::string illisible = "/proc/self/mem";
    const auto sortie = LancerVelmorAnalyse(
        {Données + "/triangle-rectangle.lum", Données + "/absent.lum", Données, illisible, tronqué});
    EXPECT_EQ(sortie.Code, 1);
    EXPECT_EQ(sortie.Erreurs,
              "velmor-analyse : " + Données + "/absent.lum : fichier introuvable\n" +
                  "velmor-analyse : " + Données + " : c'est un dossier\n" + "velmor-analyse : " + illisible +
                  " : fichier illisible (erreur d'entrée-sortie)\n" + "velmor-analyse : " + tronqué +
                  " : Ce fichier n'a pas pu être ouvert ou interprété : soit il n'est pas "
                  "conforme soit il est altéré.\n"
                  "velmor-analyse : 1 figure lue, 4 refusées.\n");
    EXPECT_NE(sortie.Texte.find(illisible + "\n  Refusé : fichier illisible (erreur d'entrée-sortie)\n"),
              std::string::npos);
}

// Un texte de fichier ne colore ni n'efface le terminal de celui qui lit le résumé.
TEST(VelmorAnalyseFichiers, EchappeLesCaracteresDeControleDuFichier)
{
    const DossierTemporaire dossier;
    std::string octets = LireTout(Données + "/triangle-rectangle.lum");
    const std::string abscisseB = "\r\n4\r\n0\r\nB";
    octets.replace(octets.find(abscisseB), abscisseB.size(), "\r\n4\x1b[2J\x7f\r\n0\r\nB");
    const auto fichier = dossier.Écrire("controle.lum", octets);
    const auto sortie = LancerVelmorAnalyse({fichier.string()});
    EXPECT_EQ(sortie.Code, 0);
    EXPECT_NE(sortie.Texte.find("B(4\\x1b[2J\\x7f ; 0)"), std::string::npos) << sortie.Texte;
    EXPECT_EQ(sortie.Texte.find_first_of("\x1b\x7f"), std::string::npos);
}

// Ce qu'un tableur français ouvre tel quel : la marque UTF-8, « ; » entre les colonnes, une ligne par
// figure sous l'en-tête, et le verdict de la cible.
TEST(VelmorAnalyseFichiers, LeCsvSOuvreDansUnTableurAvecLeVerdict)
{
    const SortieOutil sortie =
        LancerVelmorAnalyse({"--csv", "--cible", "carre", Données + "/carre-decimal.lum",
                             Données + "/triangle-rectangle.lum", Données + "/triangle-tronque.lum"});
    EXPECT_EQ(sortie.Code, 1) << "une figure ratée et une refusée";
    const auto lignes = Lignes(sortie.Texte);
    ASSERT_EQ(lignes.size(), 4u);
    EXPECT_EQ(lignes[0], "\xEF\xBB\xBF"
                         "fichier;figure;phrase;verdict;explication");
    EXPECT_EQ(lignes[1], Données + "/carre-decimal.lum;Carré;ABCD est un carré.;atteinte;ABCD est un carré.");
    EXPECT_EQ(lignes[2], Données +
                             "/triangle-rectangle.lum;Triangle rectangle;ABC est un triangle rectangle.;"
                             "ratée;ABC est un triangle rectangle.");
    EXPECT_TRUE(lignes[3].starts_with(Données + "/triangle-tronque.lum;;Refusé : ")) << lignes[3];
}
