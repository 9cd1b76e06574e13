// La vue Qt de la fenêtre principale : menus, canevas, outils et panneaux, recopiés après chaque évènement.
#pragma once

#include "qt/Liaison.h"
#include "qt/Vue.h"
#include "ui/Korvane.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <unordered_map>
#include <vector>

class QLabel;
class QMenu;
class QPushButton;
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
    // Un tableau de contrôles qui grandit et rétrécit : les widgets suivent sa taille.
    struct TableauLié {
        std::vector<Contrôle>* contrôles;
        std::function<QWidget*(std::size_t)> créer;
        std::vector<QWidget*> widgets;
    };

    QLabel* Étiquette(const Contrôle& c, QWidget* parent);
    QLabel* ÉtiquetteActive(Contrôle& c, QWidget* parent);
    QPushButton* Bouton(Contrôle& c, QWidget* parent);
    QWidget* Forme(const Contrôle& c, QWidget* parent);
    void ConstruireMenus(QMenu* menu, const std::vector<EntréeMenu>& entrées);
    void PoserRaccourcis();
    void SynchroniserTableau(TableauLié& tableau);
    void SynchroniserTaille();
    void OrdonnerTabulation();

    Korvane& modèle;
    QWidget* fond;
    WidgetCanevas* canevas;
    QLabel* médaille;
    Liaison liaison;
    std::unordered_map<const Contrôle*, QAction*> actionsDesMenus;
    std::vector<TableauLié> tableaux;
    std::vector<QPointer<QWidget>> ordreTabulation; // un widget détruit ne s'y confond pas avec un nouveau
    bool enRafraîchissement = false;
};
