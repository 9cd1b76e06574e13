// Les opérations qui gardent la figure cohérente : ajouter, modifier, polygone, annuler, vider.
#pragma once

#include "model/FenetreFigure.h"
#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <string>

enum class RésultatModification { Modifié, Inchangé, Refusé };

class OpérationsFigure {
public:
    OpérationsFigure(Modulebas& m, Messagerie& messagerie, FenêtreFigure& fenêtre)
        : m(m), messagerie(messagerie), fenêtre(fenêtre)
    {
    }

    // Le nom proposé pour un nouveau point (jamais une lettre qu'on ne peut pas afficher).
    std::string NomParDéfaut() const;

    // Vrai si le nombre de points et l'historique permettent d'en placer un autre ; sinon le message de
    // limite est montré.
    bool PeutPlacerPoint();

    // Vrai s'il reste une place dans l'historique, que l'écriture d'un fichier puisse compter ; sinon le
    // message le dit.
    bool PeutAjouterTracé();

    // Ajoute le point NomSaisi (XSaisi ; YSaisi) et son entrée d'historique ; faux si refusé.
    bool AjouterPoint();

    // Modifie le point NumPointModif d'après NomSaisi, XSaisi, YSaisi, PositionSaisie.
    RésultatModification ModifierPoint();

    // Chaque lettre de ChaîneSommets nomme-t-elle un point de la figure ?
    bool VérifierSommets();

    // Ajoute l'entrée « Polygone » de l'historique puis remplit Sommets d'après ChaîneSommets ; faux si
    // l'historique est plein.
    bool AjouterPolygone();
    void ConstruirePolygone();

    // Retire la dernière entrée de l'historique et ce qu'elle avait construit.
    void AnnulerTracé();

    // Retire tous les points et le polygone.
    void ViderFigure();

    // Index du premier point vivant nommé nom, 0 s'il n'y en a pas.
    std::size_t ChercherPoint(const std::string& nom) const;

private:
    void AjouterEntréeHistorique(std::string entrée);

    Modulebas& m;
    Messagerie& messagerie;
    FenêtreFigure& fenêtre;
};
