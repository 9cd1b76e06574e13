#include "ui/CommandesMesures.h"

#include "analysis/Mesures.h"
#include "model/Caracteres.h"
#include "ui/FormAngle.h"
#include "ui/FormLong.h"

#include <algorithm>
#include <vector>

namespace {

// Le tableau va de 0 à NbPoints, et jusqu'au dernier sommet si le polygone en a davantage.
void Ranger(std::vector<std::string>& tableau, const std::vector<LigneMesure>& lignes, std::size_t nbPoints)
{
    tableau.resize(std::max(nbPoints, lignes.size()) + 1);
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        tableau[k] = lignes[k].Texte;
    }
}

} // namespace

std::optional<std::string> SommetsMesurés(const Modulebas& m)
{
    if (!m.PolygoneTracé || m.NbSommets == 0) {
        return std::nullopt;
    }
    std::string noms;
    for (std::size_t i = 1; i <= m.NbSommets; ++i) {
        noms += m.Sommets[i].Nom;
    }
    return noms;
}

void CommandeLongueurs(Modulebas& m, Plateforme& plateforme, const Contrôle& principale)
{
    m.ModeChoixPoint = 0;
    const std::optional<std::string> noms = SommetsMesurés(m);
    if (!noms) {
        return;
    }
    Ranger(m.TabLongueurs, LignesLongueurs(m, plateforme, *noms, plateforme.SéparateurDécimal()), m.NbPoints);
    FormLong fenêtre(m.TabLongueurs, principale);
    fenêtre.InitAffichage = *noms;
    plateforme.MontrerModal(fenêtre);
}

void CommandeAngles(Modulebas& m, Plateforme& plateforme, const Contrôle& principale)
{
    m.ModeChoixPoint = 0;
    const std::optional<std::string> noms = SommetsMesurés(m);
    if (!noms) {
        return;
    }
    const auto lignes = LignesAngles(m, plateforme, *noms, plateforme.SéparateurDécimal());
    if (!lignes) {
        return;
    }
    Ranger(m.TabAngles, *lignes, m.NbPoints);
    FormAngle fenêtre(m.TabAngles, principale);
    fenêtre.InitAffichage = *noms;
    plateforme.MontrerModal(fenêtre);
}
