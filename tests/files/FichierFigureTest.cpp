// Les fichiers de figure : lecture, réécriture octet pour octet, refus, et passage par le modèle.
// La fenêtre enregistre déjà (remplacement sûr, lien, lecture seule) et montre chaque refus sans rien perdre.
#include "files/FichierFigure.h"
#include "files/ChargementFigure.h"
#include "files/TexteFichier.h"

#include "support/DossierTemporaire.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

// La figure lue, posée dans le modèle à l'unité de départ, puis reprise pour être enregistrée.
FigureFichier ParLeModèle(const FigureFichier& lue)
{
    Modulebas m;
    ChargerFigure(m, lue);
    m.Unité = 450;
    m.XMax = XMaxDuRapport(m.Unité, lue.RapportZoom);
    return FigureDuModèle(m, lue.AxesAffichés.value_or(true), lue.QuadrillageAffiché.value_or(true));
}

} // namespace

TEST(FichierFigure, ChaqueFichierDeLaTableSeRelitOuEstRefuse)
{
    const std::map<std::string, RefusLecture> refus = {
        {"illisible", {{"Gestion des fichier", std::string(TexteFichierIllisible)}, true}},
        {"incompatible", {{"Gestion des fichier", std::string(TexteFichierIncompatible)}, true}},
        {"non conforme", {{"Gestion des figures", std::string(TexteFichierNonConforme)}, false}},
    };
    for (const CasTable& cas : LireTableCas("fichiers-figure.tsv")) {
        SCOPED_TRACE(cas.Où + " : " + cas[0]);
        const LectureFigure lecture = LireFichierFigure(Données / cas[0]);
        if (refus.contains(cas[1])) {
            EXPECT_FALSE(lecture.Figure);
            ASSERT_TRUE(lecture.Refus);
            EXPECT_EQ(lecture.Refus->Message, refus.at(cas[1]).Message);
            EXPECT_EQ(lecture.Refus->LectureRatée, refus.at(cas[1]).LectureRatée);
            continue;
        }
        ASSERT_TRUE(lecture.Figure);
        EXPECT_FALSE(lecture.Refus);
        const std::string attendu = LireTout(Données / (cas[1] == "identique" ? cas[0] : cas[1]));
        EXPECT_EQ(ÉcrireOctetsFigure(*lecture.Figure), attendu);
        if (cas[2] == "modèle") {
            EXPECT_EQ(ÉcrireOctetsFigure(ParLeModèle(*lecture.Figure)), attendu);
        }
    }
}

TEST(FichierFigure, LesChampsSeLisentEtSEcriventSousLeurForme)
{
    FigureFichier triangle;
    triangle.Points = {{"0", "0", "A", 1, false}, {"4", "0", "B", 1, false}, {"0", "3", "C", 1, false}};
    triangle.Tracés = {"Point A", "Point B", "Point C", "Polygone ABC"};
    triangle.QuadrillageAffiché = false;
    EXPECT_EQ(LireFichierFigure(Données / "triangle-rectangle.lum").Figure, triangle);
    EXPECT_EQ(PolygoneDeLaFigure(triangle), "ABC");
    // Le premier polygone de l'historique est celui qu'on reconstruit.
    triangle.Tracés.push_back("Polygone CBA");
    EXPECT_EQ(PolygoneDeLaFigure(triangle), "ABC");
    triangle.Tracés = {"Point A", "Point B", "Point C"};
    EXPECT_EQ(PolygoneDeLaFigure(triangle), std::nullopt);
    // Le fichier garde la forme tapée, sauf la virgule décimale ; un texte à blanc de tête ou à virgule est
    // entre guillemets.
    triangle.Points = {{"2,5", "-1,25+RAC(2)", ",", 0, true}, {"1", " 3", "B", 1, false}};
    EXPECT_NE(
        ÉcrireOctetsFigure(triangle).find("2.5\r\n-1.25+RAC(2)\r\n\",\"\r\n 0 \r\nTrue\r\n1\r\n\" 3\"\r\n"),
        std::string::npos);
}

TEST(FichierFigure, LeRapportRedonneLeXMaxDuZoom)
{
    for (std::int32_t xMax = 500; xMax <= 20000; xMax += 250) {
        FigureFichier figure;
        figure.RapportZoom = RapportZoom(450, xMax);
        const auto lecture = LireOctetsFigure(ÉcrireOctetsFigure(figure));
        ASSERT_TRUE(lecture.Figure) << xMax;
        EXPECT_EQ(XMaxDuRapport(450, lecture.Figure->RapportZoom), xMax);
    }
    EXPECT_EQ(XMaxDuRapport(450, 1e-300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(XMaxDuRapport(450, 1e300), 1);
    EXPECT_EQ(XMaxDuRapport(450, 3), 1500);
}

// Les tableaux du modèle prennent une place de plus que la figure, l'historique par pas de dix.
TEST(FichierFigure, UneFigureChargeeDonneSesCapacitesAuModele)
{
    Modulebas m;
    m.PolygoneTracé = true;
    ChargerFigure(m, *LireFichierFigure(Données / "hexagone-calcule.lum").Figure);
    EXPECT_EQ(m.CapPoints(), 7u);
    EXPECT_EQ(m.TabLongueurs.size(), 8u);
    EXPECT_EQ(m.CapTracés(), 10u);
    EXPECT_EQ(m.ChaîneSommets, "ABCDEF");
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_EQ(m.Précision, 2);

    FigureFichier longue;
    for (char nom = 'A'; nom <= 'L'; ++nom) {
        longue.Points.push_back({"0", "0", std::string(1, nom), 1, false});
        longue.Tracés.push_back(std::string("Point ") + nom);
    }
    Modulebas autre;
    ChargerFigure(autre, longue);
    EXPECT_EQ(autre.CapTracés(), 13u);
    EXPECT_EQ(autre.Tracés[12], "Point L");
    EXPECT_EQ(autre.ChaîneSommets, "");
}

TEST(FichierFigure, UnEnregistrementImpossibleNeLaisseRienEtLeDit)
{
    DossierTemporaire dossier;
    // Un dossier au nom de la figure ne peut pas être remplacé par un fichier.
    std::filesystem::create_directory(dossier.Chemin() / "occupé.lum");
    for (const auto& chemin : {dossier.Chemin() / "occupé.lum", dossier.Chemin() / "absent" / "figure.lum"}) {
        const auto résultat = EnregistrerFichierFigure(chemin, FigureFichier{});
        EXPECT_FALSE(résultat.Réussi);
        EXPECT_EQ(résultat.Message, (MessageTitré{"Gestion des fichier", std::string(TexteSauvegardeRatée)}));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 1);
}

// Un fichier de la taille permise se lit en entier ; un octet de plus, il est refusé sans être lu.
TEST(FichierFigure, UnFichierSeLitEntierJusquALaTailleMaximale)
{
    const DossierTemporaire dossier;
    const std::string permis(TailleMaxFichierTexte, 'a');
    EXPECT_TRUE(LireOctetsFichier(dossier.Écrire("permis", permis)) == permis);
    EXPECT_FALSE(LireOctetsFichier(dossier.Écrire("trop", permis + "a")).has_value());
}
