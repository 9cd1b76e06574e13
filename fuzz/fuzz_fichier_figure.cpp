// Le lecteur de fichiers de figure face à n'importe quels octets : jamais de plantage, et une figure
// relue se réécrit toujours de la même façon.
#include "files/FichierFigure.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Un guillemet dans un texte ne peut pas toujours s'écrire : ces figures ne se réécrivent pas à l'identique.
bool AUnGuillemet(const FigureFichier& figure)
{
    const auto guillemet = [](const std::string& t) { return t.find('"') != std::string::npos; };
    return std::any_of(figure.Tracés.begin(), figure.Tracés.end(), guillemet) ||
           std::any_of(figure.Points.begin(), figure.Points.end(), [&](const PointFig& p) {
               return guillemet(p.X) || guillemet(p.Y) || guillemet(p.Nom);
           });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* données, std::size_t taille)
{
    const auto lecture = LireOctetsFigure({reinterpret_cast<const char*>(données), taille});
    if (lecture.Figure.has_value() == lecture.Refus.has_value())
        __builtin_trap();
    if (!lecture.Figure || AUnGuillemet(*lecture.Figure))
        return 0;
    const auto écrit = ÉcrireOctetsFigure(*lecture.Figure);
    const auto relue = LireOctetsFigure(écrit);
    if (!relue.Figure || ÉcrireOctetsFigure(*relue.Figure) != écrit)
        __builtin_trap();
    return 0;
}
