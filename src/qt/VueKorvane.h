// La vue Qt de la fenêtre principale : ses menus et ses contrôles naissent de la déclaration de Korvane ;
// elle n'a en propre que le canevas, le fond qui suit le pointeur et les images des outils.
#pragma once

#include "qt/Liaison.h"
#include "qt/Vue.h"
#include "ui/Korvane.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class WidgetCanevas;

class VueKorvane : public QMainWindow, public Vue {
public:
    explicit VueKorvane(Korvane& modèle);

    // Form_Load, premier rafraîchissement, puis la fenêtre paraît (le premier redimensionnement suit).
    void Démarrer();

    // Lance un gestionnaire du modèle puis recopie tout l'état sur les widgets.
    void Gérer(const std::function<void()>& gestionnaire);
    void Rafraîchir() override;

    WidgetCanevas* Canevas() const { return canevas; }

protected:
    void resizeEvent(QResizeEvent* évènement) override;
    void moveEvent(QMoveEvent* évènement) override;
    void closeEvent(QCloseEvent* évènement) override;

private:
    void PoserImages();
    void SynchroniserTaille();

    Korvane& modèle;
    QWidget* fond;
    WidgetCanevas* canevas = nullptr;
    QLabel* médaille;
    Liaison liaison;
    bool enRafraîchissement = false;
};
