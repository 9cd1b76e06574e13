// Recopie de l'état d'un contrôle-modèle sur son widget Qt (twips vers pixels, couleurs, police).
#pragma once

#include "model/Couleur.h"
#include "ui/Controle.h"

#include <QColor>
#include <QCursor>
#include <QRect>
#include <QString>
#include <string>

class QWidget;

// Twips par pixel de l'écran principal (15 à 96 points par pouce).
double TwipsParPixelX();
double TwipsParPixelY();

inline QString VersQString(const std::string& texte)
{
    return QString::fromStdString(texte);
}
// Une étiquette passe à la ligne à chaque CR LF, et aussi à chaque CR seul : CR CR LF laisse une ligne vide.
inline QString VersLégende(const std::string& texte)
{
    QString légende = VersQString(texte);
    légende.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    légende.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return légende;
}
// Un titre de fenêtre montre « [*] » tel quel : Qt y verrait la marque d'un document modifié.
inline QString VersTitre(const std::string& texte)
{
    return VersQString(texte).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
inline std::string VersTexte(const QString& texte)
{
    return texte.toStdString();
}
inline QColor VersQColor(Couleur c)
{
    return QColor(c.R, c.V, c.B);
}

// La forme Qt d'un pointeur du programme (99 : l'image personnalisée).
QCursor CurseurQt(Pointeur p);

// Le rectangle du contrôle en pixels, dans son conteneur.
QRect RectanglePixels(const Contrôle& c);

// Position, taille, visibilité, activation, bulle, nom et description pour un lecteur d'écran, couleurs,
// police, pointeur et cadre du focus du contrôle.
// La légende est propre à chaque genre de widget et reste à la charge de l'appelant.
void RecopierContrôle(QWidget& widget, const Contrôle& c);
