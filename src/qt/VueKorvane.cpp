#include "qt/VueKorvane.h"

#include "qt/Recopie.h"
#include "qt/WidgetCanevas.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>

namespace {

// Le fond de la fenêtre : le pointeur qui s'y promène efface la mise en évidence des cibles.
class Fond : public QWidget {
public:
    Fond(std::function<void()> survol, QWidget* parent) : QWidget(parent), survol(std::move(survol))
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent*) override { survol(); }

private:
    std::function<void()> survol;
};

// Une image des outils (data/outils), dessinée à cette taille.
QPixmap Image(const QString& nom, QSize taille)
{
    QPixmap image(taille);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    QSvgRenderer(QStringLiteral(":/outils/") + nom).render(&peintre);
    return image;
}

} // namespace

VueKorvane::VueKorvane(Korvane& modèle)
    : modèle(modèle), fond(new Fond([this] { Gérer(liaison.Déclarée().Survol); }, this)),
      liaison(fond, modèle, [this](const auto& g) { Gérer(g); })
{
    setCentralWidget(fond);
    const auto créerCanevas = [this](QWidget* parent) {
        canevas = new WidgetCanevas(
            this->modèle.Ecran, [this] { Rafraîchir(); }, parent);
        return canevas;
    };
    liaison.Construire(modèle.Déclarer(), menuBar(), {{&modèle.Ecran.Cadre, créerCanevas}});
    liaison.Lier(nullptr, modèle.Ecran.Cadre, [this] {
        if (this->modèle.Ecran.DemandeFocus) {
            canevas->setFocus();
            this->modèle.Ecran.DemandeFocus = false;
        }
        canevas->update();
    });
    médaille = static_cast<QLabel*>(liaison.Widget(modèle.ImaBton));
    PoserImages();
}

void VueKorvane::PoserImages()
{
    Q_INIT_RESOURCE(outils);
    for (auto [bouton, nom] : {std::pair{&modèle.BtonPolygone, "ligne-brisee.svg"},
                               {&modèle.BtonLong, "longueur.svg"},
                               {&modèle.BtonAngle, "angle.svg"},
                               {&modèle.BtonEfface, "gomme.svg"}})
        static_cast<QPushButton*>(liaison.Widget(*bouton))->setIcon(QIcon(Image(nom, QSize(24, 24))));
    static_cast<QPushButton*>(liaison.Widget(modèle.BtonEfface))->setIconSize(QSize(12, 12));
}

void VueKorvane::Démarrer()
{
    modèle.Form_Load();
    Rafraîchir();
    show();
}

void VueKorvane::Gérer(const std::function<void()>& gestionnaire)
{
    gestionnaire();
    Rafraîchir();
}

void VueKorvane::SynchroniserTaille()
{
    const QRect voulu = RectanglePixels(modèle.Form);
    if (size() != voulu.size())
        resize(voulu.size());
}

void VueKorvane::Rafraîchir()
{
    if (enRafraîchissement)
        return;
    enRafraîchissement = true;
    setWindowTitle(VersTitre(modèle.Form.Caption));
    QPalette palette = fond->palette();
    if (modèle.Form.BackColor)
        palette.setColor(QPalette::Window, VersQColor(*modèle.Form.BackColor));
    fond->setPalette(palette);
    fond->setCursor(CurseurQt(modèle.Form.MousePointer));
    liaison.Recopier();
    // L'image du score, une médaille, se redessine à la taille de son cadre.
    if (médaille->pixmap().size() != médaille->size())
        médaille->setPixmap(Image(QStringLiteral("medaille.svg"), médaille->size()));
    SynchroniserTaille();
    enRafraîchissement = false;
}

// La fenêtre compte sa barre de menus ; les contrôles se placent dessous, dans le fond.
void VueKorvane::resizeEvent(QResizeEvent* évènement)
{
    QMainWindow::resizeEvent(évènement);
    if (enRafraîchissement)
        return;
    modèle.Form.Width = static_cast<int>(std::lround(width() * TwipsParPixelX()));
    modèle.Form.Height = static_cast<int>(std::lround(height() * TwipsParPixelY()));
    Gérer(liaison.Déclarée().Redimensionnement);
}

void VueKorvane::moveEvent(QMoveEvent* évènement)
{
    QMainWindow::moveEvent(évènement);
    RetenirPosition(modèle.Form, pos());
}

void VueKorvane::closeEvent(QCloseEvent* évènement)
{
    if (!modèle.EstFermée())
        modèle.Form_QueryUnload();
    évènement->accept();
}
