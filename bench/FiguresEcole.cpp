// Écrit les figures d'une école dans un dossier : velmor_figures_ecole DOSSIER [NOMBRE [POINTS]].
#include "FiguresBench.h"
#include "files/FichierFigure.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 4) {
        std::fputs("usage : velmor_figures_ecole DOSSIER [NOMBRE [POINTS]]\n", stderr);
        return 2;
    }
    const std::filesystem::path dossier = argv[1];
    const unsigned nombre = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1000;
    const std::size_t points = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 30;
    std::filesystem::create_directories(dossier);
    for (unsigned i = 0; i < nombre; ++i) {
        // Du triangle au décagone, chaque figure un peu différente de sa voisine.
        const std::string octets = ÉcrireOctetsFigure(FigureDePoints(points, 3 + i % 8, i));
        char nom[32];
        std::snprintf(nom, sizeof nom, "figure-%04u.lum", i + 1);
        std::ofstream fichier(dossier / nom, std::ios::binary);
        fichier << octets;
        if (!fichier) {
            std::fprintf(stderr, "velmor_figures_ecole : %s n'a pas pu être écrit\n", nom);
            return 1;
        }
    }
    return 0;
}
