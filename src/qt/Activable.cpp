#include "qt/Activable.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

Activable::Activable(QWidget* cible, std::function<void()> clic, std::function<void()> survol,
                     std::function<bool(int)> flèche)
    : QObject(cible), cible(cible), clic(std::move(clic)), survol(std::move(survol)),
      flèche(std::move(flèche))
{
    // Tab seulement : un clic de souris laisse le focus où il était, comme avant.
    cible->setFocusPolicy(Qt::TabFocus);
    if (this->survol)
        cible->setMouseTracking(true);
    cible->installEventFilter(this);
}

bool Activable::eventFilter(QObject* objet, QEvent* évènement)
{
    if (objet != cible)
        return false;
    switch (évènement->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(évènement)->button() != Qt::LeftButton)
            return false;
        clic();
        return true;
    case QEvent::MouseMove:
        if (survol)
            survol();
        return false;
    case QEvent::FocusIn:
        if (survol)
            survol();
        return false;
    case QEvent::KeyPress: {
        const int touche = static_cast<QKeyEvent*>(évènement)->key();
        if (touche == Qt::Key_Space || touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            clic();
            return true;
        }
        const bool estFlèche = touche == Qt::Key_Left || touche == Qt::Key_Right || touche == Qt::Key_Up ||
                               touche == Qt::Key_Down;
        return estFlèche && flèche && flèche(touche);
    }
    default:
        return false;
    }
}
