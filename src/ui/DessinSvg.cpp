#include "ui/DessinSvg.h"

#include "model/TexteNombre.h"
#include "ui/DispositionImage.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* Polices = "Liberation Sans, Arial, Helvetica, sans-serif";

// Deux décimales suffisent au centième de pixel ; les zéros de la fin tombent, et « -0 » aussi.
std::string N(double v)
{
    std::array<char, 64> tampon{};
    const auto [fin, erreur] = ÉcrireFixe(tampon.data(), tampon.data() + tampon.size(), v, 2);
    std::string texte(tampon.data(), erreur == std::errc() ? fin : tampon.data());
    while (texte.find('.') != std::string::npos && (texte.back() == '0' || texte.back() == '.'))
        texte.pop_back();
    return texte == "-0" || texte.empty() ? "0" : texte;
}

std::string Teinte(Couleur c)
{
    constexpr const char* Chiffres = "0123456789abcdef";
    std::string texte = "#";
    for (const std::uint8_t composante : {c.R, c.V, c.B}) {
        texte += Chiffres[composante / 16];
        texte += Chiffres[composante % 16];
    }
    return texte;
}

// Un texte d'élève ou de fichier n'est jamais du balisage ; une fin de ligne devient un blanc, les autres
// caractères de commande, interdits en XML, tombent.
std::string Échapper(const std::string& texte)
{
    std::string sûr;
    for (const char c : texte) {
        switch (c) {
        case '&':
            sûr += "&amp;";
            break;
        case '<':
            sûr += "&lt;";
            break;
        case '>':
            sûr += "&gt;";
            break;
        case '"':
            sûr += "&quot;";
            break;
        case '\n':
            sûr += ' ';
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                sûr += c;
        }
    }
    return sûr;
}

std::string Texte(const std::string& texte, double x, double base, int taille, bool gras, Couleur teinte)
{
    return "<text x=\"" + N(x) + "\" y=\"" + N(base) + "\" font-size=\"" + N(taille) + "\"" +
           (gras ? " font-weight=\"bold\"" : "") + " fill=\"" + Teinte(teinte) + "\">" + Échapper(texte) +
           "</text>\n";
}

// Les marques comme le canevas de l'écran les trace : un trait droit finit carré, un autre rond, un point
// est un disque du diamètre du crayon.
std::string Marques(const Canevas& écran, int largeur, int hauteur)
{
    std::string dessin;
    const Repère& repère = écran.RepèreCourant();
    for (const Marque& marque : écran.Marques()) {
        const PointPlan a = repère.VersPixels({marque.X1, marque.Y1}, largeur, hauteur);
        if (marque.Genre == GenreMarque::Point) {
            dessin += "<circle cx=\"" + N(a.X) + "\" cy=\"" + N(a.Y) + "\" r=\"" +
                      N(std::max(marque.Épaisseur, 1) / 2.0) + "\" fill=\"" + Teinte(marque.Teinte) +
                      "\"/>\n";
            continue;
        }
        const PointPlan b = repère.VersPixels({marque.X2, marque.Y2}, largeur, hauteur);
        const bool droit = marque.X1 == marque.X2 || marque.Y1 == marque.Y2;
        dessin += "<line x1=\"" + N(a.X) + "\" y1=\"" + N(a.Y) + "\" x2=\"" + N(b.X) + "\" y2=\"" + N(b.Y) +
                  "\" stroke=\"" + Teinte(marque.Teinte) + "\" stroke-width=\"" + N(marque.Épaisseur) +
                  "\" stroke-linecap=\"" + (droit ? "square" : "round") + "\"/>\n";
    }
    return dessin;
}

// Une étiquette comme la montre sa vue : son fond s'il en a un, son texte à gauche, centré en hauteur.
std::string Étiquette(const Contrôle& étiquette)
{
    const ÉtiquetteImage e = DisposerÉtiquette(étiquette, TwipsParPixelSvg);
    std::string dessin;
    if (étiquette.BackColor)
        dessin += "<rect x=\"" + N(e.Gauche) + "\" y=\"" + N(e.Haut) + "\" width=\"" + N(e.Largeur) +
                  "\" height=\"" + N(e.Hauteur) + "\" fill=\"" + Teinte(*étiquette.BackColor) + "\"/>\n";
    return dessin + Texte(étiquette.Caption, e.Gauche, e.Base, e.Taille, false,
                          étiquette.ForeColor.value_or(Couleur{}));
}

} // namespace

std::string DessinSvg(const ImageFigure& image)
{
    const DispositionImage d = DisposerImage(image, TwipsParPixelSvg);
    const std::string largeur = N(d.Largeur);
    const std::string hauteur = N(d.Hauteur);
    std::string dessin = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                         largeur + "\" height=\"" + hauteur + "\" viewBox=\"0 0 " + largeur + " " + hauteur +
                         "\" font-family=\"" + Polices + "\">\n<title>Figure de Velmor</title>\n";
    if (!image.Légende.empty())
        dessin += "<desc>" + Échapper(image.Légende.front()) + "</desc>\n";
    dessin += "<rect width=\"" + largeur + "\" height=\"" + hauteur + "\" fill=\"#ffffff\"/>\n";
    for (const LigneImage& ligne : d.Lignes)
        dessin += Texte(ligne.Texte, ligne.X, ligne.Base, ligne.Taille, ligne.Gras, Couleur{});
    if (image.Ecran) {
        // Un dessin dans le dessin coupe ce qui dépasse : les étiquettes s'arrêtent au bord du canevas,
        // comme à l'écran.
        dessin += "<svg x=\"0\" y=\"" + N(d.HautCanevas) + "\" width=\"" + largeur + "\" height=\"" +
                  N(d.HauteurCanevas) + "\">\n<rect width=\"" + largeur + "\" height=\"" +
                  N(d.HauteurCanevas) + "\" fill=\"" +
                  Teinte(image.Ecran->Cadre.BackColor.value_or(Couleur{255, 255, 255})) + "\"/>\n" +
                  Marques(*image.Ecran, d.Largeur, d.HauteurCanevas);
        for (const Contrôle* étiquette : image.Étiquettes)
            dessin += Étiquette(*étiquette);
        dessin += "</svg>\n";
    }
    return dessin + "</svg>\n";
}
