// La fenêtre des longueurs des côtés du polygone, huit lignes par page.
#pragma once

#include "ui/FormMesures.h"

// Avant MontrerModal : les lignes dans le tableau des longueurs (TabLongueurs) et les noms des sommets
// dans InitAffichage. Rien à lire après.
class FormLong : public FormMesures {
public:
    FormLong(const std::vector<std::string>& TabLongueurs, const Contrôle& principale);

    std::vector<Contrôle>& LabLong = Lignes;
    std::size_t& PageLong = Page;
};
