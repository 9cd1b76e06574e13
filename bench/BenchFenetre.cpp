// La fenêtre principale : le redessin complet d'une figure de 250 points peint par le canevas Qt dans une
// image hors écran, et le démarrage, de la construction de la fenêtre à la première peinture du canevas.
#include "Cibles.h"
#include "FiguresBench.h"
#include "files/ChargementFigure.h"
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"
#include "qt/WidgetCanevas.h"
#include "ui/Korvane.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <memory>

namespace {

// La fenêtre sans sa vue, à la taille voulue en pixels, la grande figure chargée et son polygone construit.
struct FenêtreModèle {
    Modulebas m;
    PlateformeQt plateforme;
    Korvane korvane{m, plateforme};

    FenêtreModèle(int largeur, int hauteur)
    {
        korvane.Form_Load();
        korvane.Form.Width = largeur * korvane.TwipsParPixelX;
        korvane.Form.Height = hauteur * korvane.TwipsParPixelY;
        korvane.Form_Resize();
        ChargerFigure(m, FigureDePoints(LimitePoints, 26, 0));
        korvane.Opérations.ConstruirePolygone();
    }
};

void Redessin(benchmark::State& état)
{
    const int largeur = static_cast<int>(état.range(0));
    const int hauteur = static_cast<int>(état.range(1));
    FenêtreModèle fenêtre(largeur, hauteur);
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    const auto redessiner = [&] {
        fenêtre.korvane.RedessinerTout();
        QPainter peintre(&image);
        WidgetCanevas::Rejouer(fenêtre.korvane.Ecran, peintre, image.size());
    };
    const double début = SecondesProcesseur();
    for (auto _ : état)
        redessiner();
    RapporterCible(état, début, 2000);
    RapporterPic(état, redessiner);
    état.counters["marques"] = static_cast<double>(fenêtre.korvane.Ecran.Marques().size());
}

// Guette la première peinture du canevas.
class GuetPeinture : public QObject {
public:
    bool Peint = false;

protected:
    bool eventFilter(QObject* objet, QEvent* évènement) override
    {
        if (évènement->type() == QEvent::Paint)
            Peint = true;
        return QObject::eventFilter(objet, évènement);
    }
};

struct FenêtrePrincipale {
    Modulebas m;
    PlateformeQt plateforme;
    Korvane korvane{m, plateforme};
    VueKorvane vue{korvane};
};

// Comme le programme : la vue construite, Form_Load, puis la fenêtre paraît et se peint.
bool DémarrerJusquÀPeinture(std::unique_ptr<FenêtrePrincipale>& fenêtre)
{
    fenêtre = std::make_unique<FenêtrePrincipale>();
    fenêtre->plateforme.DéfinirFenêtrePrincipale(fenêtre->korvane.Form, &fenêtre->vue);
    GuetPeinture guet;
    fenêtre->vue.Canevas()->installEventFilter(&guet);
    fenêtre->vue.Démarrer();
    QElapsedTimer attente;
    attente.start();
    while (!guet.Peint && attente.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    fenêtre->vue.Canevas()->removeEventFilter(&guet);
    return guet.Peint;
}

void Fermer(std::unique_ptr<FenêtrePrincipale>& fenêtre)
{
    fenêtre.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Démarrage(benchmark::State& état)
{
    std::unique_ptr<FenêtrePrincipale> fenêtre;
    for (auto _ : état) {
        if (!DémarrerJusquÀPeinture(fenêtre)) {
            état.SkipWithError("le canevas n'a pas été peint");
            return;
        }
        état.PauseTiming();
        Fermer(fenêtre);
        état.ResumeTiming();
    }
    RapporterPic(état, [&] { DémarrerJusquÀPeinture(fenêtre); });
    Fermer(fenêtre);
}

} // namespace

BENCHMARK(Redessin)->Args({800, 600})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(Démarrage)->Unit(benchmark::kMillisecond)->UseRealTime();
