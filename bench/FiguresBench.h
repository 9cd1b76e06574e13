// Les figures des mesures : polygones tapés comme le ferait un élève, grande figure, figures d'une école.
#pragma once

#include "files/FigureFichier.h"
#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Les messages de l'analyse ne s'affichent nulle part pendant une mesure.
class MessagerieMuette : public Messagerie {
public:
    void MontrerFormMessage(Modulebas& m) override;
};

// Une figure de nbPoints points dont les nbSommets premiers, sur un cercle que `variante` déforme un
// peu, forment le polygone ; les autres points sont éparpillés, tapés en décimal ou en calcul.
FigureFichier FigureDePoints(std::size_t nbPoints, std::size_t nbSommets, unsigned variante);

// Une figure réduite à son polygone, chaque sommet donné par les textes de ses coordonnées.
FigureFichier FigurePolygone(const std::vector<std::pair<std::string, std::string>>& sommets);

// Le polygone régulier à n côtés de rayon 5, tapé en calculs : « 5*COS(36) », « 5*SIN(36) ».
FigureFichier PolygoneRégulier(std::size_t n);

// Le polygone de la figure en suite fermée (ABCA), tel que l'analyse le reçoit.
std::string SuiteFermée(const FigureFichier& figure);
