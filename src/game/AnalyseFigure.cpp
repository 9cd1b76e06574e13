#include "game/AnalyseFigure.h"

#include "game/JugementCible.h"
#include "game/Mention.h"
#include "model/Modulebas.h"

namespace {

std::size_t LongueurCaractère(unsigned char premier)
{
    if (premier >= 0xF0)
        return 4;
    if (premier >= 0xE0)
        return 3;
    if (premier >= 0xC0)
        return 2;
    return 1;
}

// Position en octets du caractère n (compté à partir de 1), ou la longueur du texte s'il n'existe pas.
std::size_t OctetDuCaractère(std::string_view texte, std::size_t n)
{
    std::size_t octet = 0;
    for (std::size_t i = 1; i < n && octet < texte.size(); ++i)
        octet += LongueurCaractère(static_cast<unsigned char>(texte[octet]));
    return std::min(octet, texte.size());
}

// Les noms des sommets commencent au 10e caractère, après « Polygone ».
constexpr std::size_t DébutDesNoms = 10;

} // namespace

std::string SommetsFermés(std::string_view tracéPolygone)
{
    std::string_view noms = tracéPolygone.substr(OctetDuCaractère(tracéPolygone, DébutDesNoms));
    if (noms.empty())
        return {};
    std::size_t premier = std::min(LongueurCaractère(static_cast<unsigned char>(noms[0])), noms.size());
    return std::string(noms) + std::string(noms.substr(0, premier));
}

MessageTitré JugerAnalyse(Modulebas& m, const Cible& cible, std::string_view description,
                          std::string_view figure)
{
    std::string texte(description);
    if (!m.ModeFichier && m.CibleEnCours) {
        JugementCible jugement = JugerFigure(cible, std::move(texte), figure);
        texte = std::move(jugement.Description);
        m.FigureRéussie = jugement.Réussie;
        if (jugement.Réussie) {
            m.Score += 2;
            m.SérieRéussites += 1;
        } else {
            m.SérieRéussites = 0;
        }
    }
    return {TitreAnalyse, texte + "."};
}

SuiteRéussite ConclureRéussite(Modulebas& m)
{
    m.FigureRéussie = false;
    m.CibleEnCours = false;
    if (std::optional<std::string> mention = ChoisirMention(m.Score, m.ScoreMax))
        m.Mention = std::move(*mention);

    SuiteRéussite suite;
    // Un bonus pour quatre cibles de suite, ou dès les deux premières si elles sont atteintes toutes deux.
    const bool deuxPremières = m.SérieRéussites == 2 && m.ScoreMax == 4;
    if (m.SérieRéussites == 4 || deuxPremières) {
        suite.MessageBonus = MessageTitré{TitreBonus, m.SérieRéussites == 2 ? "Un petit Bonus : + 1"
                                                                            : "Encore un petit Bonus : + 1"};
        m.Bonus += 1;
        m.SérieRéussites = 0;
    }
    suite.Suite = SuiteAprèsCible(m);
    return suite;
}
