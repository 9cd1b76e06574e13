// Les contrôles actifs de la fenêtre principale au fil d'une séance, d'après activation.tsv.
#include "PartieKorvane.h"

#include "support/TableCas.h"

#include <map>
#include <sstream>

#define NOMMÉ(c) std::pair<const std::string, Contrôle*>(#c, &k.c)

TEST_F(PartieKorvane, ChaquePasActiveSesControles)
{
    const std::map<std::string, Contrôle*> contrôles = {NOMMÉ(BtonPointCoor),
                                                        NOMMÉ(ItemPlacerPt),
                                                        NOMMÉ(BtonPolygone),
                                                        NOMMÉ(ItemPolygone),
                                                        NOMMÉ(BtonModifPoint),
                                                        NOMMÉ(ItemModifierPoint),
                                                        NOMMÉ(BtonLong),
                                                        NOMMÉ(ItemLong),
                                                        NOMMÉ(BtonAngle),
                                                        NOMMÉ(ItemAngle),
                                                        NOMMÉ(BtonAnnule),
                                                        NOMMÉ(BtonEfface),
                                                        NOMMÉ(BtonVelmor),
                                                        NOMMÉ(BtonFermer),
                                                        NOMMÉ(BtonOk),
                                                        NOMMÉ(BtonSuite),
                                                        NOMMÉ(ItemEnregistrer),
                                                        NOMMÉ(ItemFermerFig),
                                                        NOMMÉ(ItemOuvrirFig),
                                                        NOMMÉ(ItemExporterFig),
                                                        NOMMÉ(ItemImprimerFig),
                                                        NOMMÉ(ItemCopierFig),
                                                        NOMMÉ(SousMenuConstructions),
                                                        NOMMÉ(ItemTracerLumarc),
                                                        NOMMÉ(ItemQuadrillage),
                                                        NOMMÉ(itemNumQuadrants),
                                                        NOMMÉ(ItemTfin),
                                                        NOMMÉ(ItemTépais),
                                                        NOMMÉ(ItemCouleurs),
                                                        NOMMÉ(ItemPrécision),
                                                        NOMMÉ(ItemRéinitialiser),
                                                        NOMMÉ(ItemAides),
                                                        NOMMÉ(ItemApropos),
                                                        NOMMÉ(ItemQuitter),
                                                        NOMMÉ(ItemSymAxe1)};
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
