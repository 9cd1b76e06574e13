// Le widget du canevas : rejoue la liste des marques du modèle, lissée.
#pragma once

#include "ui/Canevas.h"

#include <QWidget>

class WidgetCanevas : public QWidget {
public:
    WidgetCanevas(Canevas& modèle, std::function<void()> aprèsÉvènement, QWidget* parent);

    // Dessine les marques sur n'importe quel appareil de dessin, à la taille donnée en pixels.
    static void Rejouer(const Canevas& modèle, QPainter& peintre, QSizeF taille);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* évènement) override;
    void mouseMoveEvent(QMouseEvent* évènement) override;
    void keyPressEvent(QKeyEvent* évènement) override;

private:
    QPointF VersÉchelle(QPointF pixel) const;

    Canevas& modèle;
    std::function<void()> aprèsÉvènement;
};
