// La fenêtre des angles du polygone, huit lignes par page, chacune avec l'image d'un angle.
#pragma once

#include "ui/FormMesures.h"

// Avant MontrerModal : les lignes dans le tableau des angles (TabAngles) et les noms des sommets
// dans InitAffichage. Rien à lire après.
class FormAngle : public FormMesures {
public:
    FormAngle(const std::vector<std::string>& TabAngles, const Contrôle& principale);

    std::vector<Contrôle>& LabAngle = Lignes;
    std::size_t& PageAngle = Page;
    std::vector<Contrôle> PictureAngle; // une image par ligne, montrée quand sa ligne a un texte

    Déclaration Déclarer() override;

private:
    void LigneChangée(std::size_t i) override;
};
