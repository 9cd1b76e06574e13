// L'image de la figure avec Qt : le canevas rejoué, ses étiquettes en texte, le titre et la légende,
// sur une image, une page PDF ou la page de l'imprimante ; le dessin SVG est celui du cœur.
#pragma once

#include "ui/Plateforme.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// La taille de l'image en pixels de l'écran : le canevas à sa taille, le titre au-dessus, la légende dessous.
QSizeF TailleImage(const ImageFigure& image);

// Peint l'image à partir de (0, 0), à sa taille en pixels de l'écran ; le peintre peut l'agrandir.
void PeindreImage(const ImageFigure& image, QPainter& peintre);

// Chaque pixel de l'écran en vaut agrandissement × agrandissement.
QImage ImageEnPixels(const ImageFigure& image, int agrandissement);
// Une page à la taille de l'image, sans marge ; rien si elle n'a pas pu être composée.
QByteArray PagePdf(const ImageFigure& image);
// Ajustée à la page en gardant ses proportions, centrée en largeur, contre le haut de la page.
bool ImprimerSurPage(const ImageFigure& image, QPagedPaintDevice& page);

// Les octets écrits par l'écriture de tous les fichiers du programme, à travers un lien que l'élève a
// choisi ; faux si le fichier n'a pas pu être écrit, qui reste alors tel qu'il était.
bool ÉcrireOctets(const QString& chemin, const QByteArray& octets);
// Faux si l'image n'a pas pu être composée ou que le fichier n'a pas pu être écrit.
bool ÉcrireImage(const ImageFigure& image, FormatImage format, const QString& chemin);
