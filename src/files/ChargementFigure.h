// Le passage entre la figure partagée (Modulebas) et ce qu'en garde un fichier de figure.
#pragma once

#include "files/FigureFichier.h"
#include "model/Modulebas.h"

// La figure à enregistrer : points et historique vivants, rapport de zoom, options et précision.
FigureFichier FigureDuModèle(const Modulebas& m, bool axesAffichés, bool quadrillageAffiché);

// Met la figure lue à la place de celle du modèle : points (capacité n + 1), historique, précision, et
// ChaîneSommets pour le polygone à reconstruire (PolygoneTracé reste faux jusqu'à ConstruirePolygone).
// Le zoom, les options, les étiquettes et le polygone restent à la fenêtre. À n'appeler qu'avec une
// figure lue en entier : le modèle n'est jamais laissé à moitié rempli.
void ChargerFigure(Modulebas& m, const FigureFichier& figure);
