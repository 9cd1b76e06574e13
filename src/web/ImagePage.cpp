#include "web/ImagePage.h"

#include "ui/DessinSvg.h"
#include "ui/DispositionImage.h"
#include "web/CouleurCss.h"
#include "web/DessinCanevas.h"

using emscripten::val;

namespace {

val Texte(const std::string& texte, double x, double base, int taille, bool gras, Couleur teinte)
{
    val ligne = val::object();
    ligne.set("texte", texte);
    ligne.set("x", x);
    ligne.set("base", base);
    ligne.set("taille", taille);
    ligne.set("gras", gras);
    ligne.set("teinte", CouleurCss(teinte));
    return ligne;
}

} // namespace

// Les positions sont celles du dessin SVG : la page a 96 pixels au pouce, comme lui.
val ImagePourPage(const ImageFigure& image)
{
    const DispositionImage d = DisposerImage(image, TwipsParPixelSvg);
    val page = val::object();
    page.set("largeur", d.Largeur);
    page.set("hauteur", d.Hauteur);
    page.set("hautCanevas", d.HautCanevas);
    page.set("hauteurCanevas", d.HauteurCanevas);
    val lignes = val::array();
    for (const LigneImage& ligne : d.Lignes)
        lignes.call<void>("push",
                          Texte(ligne.Texte, ligne.X, ligne.Base, ligne.Taille, ligne.Gras, Couleur{}));
    page.set("lignes", lignes);
    val étiquettes = val::array();
    if (image.Ecran) {
        // Une copie : le tableau du programme est libéré au retour.
        const std::vector<double> marques = MarquesEnPixels(*image.Ecran, d.Largeur, d.HauteurCanevas);
        page.set(
            "marques",
            val::global("Float64Array").new_(emscripten::typed_memory_view(marques.size(), marques.data())));
        page.set("fond", FondCanevas(*image.Ecran));
        for (const Contrôle* c : image.Étiquettes) {
            const ÉtiquetteImage e = DisposerÉtiquette(*c, TwipsParPixelSvg);
            val étiquette =
                Texte(c->Caption, e.Gauche, e.Base, e.Taille, false, c->ForeColor.value_or(Couleur{}));
            if (c->BackColor) {
                étiquette.set("fond", CouleurCss(*c->BackColor));
                étiquette.set("y", e.Haut);
                étiquette.set("largeur", e.Largeur);
                étiquette.set("hauteur", e.Hauteur);
            }
            étiquettes.call<void>("push", étiquette);
        }
    }
    page.set("etiquettes", étiquettes);
    return page;
}
