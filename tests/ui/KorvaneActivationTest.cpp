// Les contrôles actifs de la fenêtre principale au fil d'une séance, d'après activation.tsv.
#include "PartieKorvane.h"

#include "support/TableCas.h"

#include <map>
#include <sstream>

namespace {

// Chaque contrôle sous le nom de son membre, tel que la table le désigne : « &k.BtonLong » est BtonLong.
std::map<std::string, Contrôle*> Nommés(const std::string& liste, std::initializer_list<Contrôle*> contrôles)
{
    std::map<std::string, Contrôle*> table;
    std::istringstream noms(liste);
    auto contrôle = contrôles.begin();
    for (std::string nom; noms >> nom; ++contrôle)
        table[nom.substr(3, nom.find(',') - 3)] = *contrôle;
    return table;
}

} // namespace

#define NOMMÉS(...) Nommés(#__VA_ARGS__, {__VA_ARGS__})

TEST_F(PartieKorvane, ChaquePasActiveSesControles)
{
    const auto contrôles =
        NOMMÉS(&k.BtonPointCoor, &k.ItemPlacerPt, &k.BtonPolygone, &k.ItemPolygone, &k.BtonModifPoint,
               &k.ItemModifierPoint, &k.BtonLong, &k.ItemLong, &k.BtonAngle, &k.ItemAngle, &k.BtonAnnule,
               &k.BtonEfface, &k.BtonVelmor, &k.BtonFermer, &k.BtonOk, &k.BtonSuite, &k.ItemEnregistrer,
               &k.ItemFermerFig, &k.ItemOuvrirFig, &k.ItemExporterFig, &k.ItemImprimerFig, &k.ItemCopierFig,
               &k.SousMenuConstructions, &k.ItemTracerLumarc, &k.ItemQuadrillage, &k.itemNumQuadrants,
               &k.ItemTfin, &k.ItemTépais, &k.ItemCouleurs, &k.ItemPrécision, &k.ItemRéinitialiser,
               &k.ItemAides, &k.ItemApropos, &k.ItemQuitter, &k.ItemSymAxe1);
    for (const CasTable& c : LireTableCas("activation.tsv")) {
        SCOPED_TRACE(c.Où);
        if (c[0] == "placer") {
            for (const PointPosé& p : TriangleABC.Points)
                ASSERT_TRUE(c[1].find(p.Nom) == std::string::npos || Placer({p}));
        } else if (c[0] == "polygone") {
            ASSERT_TRUE(Tracer({{}, "ABC"}));
        } else if (c[0] == "clic") {
            k.Cliquer(*contrôles.at(c[1]));
        } else if (c[0] == "ouvrir") {
            k.OuvrirFichierFigure(CheminDonnées("triangle-rectangle.lum"));
        } else if (c[0] == "cible") {
            Choisir(std::stoul(c[1]));
        } else if (c[0] == "soumettre") {
            Soumettre(FiguresRéussies()[std::stoul(c[1])]);
        }
        for (const bool actif : {true, false}) {
            std::istringstream noms(c[actif ? 2 : 3]);
            for (std::string nom; noms >> nom;)
                EXPECT_EQ(contrôles.at(nom)->Enabled, actif) << nom;
        }
    }
}
