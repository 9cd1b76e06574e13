#include "ui/DispositionImage.h"

#include "model/Caracteres.h"
#include "ui/Pixels.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr double Marge = 8;
constexpr double PoliceTitre = 12;
constexpr double PoliceLégende = 10;
// Proportions d'une police sans empattement : un caractère moyen (un peu large, pour que la ligne coupée
// tienne toujours), la hauteur d'une ligne, la ligne de base sous le haut de la ligne et sous le milieu
// d'un cadre.
constexpr double LargeurCaractère = 0.6;
constexpr double HauteurLigne = 1.2;
constexpr double BaseSousHaut = 0.94;
constexpr double BaseSousMilieu = 0.35;

// Les mots séparés par un blanc ; une ponctuation précédée d'un blanc (« AB = 2 ; BC = 3 ») reste avec le
// mot d'avant, comme en typographie française.
std::vector<std::string> Mots(const std::string& texte)
{
    std::vector<std::string> mots;
    std::size_t début = 0;
    while (début <= texte.size()) {
        const std::size_t fin = std::min(texte.find(' ', début), texte.size());
        std::string mot = texte.substr(début, fin - début);
        if (!mots.empty() && !mot.empty() &&
            std::string_view("=;:!?").find(mot.front()) != std::string_view::npos)
            mots.back() += " " + mot;
        else
            mots.push_back(std::move(mot));
        début = fin + 1;
    }
    return mots;
}

// Les mots à la suite tant que la ligne tient dans la largeur ; un mot plus long qu'elle reste seul.
std::vector<std::string> Couper(const std::string& texte, int taille, double largeur)
{
    const auto caractèresParLigne =
        std::max<std::size_t>(1, static_cast<std::size_t>(largeur / (LargeurCaractère * taille)));
    std::vector<std::string> lignes;
    std::string ligne;
    std::size_t longueur = 0;
    for (const std::string& mot : Mots(texte)) {
        const std::size_t caractères = Caractères(mot).size();
        if (!ligne.empty() && longueur + 1 + caractères > caractèresParLigne) {
            lignes.push_back(std::move(ligne));
            ligne.clear();
            longueur = 0;
        }
        if (!ligne.empty()) {
            ligne += ' ';
            ++longueur;
        }
        ligne += mot;
        longueur += caractères;
    }
    lignes.push_back(std::move(ligne));
    return lignes;
}

// Pose le bloc à partir de haut et rend son bas.
double PoserBloc(DispositionImage& d, const std::string& texte, double points, bool gras, double haut,
                 double twipsParPixel)
{
    const int taille = PixelsPolice(points, twipsParPixel);
    const double hauteur = std::round(taille * HauteurLigne);
    for (std::string& ligne : Couper(texte, taille, std::max(d.Largeur - 2 * Marge, 1.0))) {
        d.Lignes.push_back({std::move(ligne), Marge, haut + std::round(taille * BaseSousHaut), taille, gras});
        haut += hauteur;
    }
    return haut;
}

} // namespace

int PixelsPolice(double points, double twipsParPixel)
{
    return std::max(1, static_cast<int>(std::lround(points * 1440.0 / 72.0 / twipsParPixel)));
}

double BaseCentrée(double haut, double hauteur, int taille)
{
    return haut + hauteur / 2 + std::round(taille * BaseSousMilieu);
}

ÉtiquetteImage DisposerÉtiquette(const Contrôle& étiquette, double twipsParPixel)
{
    ÉtiquetteImage e;
    e.Gauche = VersPixels(étiquette.Left, twipsParPixel);
    e.Haut = VersPixels(étiquette.Top, twipsParPixel);
    e.Largeur = VersPixels(étiquette.Width, twipsParPixel);
    e.Hauteur = VersPixels(étiquette.Height, twipsParPixel);
    e.Taille = PixelsPolice(étiquette.FontSize, twipsParPixel);
    e.Base = BaseCentrée(e.Haut, e.Hauteur, e.Taille);
    return e;
}

DispositionImage DisposerImage(const ImageFigure& image, double twipsParPixel)
{
    DispositionImage d;
    if (image.Ecran) {
        d.Largeur = VersPixels(image.Ecran->Cadre.Width, twipsParPixel);
        d.HauteurCanevas = VersPixels(image.Ecran->Cadre.Height, twipsParPixel);
    }
    double haut = 0;
    if (!image.Titre.empty())
        haut = PoserBloc(d, image.Titre, PoliceTitre, true, Marge, twipsParPixel) + Marge;
    d.HautCanevas = haut;
    haut += d.HauteurCanevas;
    if (!image.Légende.empty()) {
        haut += Marge;
        for (const std::string& ligne : image.Légende)
            haut = PoserBloc(d, ligne, PoliceLégende, false, haut, twipsParPixel) + Marge / 2;
        haut += Marge / 2;
    }
    d.Hauteur = haut;
    return d;
}
