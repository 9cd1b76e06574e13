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

// 186 sommets confondus, chacun donné par deux calculs de 2 000 caractères qui valent 0 ; un nom par point,
// pris dans les lettres latines étendues (Ā, ā, Ă...) pour que chaque sommet soit un point différent.
FigureFichier PolygoneDeCalculsLongs()
{
    constexpr std::size_t NbSommets = 186;
    std::string calcul = "0";
    while (calcul.size() < 2000)
        calcul += "+1-1";
    FigureFichier figure;
    std::string sommets;
    for (std::size_t i = 0; i < NbSommets; ++i) {
        const auto lettre = static_cast<unsigned>(0x100 + i);
        const std::string nom{static_cast<char>(0xc0 | (lettre >> 6)),
                              static_cast<char>(0x80 | (lettre & 0x3f))};
        PointFig p;
        p.X = calcul;
        p.Y = calcul;
        p.Nom = nom;
        figure.Points.push_back(p);
        figure.Tracés.push_back("Point " + nom);
        sommets += nom;
    }
    figure.Tracés.push_back("Polygone " + sommets);
    return figure;
}

// Ce que fait velmor-analyse d'une figure : la phrase, puis les longueurs et les angles du polygone.
void AnalyseCalculsLongs(benchmark::State& état)
{
    const FigureFichier figure = PolygoneDeCalculsLongs();
    Modulebas m;
    ChargerFigure(m, figure);
    MessagerieMuette messagerie;
    const std::string suite = *PolygoneDeLaFigure(figure);
    for (auto _ : état) {
        ClassAnaPoly analyse(m, messagerie);
        analyse.NomSommets(SuiteFermée(figure));
        benchmark::DoNotOptimize(analyse.DescriptionFig());
        benchmark::DoNotOptimize(LignesLongueurs(m, messagerie, suite, ","));
        benchmark::DoNotOptimize(LignesAngles(m, messagerie, suite, ","));
    }
}

} // namespace

BENCHMARK_CAPTURE(Description, triangle, Triangle(), 0);
BENCHMARK_CAPTURE(Description, carre, Carré(), 0);
BENCHMARK_CAPTURE(Description, quadrilatere_croise, QuadrilatèreCroisé(), 0);
BENCHMARK_CAPTURE(Description, decagone, PolygoneRégulier(10), 50);
BENCHMARK(LongueursDécagone);
BENCHMARK(AnglesDécagone);
BENCHMARK(AnalyseCalculsLongs)->Unit(benchmark::kMillisecond);
