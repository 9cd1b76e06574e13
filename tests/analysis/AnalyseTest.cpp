#include "analysis/ClassAnaPoly.h"
#include "analysis/Mesures.h"
#include "support/MessagerieEnregistree.h"
#include "support/PointPose.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// « 0;0 É=2;0 » ou « régulier N [écart] » : voir classifications.tsv.
std::vector<PointPosé> Points(const std::string& texte)
{
    std::vector<PointPosé> points;
    std::istringstream mots(texte);
    const auto nomSuivant = [&] { return std::string(1, static_cast<char>('A' + points.size())); };
    std::string mot;
    if (texte.starts_with("régulier")) {
        int n = 0;
        double écart = 1;
        mots >> mot >> n >> écart;
        // Des calculs en degrés, comme l'élève les taperait.
        for (int k = 0; k < n; ++k) {
            const std::string rayon = std::to_string(k == 0 ? 3 * écart : 3),
                              angle = "(" + std::to_string(360 * k) + "/" + std::to_string(n) + ")";
            points.push_back({nomSuivant(), rayon + "*COS" + angle, rayon + "*SIN" + angle});
        }
        return points;
    }
    while (mots >> mot) {
        const auto égal = mot.find('='), pointVirgule = mot.find(';');
        const std::string nom = égal == std::string::npos ? nomSuivant() : mot.substr(0, égal);
        const auto débutX = égal == std::string::npos ? 0 : égal + 1;
        points.push_back({nom, mot.substr(débutX, pointVirgule - débutX), mot.substr(pointVirgule + 1)});
    }
    return points;
}

Modulebas FigureDe(const std::vector<PointPosé>& points)
{
    Modulebas m;
    m.Points.Redimensionner(points.size() + PasTableaux);
    for (const PointPosé& p : points) {
        ++m.NbPoints;
        m.Points[m.NbPoints] = PointFig{.X = p.X, .Y = p.Y, .Nom = p.Nom};
    }
    return m;
}

std::string Joindre(const std::vector<LigneMesure>& lignes)
{
    std::string texte;
    for (const LigneMesure& ligne : lignes)
        texte += (texte.empty() ? "" : " ; ") + ligne.Texte;
    return texte;
}

// La valeur rendue est bien celle que dit le texte.
void VérifierValeurs(const std::vector<LigneMesure>& lignes, std::uint8_t précision, const char* unité)
{
    for (const LigneMesure& ligne : lignes)
        EXPECT_EQ(ligne.Texte.substr(ligne.Texte.find("= ") + 2),
                  TexteMesure(ligne.Valeur, précision, ",") + unité);
}

} // namespace

TEST(Analyse, NommeChaqueFigureDeLaTable)
{
    for (const CasTable& cas : LireTableCas("classifications.tsv")) {
        SCOPED_TRACE(cas.Où + " : " + cas[0]);
        Modulebas m = FigureDe(Points(cas[1]));
        MessagerieEnregistrée messagerie;
        ClassAnaPoly analyse(m, messagerie);
        analyse.NomSommets(cas[0]);
        EXPECT_EQ(analyse.DescriptionFig(), cas[2]);
        EXPECT_EQ(analyse.Figure(), cas[3]);
        if (cas[4].empty()) {
            EXPECT_TRUE(messagerie.Messages.empty());
        } else {
            EXPECT_EQ(messagerie.Messages, (std::vector<MessageTitré>{{"Analyse de la figure", cas[4]}}));
        }
        if (!cas[5].empty()) {
            EXPECT_EQ(analyse.NomSommets(), cas[5]);
        }
    }
}

TEST(Analyse, MesureLesCotesEtLesAnglesDeChaquePolygoneDeLaTable)
{
    for (const CasTable& cas : LireTableCas("mesures.tsv")) {
        SCOPED_TRACE(cas.Où + " : " + cas[0]);
        Modulebas m = FigureDe(Points(cas[1]));
        m.Précision = static_cast<std::uint8_t>(std::stoi(cas[2]));
        MessagerieEnregistrée messagerie;
        const auto longueurs = LignesLongueurs(m, messagerie, cas[0], ",");
        EXPECT_EQ(Joindre(longueurs), cas[3]);
        VérifierValeurs(longueurs, m.Précision, "");
        if (cas[4].empty())
            continue;
        const auto angles = LignesAngles(m, messagerie, cas[0], ",");
        if (cas[4] == "croisé") {
            EXPECT_EQ(angles, std::nullopt);
            AttendreMessage(messagerie, "Angle du polygone",
                            "Le polygone est croisé et dans ce cas, les angles ne sont pas mesurés");
            continue;
        }
        ASSERT_TRUE(angles.has_value());
        EXPECT_EQ(Joindre(*angles), cas[4]);
        VérifierValeurs(*angles, m.Précision, "°");
        EXPECT_TRUE(messagerie.Messages.empty());
    }
}

TEST(Analyse, EcritChaqueMesureDeLaTable)
{
    for (const CasTable& cas : LireTableCas("textes-mesures.tsv")) {
        SCOPED_TRACE(cas.Où);
        EXPECT_EQ(TexteMesure(std::stod(cas[0]), static_cast<std::uint8_t>(std::stoi(cas[1])), cas[2]),
                  cas[3]);
    }
}

TEST(Analyse, RelitUnPointModifieEntreDeuxAppels)
{
    // Deux sommets voisins échangés par leurs seules abscisses (C et D) ou ordonnées (B et C) : un
    // papillon, que le même objet doit voir.
    for (const auto& [coordonnée, i, j] : {std::tuple{&PointFig::X, 3, 4}, {&PointFig::Y, 2, 3}}) {
        Modulebas m = FigureDe(Points("0;0 2;0 2;2 0;2"));
        MessagerieEnregistrée messagerie;
        ClassAnaPoly analyse(m, messagerie);
        analyse.NomSommets("ABCDA");
        EXPECT_EQ(analyse.DescriptionFig(), "ABCD est un carré");
        std::swap(m.Points[i].*coordonnée, m.Points[j].*coordonnée);
        analyse.NomSommets("ABCDA");
        EXPECT_EQ(analyse.DescriptionFig(), "ABCD est un quadrilatère croisé");
    }
}
