#include "calc/ClassCalcul.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

RésultatCalcul Calculer(const std::string& texte, std::int16_t décimales = 12)
{
    ClassCalcul calcul;
    calcul.NbDécimales(décimales);
    calcul.ChaîneSaisie(texte);
    return calcul.Calculer();
}

struct CasRefus {
    const char* nom;
    const char* texte;
    CodeFaute code;
    int position;
};

} // namespace

TEST(ClassCalcul, CalculeEtRendLeTexteAttendu)
{
    const struct {
        const char* nom;
        const char* texte;
        const char* attendu;
    } cas[] = {
        {"racine", "RAC(2)", "1.414213562373"},
        {"sinus en degrés", "SIN(30)", "0.5"},
        {"tiers coupé", "1/3", "0.333333333333"},
        {"virgule décimale", "3,5*2", "7"},
        {"puissance négative", "2^(0-1)", "0.5"},
        {"puissances de gauche à droite", "2^3^2", "64"},
        {"tangente de 45", "TAN(45)", "1"},
        {"cosinus de 90 arrondi", "COS(90)", "0"},
        {"cosinus négatif arrondi sans signe", "COS(270)", "0"},
        {"somme décimale", "0,1+0,2", "0.3"},
        {"négatif intermédiaire", "3-2*(0-4)", "11"},
        {"cosinus négatif", "2*COS(180)", "-2"},
        {"base négative entre parenthèses", "(0-2)^2", "4"},
        {"signe dans une parenthèse", "2*(-3)", "-6"},
        {"somme avec un négatif", "5+(-2)", "3"},
        {"noms en minuscules", "rac(4)", "2"},
        {"nom long", "Racine(4)", "2"},
        {"tangente longue", "tangente(45)", "1"},
        {"racine de zéro", "RAC(0)", "0"},
        {"deux-points pour diviser", "9:3", "3"},
        {"fonctions imbriquées", "RAC(RAC(16))", "2"},
        {"nombre d'or", "(1+RAC(5))/2", "1.61803398875"},
        {"plus de tête dans une parenthèse", "(+3)*2", "6"},
        {"blancs autour des opérateurs", "2 + 3 * 4", "14"},
        // Quinze chiffres entre les opérations : 1/3 n'est pas exactement un tiers.
        {"tiers multiplié", "1/3*3", "0.999999999999"},
        {"grand entier", "123456789012*1000", "123456789012000"},
        {"racine arrondie à 12 décimales avant l'opération", "RAC(2)*RAC(2)", "1.999999999999"},
        // C1 : * et / de même priorité, de gauche à droite ; de même + et -.
        {"division puis multiplication", "8/2*4", "16"},
        {"divisions successives", "12/2/3", "2"},
        {"soustraction puis addition", "10-2+3", "11"},
        {"soustractions successives", "10-2-3", "5"},
        {"priorité de * sur +", "1+2*3", "7"},
        {"priorité de ^ sur *", "2*3^2", "18"},
        // C2 : un nombre ou une ) suivi d'une fonction ou d'une ( multiplie.
        {"nombre et fonction", "2RAC(4)", "4"},
        {"nombre et parenthèse", "2(3)", "6"},
        {"deux parenthèses", "(1+1)(2+1)", "6"},
        {"blanc avant la fonction", "2 RAC(4)", "4"},
        {"la puissance d'abord", "2RAC(4)^2", "8"},
        {"parenthèse et nombre", "(1+1)2", "4"},
        {"fonction et fonction", "RAC(4)RAC(9)", "6"},
        {"dans une division", "8/2(2)", "8"},
        // C3 : le moins de tête s'applique après la puissance qui suit son premier nombre.
        {"moins de tête du calcul", "-2^2", "-4"},
        {"moins de tête d'une parenthèse", "(-2^2)", "-4"},
        {"argument de fonction", "SIN(-30)", "-0.5"},
        {"base négative", "(-2)^2", "4"},
        {"moins puis produit", "-2*3", "-6"},
        {"moins puis somme", "-2+5", "3"},
        {"moins d'une parenthèse", "-(2+3)", "-5"},
        {"moins d'un moins", "-(-3)", "3"},
        // Un nombre qui ne prend part à aucune opération garde sa forme, sauf la coupe des décimales.
        {"zéro de queue", "3.50", "3.50"},
        {"entre parenthèses", "(3.50)", "3.50"},
        {"négatif", "-3.50", "-3.50"},
        {"négatif entre parenthèses", "-(3.50)", "-3.50"},
        {"zéros de tête", "007", "007"},
        {"lettres", "abc", "abc"},
        {"blanc dans le nombre", "1 2", "1 2"},
        {"quinze décimales à la virgule", "0,123456789012345", "0.123456789012"},
        {"texte vide", "", ""},
        {"moins seul", "-", "-"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " : " + c.texte);
        const RésultatCalcul r = Calculer(c.texte);
        EXPECT_EQ(r.Texte, c.attendu);
        EXPECT_TRUE(r.SansFaute());
    }
}

TEST(ClassCalcul, CoupeLesDecimalesSansArrondir)
{
    const struct {
        const char* texte;
        std::int16_t décimales;
        const char* attendu;
    } cas[] = {
        {"2/3", 12, "0.666666666666"},     {"2/3", 2, "0.66"}, {"12.5", 0, "12."}, {"RAC(2)", 3, "1.414"},
        {"RAC(2)", 20, "1.4142135623731"}, {"7", 3, "7"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.texte) + " à " + std::to_string(c.décimales));
        EXPECT_EQ(Calculer(c.texte, c.décimales).Texte, c.attendu);
    }
}

TEST(ClassCalcul, RefuseAvecLeCodeEtLaPosition)
{
    const CasRefus cas[] = {
        {"opération et signe", "2*-3", CodeFaute::OpérationsDeSuite, 1},
        {"opération et signe séparés d'un blanc", "2* -3", CodeFaute::OpérationsDeSuite, 1},
        {"paire la première dans l'ordre des paires", "1+*2^^3", CodeFaute::OpérationsDeSuite, 4},
        {"deux signes", "5+-2", CodeFaute::SignesDeSuite, 1},
        {"deux moins", "5--2", CodeFaute::SignesDeSuite, 1},
        {"code 1 avant code 2", "1+-2*/3", CodeFaute::OpérationsDeSuite, 4},
        {"fermante manquante", "(1+2", CodeFaute::FermanteManquante, 1},
        {"dernière ouvrante", "(1+(2", CodeFaute::FermanteManquante, 4},
        {"ouvrante manquante", "1+2)", CodeFaute::OuvranteManquante, 4},
        {"fermante avant l'ouvrante", ")2(", CodeFaute::OuvranteManquante, 1},
        {"fermante qui ne ferme rien", "(1))+(2", CodeFaute::OuvranteManquante, 4},
        {"fonction sans parenthèse", "RAC4", CodeFaute::FonctionSansParenthèse, 5},
        {"blanc avant la parenthèse", "RAC (4)", CodeFaute::FonctionSansParenthèse, 5},
        {"nom dans un mot", "trace", CodeFaute::FonctionSansParenthèse, 6},
        {"racine d'un négatif", "RAC(-4)", CodeFaute::RacineNégative, 4},
        {"moins de tête de l'argument", "RAC(-2^2)", CodeFaute::RacineNégative, 4},
        {"fonction vide", "RAC()", CodeFaute::ParenthèsesVides, 3},
        {"fonction vide au nom long", "1+RACINE()", CodeFaute::ParenthèsesVides, 8},
        // C4 : ce qui n'a pas de valeur est refusé au lieu de donner un nombre faux ou infini.
        {"division par zéro", "1/0", CodeFaute::CalculImpossible, 2},
        {"division par un zéro calculé", "1/(2-2)", CodeFaute::CalculImpossible, 2},
        {"racine cubique d'un négatif", "(0-8)^(1/3)", CodeFaute::CalculImpossible, 6},
        {"zéro à une puissance négative", "0^(0-1)", CodeFaute::CalculImpossible, 2},
        {"tangente de 90", "TAN(90)", CodeFaute::CalculImpossible, 1},
        {"tangente de -270", "1+TAN(-270)", CodeFaute::CalculImpossible, 3},
        {"puissance trop grande", "10^15", CodeFaute::CalculImpossible, 3},
        {"produit trop grand", "2*999999999999999", CodeFaute::CalculImpossible, 2},
        {"produit sous-entendu trop grand", "99999999(99999999)", CodeFaute::CalculImpossible, 9},
        {"nombre tapé trop grand", "1E400+1", CodeFaute::CalculImpossible, 1},
    };
    for (const CasRefus& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " : " + c.texte);
        const RésultatCalcul r = Calculer(c.texte);
        EXPECT_EQ(r.Texte, "");
        EXPECT_EQ(r.Fautes, (std::vector<FauteCalcul>{{c.code, c.position}}));
    }
}

// C5 : les positions se comptent dans le texte tapé, jamais dans un argument pris à part.
TEST(ClassCalcul, CompteLesPositionsDansLeTexteTape)
{
    const CasRefus cas[] = {
        {"racine dans une racine", "RAC(RAC(-4))", CodeFaute::RacineNégative, 8},
        {"seconde racine", "RAC(4)+RAC(-1)", CodeFaute::RacineNégative, 11},
        {"parenthèses vides après une fonction", "RAC(4)+()", CodeFaute::ParenthèsesVides, 8},
        {"caractères accentués comptés une fois", "é+RAC(-1)", CodeFaute::RacineNégative, 6},
        {"paire après un accent", "é*-1", CodeFaute::OpérationsDeSuite, 1},
    };
    for (const CasRefus& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " : " + c.texte);
        const std::vector<FauteCalcul> fautes = Calculer(c.texte).Fautes;
        ASSERT_FALSE(fautes.empty());
        EXPECT_EQ(fautes.back(), (FauteCalcul{c.code, c.position}));
    }
}

// Des parenthèses vides valent 0 : on prévient une fois par groupe et le calcul continue.
TEST(ClassCalcul, ContinueApresDesParenthesesVides)
{
    constexpr auto Vides = CodeFaute::ParenthèsesVides;
    const struct {
        const char* texte;
        const char* attendu;
        std::vector<FauteCalcul> fautes;
    } cas[] = {
        {"()+1", "1", {{Vides, 1}}},
        {"()+( )+2", "2", {{Vides, 1}, {Vides, 4}}},
        {"()+RAC(-1)", "", {{Vides, 1}, {CodeFaute::RacineNégative, 7}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        const RésultatCalcul r = Calculer(c.texte);
        EXPECT_EQ(r.Texte, c.attendu);
        EXPECT_EQ(r.Fautes, c.fautes);
    }
}

TEST(ClassCalcul, SignaleChaqueFauteParErreurCaracAvantDeRendre)
{
    ClassCalcul calcul;
    std::vector<FauteCalcul> reçues;
    calcul.ErreurCarac = [&](int position, CodeFaute code) { reçues.push_back({code, position}); };
    calcul.NbDécimales(12);

    calcul.ChaîneSaisie("()+()");
    EXPECT_EQ(calcul.ValeurChaîne(), "0");
    EXPECT_EQ(reçues,
              (std::vector<FauteCalcul>{{CodeFaute::ParenthèsesVides, 1}, {CodeFaute::ParenthèsesVides, 4}}));

    // Le même objet sert pour l'ordonnée : rien de la lecture précédente ne reste.
    reçues.clear();
    calcul.ChaîneSaisie("2+2");
    EXPECT_EQ(calcul.ValeurChaîne(), "4");
    EXPECT_TRUE(reçues.empty());

    ClassCalcul sansÉcoute;
    sansÉcoute.NbDécimales(12);
    sansÉcoute.ChaîneSaisie("RAC(-1)");
    EXPECT_EQ(sansÉcoute.ValeurChaîne(), "");
}

// Ce que l'élève tape touche après touche : chaque début d'un calcul juste rend sans planter.
TEST(ClassCalcul, ChaqueDebutDeSaisieRendUneValeurOuUnRefus)
{
    const std::string calculs[] = {"(1+RAC(5))/2", "-2^2*COS(60)+3,5", "2RAC(4)^2-(0-2)^3",
                                   "TANGENTE(45)/SINUS(30)"};
    for (const std::string& calcul : calculs) {
        for (std::size_t n = 0; n <= calcul.size(); ++n) {
            const std::string début = calcul.substr(0, n);
            SCOPED_TRACE(début);
            const RésultatCalcul r = Calculer(début);
            EXPECT_TRUE(!r.Texte.empty() || !r.Fautes.empty() || début.empty());
            for (const FauteCalcul& f : r.Fautes)
                EXPECT_LE(f.Position, static_cast<int>(début.size()) + 2);
        }
    }
}

TEST(ClassCalcul, RendSansPlanterPourUnTexteTresLongOuTresImbrique)
{
    const std::size_t profondeur = 100000;
    EXPECT_EQ(Calculer(std::string(profondeur, '(') + "2" + std::string(profondeur, ')')).Texte, "2");
    EXPECT_EQ(Calculer(std::string(profondeur, '(') + "2").Fautes,
              (std::vector<FauteCalcul>{{CodeFaute::FermanteManquante, static_cast<int>(profondeur)}}));

    std::string racines;
    for (std::size_t i = 0; i < 20000; ++i)
        racines += "RAC(";
    racines += "1" + std::string(20000, ')');
    EXPECT_EQ(Calculer(racines).Texte, "1");

    std::string somme = "1";
    for (int i = 0; i < 5000; ++i)
        somme += "+1";
    EXPECT_EQ(Calculer(somme).Texte, "5001");
}
