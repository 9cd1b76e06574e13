#include "qt/WidgetCanevas.h"

#include "qt/Recopie.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace {

// Les traits horizontaux et verticaux d'épaisseur impaire tombent au milieu d'une rangée de pixels :
// le quadrillage reste net malgré le lissage.
double Caler(double pixel, int épaisseur)
{
    return épaisseur % 2 ? std::floor(pixel) + 0.5 : std::round(pixel);
}

// Un point de la figure est un petit disque lissé ; en tracer 250 par le chemin d'une ellipse coûtait le
// tiers du redessin. Chaque disque est peint une fois par teinte, rayon et quart de pixel de décalage,
// puis posé sur un pixel entier : le centre reste à un huitième de pixel près.
constexpr int Quarts = 4;

const QImage& Disque(const QColor& teinte, double rayon, int quartX, int quartY)
{
    constexpr std::size_t DisquesGardés = 512;
    static std::map<std::tuple<QRgb, double, int, int>, QImage> disques;
    if (disques.size() >= DisquesGardés)
        disques.clear();
    auto [disque, nouveau] = disques.try_emplace({teinte.rgb(), rayon, quartX, quartY});
    if (nouveau) {
        const int côté = static_cast<int>(std::ceil(2 * rayon)) + 3;
        QImage image(côté, côté, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(teinte);
        peintre.drawEllipse(QPointF(1 + rayon + static_cast<double>(quartX) / Quarts,
                                    1 + rayon + static_cast<double>(quartY) / Quarts),
                            rayon, rayon);
        disque->second = std::move(image);
    }
    return disque->second;
}

// Le coin entier où poser le disque et le quart de pixel qui reste jusqu'à son centre.
std::pair<int, int> CoinEtQuart(double centre, double rayon)
{
    const double coin = centre - 1 - rayon;
    int entier = static_cast<int>(std::floor(coin));
    int quart = static_cast<int>(std::lround((coin - entier) * Quarts));
    if (quart == Quarts) {
        ++entier;
        quart = 0;
    }
    return {entier, quart};
}

// Les boutons pressés tels que le modèle les compte : 1 gauche, 2 droit, 4 milieu.
int BoutonsDuModèle(Qt::MouseButtons boutons)
{
    return (boutons & Qt::LeftButton ? 1 : 0) | (boutons & Qt::RightButton ? 2 : 0) |
           (boutons & Qt::MiddleButton ? 4 : 0);
}

} // namespace

WidgetCanevas::WidgetCanevas(Canevas& modèle, std::function<void()> aprèsÉvènement, QWidget* parent)
    : QWidget(parent), modèle(modèle), aprèsÉvènement(std::move(aprèsÉvènement))
{
    setMouseTracking(true);
    // Tab s'y arrête aussi : le lecteur d'écran y lit la figure, les flèches y choisissent un point.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WidgetCanevas::Rejouer(const Canevas& modèle, QPainter& peintre, QSizeF taille)
{
    const QColor fond = modèle.Cadre.BackColor ? VersQColor(*modèle.Cadre.BackColor) : QColor(Qt::white);
    peintre.fillRect(QRectF(QPointF(0, 0), taille), fond);
    peintre.setRenderHint(QPainter::Antialiasing);
    const Repère& repère = modèle.RepèreCourant();
    const auto pixel = [&](double x, double y) {
        const PointPlan p = repère.VersPixels({x, y}, taille.width(), taille.height());
        return QPointF(p.X, p.Y);
    };
    // Un dessin SVG ou une page PDF n'a pas de pixels : chaque marque y reste un vrai trait ou un vrai
    // disque.
    const bool enPixels = peintre.paintEngine()->type() == QPaintEngine::Raster;
    // Agrandie (écran à haute densité), l'image d'un disque serait floue : on le trace alors.
    const bool pixelsEntiers = enPixels && peintre.deviceTransform().type() <= QTransform::TxTranslate;
    for (const Marque& marque : modèle.Marques()) {
        const QColor teinte = VersQColor(marque.Teinte);
        if (marque.Genre == GenreMarque::Ligne) {
            QPointF a = pixel(marque.X1, marque.Y1);
            QPointF b = pixel(marque.X2, marque.Y2);
            const bool droit = marque.X1 == marque.X2 || marque.Y1 == marque.Y2;
            if (enPixels && droit) {
                // Calé sur les pixels, un trait horizontal ou vertical couvre des rangées entières : il se
                // remplit comme un rectangle. Lissé, chaque ligne du quadrillage se peignait pixel par pixel.
                if (marque.X1 == marque.X2)
                    a.rx() = b.rx() = Caler(a.x(), marque.Épaisseur);
                if (marque.Y1 == marque.Y2)
                    a.ry() = b.ry() = Caler(a.y(), marque.Épaisseur);
                const double demi = marque.Épaisseur / 2.0;
                const QRectF trait(QPointF(std::min(a.x(), b.x()) - demi, std::min(a.y(), b.y()) - demi),
                                   QPointF(std::max(a.x(), b.x()) + demi, std::max(a.y(), b.y()) + demi));
                peintre.setRenderHint(QPainter::Antialiasing, false);
                peintre.fillRect(trait, teinte);
                peintre.setRenderHint(QPainter::Antialiasing);
                continue;
            }
            QPen crayon(teinte, marque.Épaisseur);
            // Un trait droit finit carré, comme le rectangle qui le remplit à l'écran.
            crayon.setCapStyle(droit ? Qt::SquareCap : Qt::RoundCap);
            peintre.setPen(crayon);
            peintre.drawLine(a, b);
        } else {
            // Un point est un disque du diamètre du crayon.
            const double rayon = std::max(marque.Épaisseur, 1) / 2.0;
            const QPointF centre = pixel(marque.X1, marque.Y1);
            if (pixelsEntiers) {
                const auto [x, quartX] = CoinEtQuart(centre.x(), rayon);
                const auto [y, quartY] = CoinEtQuart(centre.y(), rayon);
                peintre.drawImage(QPoint(x, y), Disque(teinte, rayon, quartX, quartY));
                continue;
            }
            peintre.setPen(Qt::NoPen);
            peintre.setBrush(teinte);
            peintre.drawEllipse(centre, rayon, rayon);
            peintre.setBrush(Qt::NoBrush);
        }
    }
}

void WidgetCanevas::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    Rejouer(modèle, peintre, size());
}

QPointF WidgetCanevas::VersÉchelle(QPointF p) const
{
    const PointPlan e = modèle.RepèreCourant().DepuisPixels({p.x(), p.y()}, width(), height());
    return QPointF(e.X, e.Y);
}

void WidgetCanevas::mousePressEvent(QMouseEvent* évènement)
{
    if (!modèle.MouseDown)
        return;
    const QPointF p = VersÉchelle(évènement->position());
    modèle.MouseDown(BoutonsDuModèle(évènement->button()), p.x(), p.y());
    aprèsÉvènement();
}

void WidgetCanevas::mouseMoveEvent(QMouseEvent* évènement)
{
    if (!modèle.MouseMove)
        return;
    const QPointF p = VersÉchelle(évènement->position());
    modèle.MouseMove(BoutonsDuModèle(évènement->buttons()), p.x(), p.y());
    aprèsÉvènement();
}

// Les flèches n'ont pas de caractère : elles arrivent au modèle par leur code (37 à 40). Entrée et Échap
// arrivent comme leurs caractères (13, 27), quel que soit le texte que le système leur donne.
void WidgetCanevas::keyPressEvent(QKeyEvent* évènement)
{
    static const std::map<int, int> flèches = {
        {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39}, {Qt::Key_Down, 40}};
    static const std::map<int, char32_t> commandes = {
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}};
    if (const auto flèche = flèches.find(évènement->key()); flèche != flèches.end() && modèle.KeyDown) {
        modèle.KeyDown(flèche->second);
        aprèsÉvènement();
        return;
    }
    const QList<uint> codes = évènement->text().toUcs4();
    const auto commande = commandes.find(évènement->key());
    if (!modèle.KeyPress || (commande == commandes.end() && codes.size() != 1)) {
        QWidget::keyPressEvent(évènement);
        return;
    }
    char32_t touche = commande != commandes.end() ? commande->second : codes[0];
    modèle.KeyPress(touche);
    aprèsÉvènement();
}
