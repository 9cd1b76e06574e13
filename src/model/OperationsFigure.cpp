#include "model/OperationsFigure.h"
#include "model/TraceHistorique.h"

#include "model/AfficherMessage.h"
#include "model/Caracteres.h"

#include <algorithm>

namespace {

constexpr const char* TitreSaisieNoms = "Saisie du nom des points";
constexpr const char* TitreLimite = "Analyse Figure";

// Remplace chaque occurrence de ancien par nouveau, en respectant la casse.
std::string Remplacer(std::string texte, const std::string& ancien, const std::string& nouveau)
{
    if (ancien.empty())
        return texte;
    for (std::size_t position = texte.find(ancien); position != std::string::npos;
         position = texte.find(ancien, position + nouveau.size()))
        texte.replace(position, ancien.size(), nouveau);
    return texte;
}

} // namespace

std::size_t OpérationsFigure::ChercherPoint(const std::string& nom) const
{
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        if (m.Points[i].Nom == nom)
            return i;
    return 0;
}

std::string OpérationsFigure::NomParDéfaut() const
{
    // « A » pour le premier point, « B » pour le deuxième, et ainsi de suite ;
    // si ce nom est pris, on se rabat sur A, B, C ou D.
    const unsigned codeA = 'A';
    const unsigned code = codeA + m.NbPoints;
    std::string nom = CaractèreWindows1252(code);
    for (unsigned j = 0; j < 4; ++j)
        if (!nom.empty() && ChercherPoint(nom) != 0)
            nom = CaractèreWindows1252(codeA + j);
    if (!nom.empty())
        return nom;

    // Au-delà des caractères affichables, la première lettre libre.
    for (const char* alphabet : {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"})
        for (const char* lettre = alphabet; *lettre != '\0'; ++lettre)
            if (ChercherPoint(std::string(1, *lettre)) == 0)
                return std::string(1, *lettre);
    return "";
}

bool OpérationsFigure::PeutPlacerPoint()
{
    if (m.NbPoints >= m.NbPointsMax) {
        AfficherMessage(m, messagerie, TitreLimite,
                        m.NbPointsMax == LimitePoints
                            ? "La limite supérieure est atteinte, on ne peut plus construire de point."
                            : "La figure demandée ne nécessite pas d'autres points.");
        return false;
    }
    return PeutAjouterTracé();
}

bool OpérationsFigure::PeutAjouterTracé()
{
    if (m.NbTracés < LimiteTracés)
        return true;
    AfficherMessage(m, messagerie, TitreLimite,
                    "La figure compte déjà 255 constructions, le plus qu'un fichier puisse garder : on ne "
                    "peut plus en ajouter.");
    return false;
}

void OpérationsFigure::AjouterEntréeHistorique(std::string entrée)
{
    ++m.NbTracés;
    if (m.NbTracés >= m.CapTracés())
        m.Tracés.Redimensionner(m.CapTracés() + PasTableaux);
    m.Tracés[m.NbTracés] = std::move(entrée);
}

bool OpérationsFigure::AjouterPoint()
{
    if (!PeutPlacerPoint())
        return false;
    if (ChercherPoint(m.NomSaisi) != 0) {
        AfficherMessage(m, messagerie, TitreSaisieNoms, "Ce point existe déjà");
        return false;
    }

    ++m.NbPoints;
    if (m.NbPoints >= m.CapPoints() && m.CapPoints() < LimitePoints) {
        m.Points.Redimensionner(std::min(m.CapPoints() + PasTableaux, LimitePoints));
        m.TabLongueurs.resize(m.CapPoints() + 1);
        // En travail libre, la seule limite est la limite absolue.
        if (!m.CibleEnCours)
            m.NbPointsMax = m.LimiteTravailLibre();
    }

    PointFig& point = m.Points[m.NbPoints];
    point.X = m.XSaisi;
    point.Y = m.YSaisi;
    point.Nom = m.NomSaisi;
    point.Position = m.PositionSaisie;
    AjouterEntréeHistorique(EntréePoint(m.NomSaisi));
    return true;
}

RésultatModification OpérationsFigure::ModifierPoint()
{
    const std::size_t n = m.NumPointModif;
    const std::size_t homonyme = ChercherPoint(m.NomSaisi);
    if (homonyme != 0 && homonyme != n) {
        AfficherMessage(m, messagerie, TitreSaisieNoms, "Le point " + m.NomSaisi + " existe déjà");
        return RésultatModification::Refusé;
    }

    PointFig& point = m.Points[n];
    if (point.Nom == m.NomSaisi && point.X == m.XSaisi && point.Y == m.YSaisi &&
        point.Position == m.PositionSaisie)
        return RésultatModification::Inchangé;

    if (point.X != m.XSaisi || point.Y != m.YSaisi) {
        point.X = m.XSaisi;
        point.Y = m.YSaisi;
    }

    const std::string ancienNom = point.Nom;
    if (m.PolygoneTracé)
        for (std::size_t i = 1; i <= m.Sommets.Dimension(); ++i)
            if (m.Sommets[i].Nom == ancienNom) {
                m.Sommets[i].Nom = m.NomSaisi;
                m.Sommets[i].X = m.XSaisi;
                m.Sommets[i].Y = m.YSaisi;
            }

    // Seuls les noms d'une entrée changent, jamais son mot-clé (« Point », « Polygone »).
    if (ancienNom != m.NomSaisi)
        for (std::size_t i = 1; i <= m.NbTracés; ++i) {
            std::string& entrée = m.Tracés[i];
            const std::size_t débutNoms = entrée.find(' ');
            if (débutNoms != std::string::npos)
                entrée = entrée.substr(0, débutNoms + 1) +
                         Remplacer(entrée.substr(débutNoms + 1), ancienNom, m.NomSaisi);
        }

    point.Nom = m.NomSaisi;
    point.Position = m.PositionSaisie;
    return RésultatModification::Modifié;
}

bool OpérationsFigure::VérifierSommets()
{
    for (const std::string& caractère : Caractères(m.ChaîneSommets))
        if (ChercherPoint(caractère) == 0) {
            AfficherMessage(m, messagerie, "Analyse de la figure", "Le point " + caractère + " n'existe pas");
            return false;
        }
    return true;
}

bool OpérationsFigure::AjouterPolygone()
{
    if (!PeutAjouterTracé())
        return false;
    AjouterEntréeHistorique(EntréePolygone(m.ChaîneSommets));
    ConstruirePolygone();
    return true;
}

void OpérationsFigure::ConstruirePolygone()
{
    const std::vector<std::string> noms = Caractères(m.ChaîneSommets);
    if (noms.size() + 1 > m.CapSommets())
        m.Sommets.Redimensionner(noms.size() + 3);
    m.NbSommets = noms.size();
    for (std::size_t i = 1; i <= noms.size(); ++i)
        m.Sommets[i] = m.Points[ChercherPoint(noms[i - 1])];
    m.PolygoneTracé = true;
}

void OpérationsFigure::AnnulerTracé()
{
    if (m.NbTracés == 0)
        return;

    if (EstEntréePolygone(m.Tracés[m.NbTracés])) {
        m.PolygoneTracé = false;
    } else if (m.NbPoints > 0) {
        fenêtre.DétruireÉtiquettePoint(m.NbPoints);
        m.Points[m.NbPoints].Nom.clear();
        --m.NbPoints;
        if (m.PositionSuivante > 0)
            --m.PositionSuivante;
        if (m.PositionSaisie > 0)
            --m.PositionSaisie;
        if (m.NbPoints == 0) {
            m.PositionSuivante = 1;
            m.PositionSaisie = 0;
        }
    }
    --m.NbTracés;

    if (m.NbPoints == 0 && m.ModeFichier) {
        m.NbPointsMax = LimitePoints;
        fenêtre.FermerFigure();
    }
}

void OpérationsFigure::ViderFigure()
{
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        fenêtre.DétruireÉtiquettePoint(i);
    m.NbPoints = 0;
    m.NbTracés = 0;
    m.PolygoneTracé = false;
    m.PositionSuivante = 1;
    m.PositionSaisie = 0;
    if (m.ModeFichier) {
        m.NbPointsMax = LimitePoints;
        fenêtre.FermerFigure();
    }
}
