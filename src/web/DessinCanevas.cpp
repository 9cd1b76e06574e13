#include "web/DessinCanevas.h"

#include "web/CouleurCss.h"

std::vector<double> MarquesEnPixels(const Canevas& modèle, double largeur, double hauteur)
{
    const Repère& repère = modèle.RepèreCourant();
    std::vector<double> données;
    données.reserve(modèle.Marques().size() * 9);
    for (const Marque& marque : modèle.Marques()) {
        const PointPlan a = repère.VersPixels({marque.X1, marque.Y1}, largeur, hauteur);
        const PointPlan b = repère.VersPixels({marque.X2, marque.Y2}, largeur, hauteur);
        const bool droit = marque.X1 == marque.X2 || marque.Y1 == marque.Y2;
        données.insert(données.end(), {marque.Genre == GenreMarque::Point ? 0.0 : (droit ? 2.0 : 1.0), a.X,
                                       a.Y, b.X, b.Y, double(marque.Teinte.R), double(marque.Teinte.V),
                                       double(marque.Teinte.B), double(marque.Épaisseur)});
    }
    return données;
}

std::string FondCanevas(const Canevas& modèle)
{
    return CouleurCss(modèle.Cadre.BackColor.value_or(Couleur{255, 255, 255}));
}

// Les marques partent en un seul tableau, déjà en pixels CSS : un appel à la page par redessin, et non un
// par trait (velmor.js les trace).
void DessinerCanevas(const Canevas& modèle, const emscripten::val& dessin)
{
    const std::vector<double> données =
        MarquesEnPixels(modèle, dessin["clientWidth"].as<double>(), dessin["clientHeight"].as<double>());
    emscripten::val::global("Velmor").call<void>(
        "dessiner", dessin, emscripten::val(emscripten::typed_memory_view(données.size(), données.data())),
        FondCanevas(modèle));
}
