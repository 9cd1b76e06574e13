// Rend cliquable un widget qui ne l'est pas (une case de couleur, une case de position).
#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <functional>

class FiltreClic : public QObject {
public:
    FiltreClic(QObject* cible, std::function<void()> clic) : QObject(cible), clic(std::move(clic))
    {
        cible->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* évènement) override
    {
        if (évènement->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(évènement)->button() == Qt::LeftButton) {
            clic();
            return true;
        }
        return false;
    }

private:
    std::function<void()> clic;
};
