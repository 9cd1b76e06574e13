// L'analyse d'un polygone : le nom de la figure, puis les lignes des longueurs et des angles.
#include "Cibles.h"
#include "FiguresBench.h"
#include "analysis/ClassAnaPoly.h"
#include "analysis/Mesures.h"
#include "files/ChargementFigure.h"
#include "files/FichierFigure.h"

namespace {

FigureFichier Triangle()
{
    return FigurePolygone({{"0", "0"}, {"4", "0"}, {"0", "3"}});
}

FigureFichier Carré()
{
    return FigurePolygone({{"0", "0"}, {"4", "0"}, {"4", "4"}, {"0", "4"}});
}

FigureFichier QuadrilatèreCroisé()
{
    return FigurePolygone({{"0", "0"}, {"4", "4"}, {"4", "0"}, {"0", "4"}});
}

void Description(benchmark::State& état, const FigureFichier& figure, double cibleMicrosecondes)
{
    Modulebas m;
    ChargerFigure(m, figure);
    MessagerieMuette messagerie;
    const std::string suite = SuiteFermée(figure);
    const double début = SecondesProcesseur();
    for (auto _ : état) {
        ClassAnaPoly analyse(m, messagerie);
        analyse.NomSommets(suite);
        benchmark::DoNotOptimize(analyse.DescriptionFig());
    }
    if (cibleMicrosecondes > 0)
        RapporterCible(état, début, cibleMicrosecondes);
    ClassAnaPoly analyse(m, messagerie);
    analyse.NomSommets(suite);
    état.SetLabel(analyse.DescriptionFig());
}

void LongueursDécagone(benchmark::State& état)
{
    const FigureFichier figure = PolygoneRégulier(10);
    Modulebas m;
    ChargerFigure(m, figure);
    MessagerieMuette messagerie;
    const std::string suite = *PolygoneDeLaFigure(figure);
    for (auto _ : état)
        benchmark::DoNotOptimize(LignesLongueurs(m, messagerie, suite, ","));
}

void AnglesDécagone(benchmark::State& état)
{
    const FigureFichier figure = PolygoneRégulier(10);
    Modulebas m;
    ChargerFigure(m, figure);
    MessagerieMuette messagerie;
    const std::string suite = *PolygoneDeLaFigure(figure);
    for (auto _ : état)
        benchmark::DoNotOptimize(LignesAngles(m, messagerie, suite, ","));
}

} // namespace

BENCHMARK_CAPTURE(Description, triangle, Triangle(), 0);
BENCHMARK_CAPTURE(Description, carre, Carré(), 0);
BENCHMARK_CAPTURE(Description, quadrilatere_croise, QuadrilatèreCroisé(), 0);
BENCHMARK_CAPTURE(Description, decagone, PolygoneRégulier(10), 50);
BENCHMARK(LongueursDécagone);
BENCHMARK(AnglesDécagone);
