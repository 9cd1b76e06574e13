#include "calc/ClassCalcul.h"
#include "calc/ValeurCoordonnee.h"
#include "calc/ValeurNumerique.h"
#include "support/TableCas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
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

// « 8:1 7:7 » : une faute code:position après l'autre.
std::vector<FauteCalcul> Fautes(const std::string& texte)
{
    std::vector<FauteCalcul> fautes;
    std::istringstream liste(texte);
    for (std::string faute; liste >> faute;)
        fautes.push_back(
            {static_cast<CodeFaute>(std::stoi(faute)), std::stoi(faute.substr(faute.find(':') + 1))});
    return fautes;
}

} // namespace

// La table des fonctions sans argument est aussi celle de velmor-analyse --calcul.
TEST(Calcul, RendLeTexteEtLesFautesDeChaqueCalculDeLaTable)
{
    for (const char* table : {"calculs.tsv", "calculs-argument-vide.tsv"})
        for (const CasTable& cas : LireTableCas(table)) {
            SCOPED_TRACE(cas.Où + " : " + cas[0]);
            const RésultatCalcul r = Calculer(cas[0], cas[4].empty() ? 12 : std::stoi(cas[4]));
            EXPECT_EQ(r.Texte, cas[1]);
            EXPECT_EQ(r.Fautes, Fautes(cas[2]));
            if (!cas[3].empty()) {
                EXPECT_DOUBLE_EQ(ValeurCoordonnée(cas[0]), std::stod(cas[3]));
            }
        }
}

TEST(Calcul, LitLeNombreEnTeteDuTexte)
{
    for (const CasTable& cas : LireTableCas("nombres.tsv")) {
        SCOPED_TRACE(cas.Où + " : " + cas[0]);
        const double attendu = std::stod(cas[1]);
        const double lu = ValeurNumérique(cas[0]);
        EXPECT_EQ(lu, attendu);
        EXPECT_EQ(std::signbit(lu), std::signbit(attendu));
    }
}

// Ce que l'élève tape touche après touche : chaque début d'un calcul juste rend une valeur ou un refus.
TEST(Calcul, ChaqueDebutDeSaisieRendUneValeurOuUnRefus)
{
    for (const std::string calcul :
         {"(1+RAC(5))/2", "-2^2*COS(60)+3,5", "2RAC(4)^2-(0-2)^3", "TANGENTE(45)/SINUS(30)"})
        for (std::size_t n = 1; n <= calcul.size(); ++n) {
            const std::string début = calcul.substr(0, n);
            SCOPED_TRACE(début);
            const RésultatCalcul r = Calculer(début);
            EXPECT_TRUE(!r.Texte.empty() || !r.Fautes.empty());
            for (const FauteCalcul& f : r.Fautes)
                EXPECT_LE(f.Position, static_cast<int>(début.size()) + 2);
        }
}

TEST(Calcul, RendSansPlanterPourUnTexteTresLongOuTresImbrique)
{
    const std::size_t profondeur = 100000;
    EXPECT_EQ(Calculer(std::string(profondeur, '(') + "2" + std::string(profondeur, ')')).Texte, "2");
    EXPECT_EQ(Calculer(std::string(profondeur, '(') + "2").Fautes,
              (std::vector<FauteCalcul>{{CodeFaute::FermanteManquante, static_cast<int>(profondeur)}}));
    std::string racines;
    for (int i = 0; i < 20000; ++i)
        racines += "RAC(";
    EXPECT_EQ(Calculer(racines + "1" + std::string(20000, ')')).Texte, "1");
    std::string somme = "1";
    for (int i = 0; i < 5000; ++i)
        somme += "+1";
    EXPECT_EQ(Calculer(somme).Texte, "5001");
}
