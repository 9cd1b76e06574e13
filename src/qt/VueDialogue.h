// Base des vues Qt des dialogues : un widget par contrôle, les évènements vers les gestionnaires du modèle,
// et après chaque gestionnaire un seul passage qui recopie l'état des contrôles sur les widgets.
#pragma once

#include "qt/Liaison.h"
#include "qt/Vue.h"
#include "ui/Fenetre.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class VueDialogue : public QDialog, public Vue {
public:
    VueDialogue(Fenêtre& modèle, QWidget* parent);

    // Form_Load, premier rafraîchissement, puis la boucle modale tant que le modèle n'est pas fermé.
    void Montrer();

    Fenêtre& Modèle() { return modèle; }

    // Recopie l'état des contrôles sur les widgets ; aussi au milieu d'un gestionnaire, avant d'imprimer.
    void Rafraîchir() override;

protected:
    // Chaque fabrique crée le widget du contrôle et le lie pour tous les rafraîchissements à venir.
    QLabel* Étiquette(Contrôle& c);
    QPushButton* Bouton(Contrôle& c, std::function<void()> clic);
    QRadioButton* BoutonOption(Contrôle& c, std::function<void()> clic);
    // La légende du contrôle tient le texte tapé ; touche reçoit chaque caractère tapé et peut le
    // remplacer, ou l'annuler en le mettant à 0 (8 effacement arrière, 13 entrée, 27 échappement).
    QLineEdit* ZoneTexte(Contrôle& c, std::function<void()> changement = {},
                         std::function<void(char32_t&)> touche = {});
    QPlainTextEdit* ZoneTexteMultiligne(Contrôle& c, bool lectureSeule);

    // Lance un gestionnaire du modèle, rafraîchit, et ferme la vue si le modèle s'est fermé.
    void Gérer(const std::function<void()>& gestionnaire);

    void moveEvent(QMoveEvent* évènement) override;
    // Pour un widget que les fabriques ci-dessus ne savent pas faire (une liste).
    void Lier(QWidget* widget, const Contrôle& c, std::function<void()> recopierPropre);

    void closeEvent(QCloseEvent* évènement) override;
    void reject() override;

private:
    Fenêtre& modèle;
    Liaison liaison;
    bool rafraîchissement = false;
};
