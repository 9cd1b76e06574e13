// Le lien entre une fenêtre-modèle et ses widgets Qt, le même pour toutes les vues : les widgets naissent
// de la déclaration de la fenêtre, chacun lié à son contrôle et ses évènements aux gestionnaires déclarés ;
// un seul passage recopie ensuite l'état de tous les contrôles sur leurs widgets.
#pragma once

#include "ui/Declaration.h"
#include "ui/Fenetre.h"

#include <QPoint>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

class Liaison {
public:
    // gérer lance un gestionnaire du modèle puis rafraîchit la vue.
    using Gérer = std::function<void(const std::function<void()>&)>;
    // Le widget qu'une vue fait elle-même pour un contrôle déclaré (le canevas), dans ce parent.
    using Fabrique = std::function<QWidget*(QWidget* parent)>;

    Liaison(QWidget* racine, const Fenêtre& modèle, Gérer gérer);

    // Les menus vont dans la barre, s'il y en a une.
    void Construire(Déclaration déclaration, QMenuBar* barre = nullptr,
                    const std::map<const Contrôle*, Fabrique>& propres = {});

    // Le widget d'un contrôle, ou d'un élément de tableau tel qu'au dernier passage.
    QWidget* Widget(const Contrôle& c) const;
    const Déclaration& Déclarée() const { return déclaration; }

    // recopierPropre : ce qu'une vue recopie elle-même, après la recopie commune ; un lien sans widget
    // n'a que cela.
    void Lier(QWidget* widget, const Contrôle& c, std::function<void()> recopierPropre = {});
    void Recopier();

    // Échap presse le bouton d'annulation s'il est là ; faux sinon.
    bool Annuler();

private:
    struct Lien {
        QWidget* widget;
        const Contrôle* contrôle;
        std::function<void()> recopierPropre;
    };
    // Un tableau qui grandit et rétrécit : ses widgets suivent sa taille.
    struct TableauLié {
        const ContrôleDéclaré* déclaré;
        QWidget* parent;
        std::vector<QWidget*> widgets;
        std::vector<const Contrôle*> éléments; // leurs adresses au dernier passage, pour Widget
    };

    QWidget* Créer(const ContrôleDéclaré& d, QWidget* parent, std::function<void()> clic,
                   std::function<void()> survol);
    QWidget* CréerÉtiquette(const ContrôleDéclaré& d, QWidget* parent, std::function<void()> clic,
                            std::function<void()> survol);
    QWidget* CréerBouton(const ContrôleDéclaré& d, QWidget* parent, std::function<void()> clic,
                         std::function<void()> survol);
    QWidget* CréerZoneTexte(const ContrôleDéclaré& d, QWidget* parent);
    QWidget* CréerListe(const ContrôleDéclaré& d, QWidget* parent);
    void CréerMenu(const ContrôleDéclaré& d, QMenuBar* barre);
    void PoserRaccourcis();
    // Vrai si le tableau a changé de taille.
    bool Synchroniser(TableauLié& tableau);
    void OrdonnerClavier();
    QWidget* Parent(const ContrôleDéclaré& d) const;

    QWidget* racine;
    const Fenêtre& modèle;
    Gérer gérer;
    Déclaration déclaration;
    std::vector<Lien> liens;
    std::vector<TableauLié> tableaux;
    std::map<const Contrôle*, QWidget*> widgets;
    std::map<const Contrôle*, QAction*> actions;
    bool principale = false; // sans bouton par défaut : la fenêtre principale
    bool enRecopie = false;
};

// L'élève peut déplacer une fenêtre : son modèle garde sa position, en twips.
void RetenirPosition(Contrôle& form, QPoint pixels);
