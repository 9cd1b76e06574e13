// La vue Qt d'un dialogue : ses widgets naissent de la déclaration de son modèle, les évènements vont aux
// gestionnaires déclarés, et après chaque gestionnaire un seul passage recopie l'état des contrôles sur
// les widgets. Une vue dérivée n'ajoute que ce qui lui est propre (un dessin).
#pragma once

#include "qt/Liaison.h"
#include "qt/Vue.h"
#include "ui/Fenetre.h"

#include <QDialog>
#include <functional>

class VueDialogue : public QDialog, public Vue {
public:
    VueDialogue(Fenêtre& modèle, QWidget* parent);

    // Form_Load, premier rafraîchissement, puis la boucle modale tant que le modèle n'est pas fermé.
    void Montrer();

    Fenêtre& Modèle() { return modèle; }

    // Recopie l'état des contrôles sur les widgets ; aussi au milieu d'un gestionnaire, avant d'imprimer.
    void Rafraîchir() override;

protected:
    // Le widget d'un contrôle déclaré, pour ce que la vue y ajoute.
    QWidget* Widget(const Contrôle& c) const { return liaison.Widget(c); }

    // Lance un gestionnaire du modèle, rafraîchit, et ferme la vue si le modèle s'est fermé.
    void Gérer(const std::function<void()>& gestionnaire);

    void moveEvent(QMoveEvent* évènement) override;
    void resizeEvent(QResizeEvent* évènement) override;
    void closeEvent(QCloseEvent* évènement) override;
    void reject() override;

private:
    Fenêtre& modèle;
    Liaison liaison;
};
