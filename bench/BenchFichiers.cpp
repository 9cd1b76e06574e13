// L'écriture et la lecture d'un fichier de figure de 250 points avec un polygone de 26 sommets, et la
// lecture d'un fichier de la taille permise fait de lignes vides.
#include "Cibles.h"
#include "FiguresBench.h"
#include "files/FichierFigure.h"
#include "files/LectureFichier.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

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

// Un en-tête valide puis des fins de ligne jusqu'à la taille permise : le pic reste de l'ordre du fichier,
// quel que soit son nombre de lignes (moins de 8 Mio).
void LectureLignesVides(benchmark::State& état)
{
    std::string chemin = (std::filesystem::temp_directory_path() / "velmor-bench-XXXXXX").string();
    const int descripteur = ::mkstemp(chemin.data());
    if (descripteur < 0) {
        état.SkipWithError("fichier temporaire impossible");
        return;
    }
    ::close(descripteur);
    std::string octets = std::string(PremièreLigneFigure) + "\r\nExemple\r\n";
    octets.resize(TailleMaxFichierTexte, '\n');
    std::ofstream(chemin, std::ios::binary) << octets;
    for (auto _ : état)
        benchmark::DoNotOptimize(LireFichierFigure(chemin));
    RapporterPic(état, [&] { benchmark::DoNotOptimize(LireFichierFigure(chemin)); });
    état.SetBytesProcessed(état.iterations() * static_cast<std::int64_t>(octets.size()));
    std::filesystem::remove(chemin);
}

} // namespace

BENCHMARK(ÉcritureFigure);
BENCHMARK(LectureFigure250);
BENCHMARK(LectureLignesVides);
