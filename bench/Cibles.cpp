#include "Cibles.h"

#include "ComptageMemoire.h"

#include <algorithm>
#include <ctime>

double SecondesProcesseur()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void RapporterCible(benchmark::State& état, double début, double cibleMicrosecondes)
{
    const double écoulé = (SecondesProcesseur() - début) * 1e6;
    const double parOpération =
        écoulé / static_cast<double>(std::max<benchmark::IterationCount>(état.iterations(), 1));
    état.counters["cible_us"] = cibleMicrosecondes;
    état.counters["rapport"] = parOpération / cibleMicrosecondes;
}

void RapporterPic(benchmark::State& état, const std::function<void()>& opération)
{
    DébutPic();
    opération();
    état.counters["pic_octets"] = benchmark::Counter(
        static_cast<double>(FinPic()), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}
