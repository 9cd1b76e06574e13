// Aides des tests Qt : trouver un widget ou un bouton dans la fenêtre modale ouverte.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

inline QPushButton* BoutonVisible(QWidget* fenêtre, const QString& légende)
{
    if (!fenêtre)
        return nullptr;
    for (QPushButton* bouton : fenêtre->findChildren<QPushButton*>()) {
        if (bouton->text() == légende && bouton->isVisible())
            return bouton;
    }
    return nullptr;
}

// Clique le bouton visible de cette légende dans la fenêtre modale active.
inline void Cliquer(const QString& légende)
{
    QPushButton* bouton = BoutonVisible(QApplication::activeModalWidget(), légende);
    if (bouton)
        bouton->click();
    else
        ADD_FAILURE() << "pas de bouton visible " << légende.toStdString();
}

// Le widget de genre W (et de ce nom, s'il est donné) dans la fenêtre modale active.
template <typename W> W* Enfant(const char* nom = nullptr)
{
    QWidget* active = QApplication::activeModalWidget();
    if (!active)
        return nullptr;
    return nom ? active->findChild<W*>(QString::fromUtf8(nom)) : active->findChild<W*>();
}
