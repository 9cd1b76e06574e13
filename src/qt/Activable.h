// Rend actif comme un bouton un widget qui n'en est pas un (une ligne de cible, une case de couleur ou de
// position) : clic gauche, ou Tab puis Espace ou Entrée. Le focus se voit au cadre que donne son contrôle,
// et le survol, de la souris comme du focus, prévient le modèle.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class Activable : public QObject {
public:
    // flèche reçoit les touches fléchées (Qt::Key_Left...) et dit si elle les a prises.
    Activable(QWidget* cible, std::function<void()> clic, std::function<void()> survol = {},
              std::function<bool(int)> flèche = {});

    bool eventFilter(QObject* objet, QEvent* évènement) override;

private:
    QWidget* cible;
    std::function<void()> clic;
    std::function<void()> survol;
    std::function<bool(int)> flèche;
};
