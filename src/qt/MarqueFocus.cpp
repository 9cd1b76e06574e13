#include "qt/MarqueFocus.h"

#include "qt/Recopie.h"
#include "ui/CadreFocus.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

// Un enfant du widget, de sa taille, qui ne prend pas la souris ; il se montre quand le widget a le focus.
class MarqueFocus : public QWidget {
public:
    MarqueFocus(QWidget& cible, const CadreFocus& cadre) : QWidget(&cible), cadre(cadre)
    {
        setObjectName(QStringLiteral("MarqueFocus"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        cible.installEventFilter(this);
        Suivre(cible);
    }

    void Définir(const CadreFocus& c)
    {
        if (cadre.Extérieur == c.Extérieur && cadre.Intérieur == c.Intérieur)
            return;
        cadre = c;
        update();
    }

protected:
    bool eventFilter(QObject* objet, QEvent* évènement) override
    {
        const auto genre = évènement->type();
        if (genre == QEvent::FocusIn || genre == QEvent::FocusOut || genre == QEvent::Resize)
            Suivre(*static_cast<QWidget*>(objet));
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        const auto bande = [&peintre](const QRect& bord, Couleur teinte) {
            const QRect dedans =
                bord.adjusted(LargeurBandeFocus, LargeurBandeFocus, -LargeurBandeFocus, -LargeurBandeFocus);
            for (const QRect& morceau : QRegion(bord).subtracted(QRegion(dedans)))
                peintre.fillRect(morceau, VersQColor(teinte));
        };
        bande(rect(), cadre.Extérieur);
        if (!(cadre.Intérieur == cadre.Extérieur))
            bande(
                rect().adjusted(LargeurBandeFocus, LargeurBandeFocus, -LargeurBandeFocus, -LargeurBandeFocus),
                cadre.Intérieur);
    }

private:
    void Suivre(const QWidget& cible)
    {
        setGeometry(cible.rect());
        raise();
        setVisible(cible.hasFocus());
    }

    CadreFocus cadre;
};

} // namespace

void PoserMarqueFocus(QWidget& widget, const std::optional<CadreFocus>& cadre)
{
    auto* marque = widget.findChild<MarqueFocus*>(QStringLiteral("MarqueFocus"), Qt::FindDirectChildrenOnly);
    if (!cadre) {
        delete marque;
        return;
    }
    if (marque)
        marque->Définir(*cadre);
    else
        new MarqueFocus(widget, *cadre);
}
