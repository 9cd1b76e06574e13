// Le canevas Qt rejoue les marques du modèle : un trait droit couvre ses rangées entières, le fond le reste.
#include "qt/WidgetCanevas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr Couleur Rouge{255, 0, 0};

// Une unité par pixel sur une image de 100 × 100, ou de 200 × 200 peinte à l'échelle 2.
QImage Rejoué(const Canevas& modèle, int agrandissement = 1)
{
    QImage image(100 * agrandissement, 100 * agrandissement, QImage::Format_RGB32);
    QPainter peintre(&image);
    peintre.scale(agrandissement, agrandissement);
    WidgetCanevas::Rejouer(modèle, peintre, QSizeF(100, 100));
    return image;
}

// Une unité par pixel, l'origine au milieu de l'image : le pixel (x, y) est en (x - 50, 50 - y).
Canevas CanevasDeCent()
{
    Canevas modèle;
    modèle.DéfinirRepère(Repère(1, 50, 100, 100));
    return modèle;
}

double X(double pixel)
{
    return pixel - 50;
}
double Y(double pixel)
{
    return 50 - pixel;
}

} // namespace

TEST(WidgetCanevasQt, UnTraitDroitCouvreExactementLesRangeesDeSonEpaisseur)
{
    const struct {
        const char* nom;
        bool horizontal;
        double position;
        int épaisseur;
        std::set<int> rangées;
    } cas[] = {
        {"horizontal fin entre deux pixels", true, 50.3, 1, {50}},
        {"horizontal de 2 arrondi au bord", true, 50.3, 2, {49, 50}},
        {"horizontal de 3 centré", true, 50.3, 3, {49, 50, 51}},
        {"vertical de 3", false, 20.9, 3, {19, 20, 21}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Canevas modèle = CanevasDeCent();
        modèle.DrawWidth = c.épaisseur;
        if (c.horizontal)
            modèle.Line(X(10), Y(c.position), X(90), Y(c.position), Rouge);
        else
            modèle.Line(X(c.position), Y(10), X(c.position), Y(90), Rouge);
        const QImage image = Rejoué(modèle);
        std::set<int> couvertes;
        std::set<int> partielles;
        for (int k = 0; k < 100; ++k) {
            const QColor pixel = c.horizontal ? image.pixelColor(50, k) : image.pixelColor(k, 50);
            if (pixel == QColor(255, 0, 0))
                couvertes.insert(k);
            else if (pixel != QColor(Qt::white))
                partielles.insert(k);
        }
        EXPECT_EQ(couvertes, c.rangées);
        EXPECT_TRUE(partielles.empty());
        // Au-delà de ses extrémités, le trait s'arrête.
        EXPECT_EQ(c.horizontal ? image.pixelColor(95, *c.rangées.begin())
                               : image.pixelColor(*c.rangées.begin(), 95),
                  QColor(Qt::white));
    }
}

TEST(WidgetCanevasQt, UnPointEstUnDisqueCentréSurSaPosition)
{
    const struct {
        const char* nom;
        double x, y;
        int épaisseur;
        int agrandissement;
    } cas[] = {
        {"entre deux pixels", 50.3, 40.6, 4, 1},
        {"épais", 30.5, 30.5, 9, 1},
        {"agrandi", 50.3, 40.6, 4, 2},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Canevas modèle = CanevasDeCent();
        modèle.DrawWidth = c.épaisseur;
        modèle.PSet(X(c.x), Y(c.y), Rouge);
        const QImage image = Rejoué(modèle, c.agrandissement);
        // Le centre de l'encre, chaque pixel pesant ce qu'il a perdu de vert.
        double poids = 0, sx = 0, sy = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double encre = 1 - image.pixelColor(x, y).greenF();
                poids += encre;
                sx += encre * (x + 0.5);
                sy += encre * (y + 0.5);
            }
        const double échelle = c.agrandissement;
        const double rayon = c.épaisseur / 2.0 * échelle;
        EXPECT_NEAR(sx / poids, c.x * échelle, 0.2);
        EXPECT_NEAR(sy / poids, c.y * échelle, 0.2);
        EXPECT_NEAR(poids, 3.14159 * rayon * rayon, 0.15 * rayon * rayon) << "la surface d'un disque";
    }
}
