#include "qt/VueDialogue.h"

#include "qt/Recopie.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <cmath>

VueDialogue::VueDialogue(Fenêtre& modèle, QWidget* parent)
    : QDialog(parent), modèle(modèle), liaison(this, modèle, [this](const auto& g) { Gérer(g); })
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    liaison.Construire(modèle.Déclarer());
}

void VueDialogue::Montrer()
{
    modèle.Form_Load();
    Rafraîchir();
    if (!modèle.EstFermée())
        exec();
}

void VueDialogue::Gérer(const std::function<void()>& gestionnaire)
{
    gestionnaire();
    Rafraîchir();
    if (modèle.EstFermée())
        done(QDialog::Accepted);
}

void VueDialogue::Rafraîchir()
{
    const Contrôle& form = modèle.Form;
    setWindowTitle(VersTitre(form.Caption));
    const QRect cadre = RectanglePixels(form);
    if (size() != cadre.size())
        setFixedSize(cadre.size());
    if (pos() != cadre.topLeft())
        move(cadre.topLeft());
    QPalette palette = QApplication::palette(this);
    if (form.BackColor)
        palette.setColor(QPalette::Window, VersQColor(*form.BackColor));
    setPalette(palette);
    liaison.Recopier();
}

// L'élève peut déplacer le dialogue : le modèle garde sa position.
void VueDialogue::moveEvent(QMoveEvent* évènement)
{
    QDialog::moveEvent(évènement);
    RetenirPosition(modèle.Form, pos());
}

// Une fenêtre qui se dispose selon sa taille l'apprend par son modèle.
void VueDialogue::resizeEvent(QResizeEvent* évènement)
{
    QDialog::resizeEvent(évènement);
    const auto& redimensionnement = liaison.Déclarée().Redimensionnement;
    if (!redimensionnement)
        return;
    const int largeur = static_cast<int>(std::lround(évènement->size().width() * TwipsParPixelX()));
    const int hauteur = static_cast<int>(std::lround(évènement->size().height() * TwipsParPixelY()));
    if (largeur == modèle.Form.Width && hauteur == modèle.Form.Height)
        return;
    modèle.Form.Width = largeur;
    modèle.Form.Height = hauteur;
    Gérer(redimensionnement);
}

// La croix du cadre passe par Form_QueryUnload, qui décide de fermer ou non.
void VueDialogue::closeEvent(QCloseEvent* évènement)
{
    if (!modèle.EstFermée()) {
        modèle.Form_QueryUnload();
        Rafraîchir();
    }
    if (modèle.EstFermée())
        évènement->accept();
    else
        évènement->ignore();
}

// Échap presse le bouton d'annulation ; sans lui, comme la croix du cadre.
void VueDialogue::reject()
{
    if (!modèle.EstFermée()) {
        if (!liaison.Annuler())
            modèle.Form_QueryUnload();
        Rafraîchir();
    }
    if (modèle.EstFermée())
        QDialog::reject();
}
