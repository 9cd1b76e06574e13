#include "analysis/Mesures.h"

#include "analysis/ClassAnaPoly.h"
#include "analysis/NombreDecimal.h"
#include "model/AfficherMessage.h"
#include "model/Caracteres.h"

#include <cstddef>

std::string TexteMesure(double v, std::uint8_t précision, std::string_view séparateur)
{
    const NombreDécimal nombre = NombreDécimal::De(v);
    if (nombre.EstEntier())
        return nombre.Texte(séparateur);
    return nombre.ArrondiAuPair(précision).Texte(séparateur);
}

std::vector<LigneMesure> LignesLongueurs(Modulebas& m, Messagerie& messagerie, const std::string& noms,
                                         std::string_view séparateur)
{
    const auto sommets = Caractères(noms);
    const std::size_t n = sommets.size();
    ClassAnaPoly analyse(m, messagerie);
    analyse.NomSommets(noms);
    std::vector<LigneMesure> lignes;
    for (std::size_t k = 1; k <= n; ++k) {
        analyse.NumPoint1(k);
        const double longueur = analyse.DistancePointPoint();
        const std::string& suivant = sommets[k % n];
        lignes.push_back(
            {sommets[k - 1] + suivant + " = " + TexteMesure(longueur, m.Précision, séparateur), longueur});
    }
    return lignes;
}

std::optional<std::vector<LigneMesure>> LignesAngles(Modulebas& m, Messagerie& messagerie,
                                                     const std::string& noms, std::string_view séparateur)
{
    const auto sommets = Caractères(noms);
    const std::size_t n = sommets.size();
    ClassAnaPoly analyse(m, messagerie);
    analyse.NomSommets(noms);
    // PolyCroisé construit aussi la table des sommets dont les angles ont besoin.
    if (analyse.PolyCroisé()) {
        AfficherMessage(m, messagerie, "Angle du polygone",
                        "Le polygone est croisé et dans ce cas, les angles ne sont pas mesurés");
        return std::nullopt;
    }
    const auto position = [n](std::size_t k) { return (k - 1) % n + 1; };
    std::vector<LigneMesure> lignes;
    for (std::size_t k = 1; k <= n; ++k) {
        analyse.NumPoint1(position(k + n - 1));
        analyse.NumPoint2(position(k));
        analyse.NumPoint3(position(k + 1));
        // Dans un quadrilatère, le sommet opposé décide ; ailleurs, le centre des autres sommets.
        analyse.NumPoint4(n == 4 ? position(k + 2) : 0);
        double angle = analyse.Angle();
        // Un triangle n'a jamais d'angle rentrant.
        if (n >= 4 && analyse.TestAng())
            angle = 360 - angle;
        lignes.push_back({sommets[k - 1] + " = " + TexteMesure(angle, m.Précision, séparateur) + "°", angle});
    }
    return lignes;
}
