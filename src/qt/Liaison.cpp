#include "qt/Liaison.h"

#include "qt/Recopie.h"

#include <QAbstractButton>
#include <QLabel>
#include <cmath>

void Liaison::Lier(QWidget* widget, const Contrôle& c, std::function<void()> recopierPropre)
{
    liens.push_back({widget, &c, std::move(recopierPropre)});
}

void Liaison::LierÉtiquette(QLabel* étiquette, const Contrôle& c)
{
    Lier(étiquette, c, [étiquette, &c] { étiquette->setText(VersLégende(c.Caption)); });
}

void Liaison::LierBouton(QAbstractButton* bouton, const Contrôle& c)
{
    Lier(bouton, c, [bouton, &c] { bouton->setText(VersQString(c.Caption)); });
}

void Liaison::Recopier() const
{
    for (const Lien& lien : liens) {
        if (lien.widget)
            RecopierContrôle(*lien.widget, *lien.contrôle);
        if (lien.recopierPropre)
            lien.recopierPropre();
    }
}

void RetenirPosition(Contrôle& form, QPoint pixels)
{
    form.Left = static_cast<int>(std::lround(pixels.x() * TwipsParPixelX()));
    form.Top = static_cast<int>(std::lround(pixels.y() * TwipsParPixelY()));
}
