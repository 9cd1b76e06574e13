// Le lien entre les contrôles d'un modèle et les widgets Qt qui les montrent, le même pour toutes les vues :
// chaque widget est lié à son contrôle quand il est créé, et un seul passage recopie ensuite l'état de
// tous les contrôles sur leurs widgets.
#pragma once

#include "ui/Controle.h"

#include <QPoint>
#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;
class QWidget;

class Liaison {
public:
    // recopierPropre : ce qui dépend du genre de widget (légende, coche, texte) ; un lien sans widget
    // (une commande de menu) n'a que cela.
    void Lier(QWidget* widget, const Contrôle& c, std::function<void()> recopierPropre = {});
    // La légende d'une étiquette passe à la ligne à chaque CR ; celle d'un bouton est recopiée telle quelle.
    void LierÉtiquette(QLabel* étiquette, const Contrôle& c);
    void LierBouton(QAbstractButton* bouton, const Contrôle& c);

    void Recopier() const;

private:
    struct Lien {
        QWidget* widget;
        const Contrôle* contrôle;
        std::function<void()> recopierPropre;
    };
    std::vector<Lien> liens;
};

// L'élève peut déplacer une fenêtre : son modèle garde sa position, en twips.
void RetenirPosition(Contrôle& form, QPoint pixels);
