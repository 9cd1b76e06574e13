// La calculatrice sur des textes de coordonnées typiques, jusqu'à un long calcul de 200 caractères.
#include "Cibles.h"
#include "calc/ClassCalcul.h"

#include <string>

namespace {

// Un calcul de 200 caractères fait des morceaux qu'un élève tape, le dernier nombre allongé au besoin.
std::string LongCalcul()
{
    constexpr std::size_t Longueur = 200;
    const std::string morceaux[] = {"+2*COS(30)", "-RAC(2)", "+(1+RAC(5))/2", "*3,5", "-SIN(45)/4"};
    std::string texte = "1";
    for (std::size_t i = 0; texte.size() + morceaux[i % 5].size() <= Longueur; ++i)
        texte += morceaux[i % 5];
    texte += std::string(Longueur - texte.size(), '1');
    return texte;
}

void Calcul(benchmark::State& état, const std::string& texte, double cibleMicrosecondes)
{
    ClassCalcul calcul;
    calcul.NbDécimales(12);
    const double début = SecondesProcesseur();
    for (auto _ : état) {
        calcul.ChaîneSaisie(texte);
        benchmark::DoNotOptimize(calcul.ValeurChaîne());
    }
    if (cibleMicrosecondes > 0)
        RapporterCible(état, début, cibleMicrosecondes);
}

} // namespace

BENCHMARK_CAPTURE(Calcul, entier, std::string("3"), 0);
BENCHMARK_CAPTURE(Calcul, decimal, std::string("2,5"), 0);
BENCHMARK_CAPTURE(Calcul, cosinus, std::string("2*COS(30)"), 0);
BENCHMARK_CAPTURE(Calcul, nombre_or, std::string("(1+RAC(5))/2"), 0);
BENCHMARK_CAPTURE(Calcul, cosinus_plus_racine, std::string("2*COS(30)+RAC(2)"), 5);
BENCHMARK_CAPTURE(Calcul, deux_cents_caracteres, LongCalcul(), 0);
