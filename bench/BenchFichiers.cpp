// L'écriture et la lecture d'un fichier de figure de 250 points avec un polygone de 26 sommets.
#include "Cibles.h"
#include "FiguresBench.h"
#include "files/FichierFigure.h"

namespace {

const FigureFichier& GrandeFigure()
{
    static const FigureFichier figure = FigureDePoints(LimitePoints, 26, 0);
    return figure;
}

void ÉcritureFigure(benchmark::State& état)
{
    for (auto _ : état)
        benchmark::DoNotOptimize(ÉcrireOctetsFigure(GrandeFigure()));
    RapporterPic(état, [] { benchmark::DoNotOptimize(ÉcrireOctetsFigure(GrandeFigure())); });
    état.SetBytesProcessed(état.iterations() *
                           static_cast<std::int64_t>(ÉcrireOctetsFigure(GrandeFigure()).size()));
}

void LectureFigure250(benchmark::State& état)
{
    const std::string octets = ÉcrireOctetsFigure(GrandeFigure());
    if (!LireOctetsFigure(octets).Figure) {
        état.SkipWithError("la grande figure ne se relit pas");
        return;
    }
    const double début = SecondesProcesseur();
    for (auto _ : état)
        benchmark::DoNotOptimize(LireOctetsFigure(octets));
    RapporterCible(état, début, 1000);
    RapporterPic(état, [&] { benchmark::DoNotOptimize(LireOctetsFigure(octets)); });
    état.SetBytesProcessed(état.iterations() * static_cast<std::int64_t>(octets.size()));
}

} // namespace

BENCHMARK(ÉcritureFigure);
BENCHMARK(LectureFigure250);
