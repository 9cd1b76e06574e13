// La fenêtre principale : démarrage, activation des commandes, menus, repère et zoom.
#include "ui/Korvane.h"
#include "support/PlateformeScriptee.h"
#include "ui/FormApropos.h"
#include "ui/FormTexteAgrandi.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class KorvaneTest : public ::testing::Test {
protected:
    // Chargement, puis le premier redimensionnement que la fenêtre reçoit en paraissant.
    void Démarrer(int largeurPixels = 1024, int hauteurPixels = 768)
    {
        k.Form_Load();
        Redimensionner(largeurPixels, hauteurPixels);
    }

    void Redimensionner(int largeurPixels, int hauteurPixels)
    {
        k.Form.Width = largeurPixels * 15;
        k.Form.Height = hauteurPixels * 15;
        k.Form_Resize();
    }

    Modulebas m;
    PlateformeScriptée plateforme;
    Korvane k{m, plateforme};
};

std::vector<std::string> Légendes(const std::vector<EntréeMenu>& entrées)
{
    std::vector<std::string> légendes;
    for (const EntréeMenu& e : entrées) {
        légendes.push_back(e.Item->Caption);
        for (const std::string& sous : Légendes(e.Sous))
            légendes.push_back("  " + sous);
    }
    return légendes;
}

} // namespace

TEST_F(KorvaneTest, AuDemarrageSeulsPlacerUnPointLesOptionsOuvrirLesExercicesEtLAideSontOfferts)
{
    Démarrer();
    struct Cas {
        const char* nom;
        const Contrôle& c;
        bool actif;
    };
    const std::vector<Cas> cas = {
        {"BtonPointCoor", k.BtonPointCoor, true},
        {"ItemPlacerPt", k.ItemPlacerPt, true},
        {"ItemTracerLumarc", k.ItemTracerLumarc, true},
        {"ItemQuadrillage", k.ItemQuadrillage, true},
        {"itemNumQuadrants", k.itemNumQuadrants, true},
        {"ItemTfin", k.ItemTfin, true},
        {"ItemTépais", k.ItemTépais, true},
        {"ItemCouleurs", k.ItemCouleurs, true},
        {"ItemPrécision", k.ItemPrécision, true},
        {"ItemOuvrirFig", k.ItemOuvrirFig, true},
        {"ItemRéinitialiser", k.ItemRéinitialiser, true},
        {"SousMenuConstructions", k.SousMenuConstructions, true},
        {"ItemAides", k.ItemAides, true},
        {"ItemApropos", k.ItemApropos, true},
        {"ItemQuitter", k.ItemQuitter, true},
        {"BtonPolygone", k.BtonPolygone, false},
        {"ItemPolygone", k.ItemPolygone, false},
        {"BtonModifPoint", k.BtonModifPoint, false},
        {"ItemModifierPoint", k.ItemModifierPoint, false},
        {"BtonLong", k.BtonLong, false},
        {"ItemLong", k.ItemLong, false},
        {"BtonAngle", k.BtonAngle, false},
        {"ItemAngle", k.ItemAngle, false},
        {"BtonAnnule", k.BtonAnnule, false},
        {"BtonEfface", k.BtonEfface, false},
        {"ItemFermerFig", k.ItemFermerFig, false},
        {"ItemEnregistrer", k.ItemEnregistrer, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(c.c.Enabled, c.actif);
    }
    EXPECT_FALSE(k.BtonVelmor.Visible || k.BtonFermer.Visible || k.BtonAbandon.Visible);
    EXPECT_TRUE(k.BtonAnnule.Visible && k.BtonEfface.Visible && k.FrameCouleur.Visible);
    EXPECT_TRUE(k.QuadrillageAffiché() && k.AxesAffichés());
    EXPECT_EQ(k.ItemQuadrillage.Tag, " 1");
    EXPECT_FALSE(k.QuadrantsNumérotés());
    EXPECT_EQ(k.EtiEchelle.Caption, " 1");
    EXPECT_EQ(k.EtiStatut.Caption, "Choisis une figure à construire ...");
    EXPECT_EQ(k.Form.Caption, "Jeu Velmor (construction de figures cibles)");
    EXPECT_EQ(k.EtiEtape.Caption, " Analyse de figure");
    EXPECT_EQ(m.XMax, 10 * m.Unité);
    EXPECT_EQ(m.NbPointsMax, 10);
    EXPECT_EQ(m.CheminAppli, "/opt/velmor/");
}

TEST_F(KorvaneTest, LesMenusPortentLeursLegendesEtTouchesDAcces)
{
    const std::vector<std::string> attendu = {
        "&Fichier",
        "  O&uvrir une figure",
        "  F&ermer la figure",
        "  &Sauvegarder une figure",
        "  _________________________",
        "  &Quitter",
        "&Exercices",
        "  &Tout réinitialiser",
        "  &Constructions",
        "    &Symétrie axiale 1",
        "    Symétrie &axiale 2",
        "    Symétrie &centrale",
        "    &Triangle équilatéral",
        "    Translation &1",
        "    Translation &2",
        "    Translation &3",
        "&Lumarc",
        "  &Tracer repère",
        "  &Quadrillage",
        "  &Numéroter les quadrants ",
        "  &Placer un point",
        "  &Modifier un point",
        "  Tracer un P&olygone",
        "  Afficher les &longueurs",
        "  Afficher les &angles",
        "&Options",
        "  Traits &fins",
        "  Traits &épais",
        "  &Couleurs",
        "    &Fond",
        "    &Trait",
        "    &Initiales",
        "  &Précision",
        "&?",
        "  &Aides",
        "  &Lumarc sur le web",
        "  Á &propos",
    };
    EXPECT_EQ(Légendes(k.Menus), attendu);
    EXPECT_TRUE(k.ItemTfin.Checked);
    EXPECT_FALSE(k.ItemTépais.Checked);
}

TEST_F(KorvaneTest, LEchelleAfficheLeRapportTronqueADeuxDecimales)
{
    Démarrer();
    struct Cas {
        const char* nom;
        void (Korvane::*bouton)();
        std::int32_t xMax;
        const char* légende;
    };
    const std::vector<Cas> cas = {
        {"plus de plan", &Korvane::BtonEchPlus_Click, 5500, " 0,81"},
        {"moins de plan", &Korvane::BtonEchMoins_Click, 3500, " 1.28"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        m.Unité = 450;
        m.XMax = 4500;
        k.ChangerEchelle();
        EXPECT_EQ(k.EtiEchelle.Caption, " 1");
        m.ModeChoixPoint = 1;
        (k.*c.bouton)();
        EXPECT_EQ(m.XMax, c.xMax);
        EXPECT_EQ(k.EtiEchelle.Caption, c.légende);
        EXPECT_EQ(m.ModeChoixPoint, 0);
    }
}

TEST_F(KorvaneTest, LeZoomSArreteAuxBornesTesteesAvantLePas)
{
    Démarrer();
    m.Unité = 450;
    m.XMax = 4500;
    for (int i = 0; i < 50; ++i)
        k.BtonEchMoins_Click();
    EXPECT_EQ(m.XMax, 500); // 1500 > 1350 permet encore un pas
    m.XMax = 4500;
    for (int i = 0; i < 50; ++i)
        k.BtonEchPlus_Click();
    EXPECT_EQ(m.XMax, 16500); // 15500 < 15750 permet encore un pas
    EXPECT_EQ(k.EtiEchelle.Caption, " 0,27");
}

// Dans une fenêtre de 1800 pixels de large, -XMax ne tient plus sur 16 bits au zoom le plus large.
TEST_F(KorvaneTest, LesBordsDuPlanNeDebordentPasDansUneFenetreTresLarge)
{
    Démarrer(1800, 1000);
    k.RéinitialiserFenêtre();
    for (int i = 0; i < 40; ++i)
        k.BtonEchPlus_Click();
    EXPECT_GT(m.XMax, 32767);
    EXPECT_EQ(m.XMin, -m.XMax);
    EXPECT_EQ(m.YMin, -m.YMax);
    EXPECT_DOUBLE_EQ(k.Ecran.ScaleLeft(), m.XMin);
}

TEST_F(KorvaneTest, UnCanevasDeuxFoisPlusLargeQueHautDonneYMaxMoitieDeXMax)
{
    Démarrer();
    k.Ecran.Cadre.Width = 9000;
    k.Ecran.Cadre.Height = 4500;
    m.XMax = 4500;
    k.AjusterCadre();
    EXPECT_EQ(m.YMax, 2250);
    EXPECT_EQ(m.YMin, -2250);
    EXPECT_FLOAT_EQ(k.Rapport, 1.0f);
    EXPECT_FLOAT_EQ(k.Tolérance, 100.0f);
    EXPECT_DOUBLE_EQ(k.Ecran.ScaleTop(), 2250);
    EXPECT_DOUBLE_EQ(k.Ecran.ScaleHeight(), -4500);
}

TEST_F(KorvaneTest, UnXMaxNulEstRemonteSansToucherALEchelle)
{
    Démarrer();
    const std::int32_t yMax = m.YMax;
    m.XMax = 0;
    k.AjusterCadre();
    EXPECT_EQ(m.XMax, 2);
    EXPECT_EQ(m.YMax, yMax);
}

TEST_F(KorvaneTest, LeCanevasDuDemarrageMontreLeQuadrillageSousLesAxes)
{
    Démarrer();
    const Couleur cyan{0, 255, 255};
    const Couleur olive{100, 100, 0};
    const std::vector<Marque>& marques = k.Ecran.Marques();
    ASSERT_GE(marques.size(), 4u);
    const std::size_t quadrillage = marques.size() - 4;
    const double u = m.Unité;
    std::size_t verticales = 0;
    for (std::size_t i = 0; i < quadrillage; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(marques[i].Teinte, cyan);
        EXPECT_EQ(marques[i].Épaisseur, 1);
        verticales += marques[i].X1 == marques[i].X2;
    }
    // Une ligne par unité, de -10 à 10 sur x.
    EXPECT_EQ(verticales, 21u);
    const std::int32_t unitésY = static_cast<std::int32_t>(std::nearbyint(m.YMax / u));
    EXPECT_EQ(quadrillage - verticales, static_cast<std::size_t>(2 * unitésY + 1));
    for (std::size_t i = quadrillage; i < marques.size(); ++i) {
        EXPECT_EQ(marques[i].Teinte, olive);
        EXPECT_EQ(marques[i].Épaisseur, 2);
    }
    const Marque& repèreI = marques[marques.size() - 2];
    EXPECT_DOUBLE_EQ(repèreI.X1, u);
    EXPECT_DOUBLE_EQ(repèreI.Y1, -u / 10);
    EXPECT_DOUBLE_EQ(repèreI.Y2, u / 10);
    const Marque& repèreJ = marques.back();
    EXPECT_DOUBLE_EQ(repèreJ.Y1, u);
    EXPECT_DOUBLE_EQ(repèreJ.X1, -u / 10);
    EXPECT_EQ(m.Rouge, 0);
    EXPECT_EQ(m.Bleu, 255);
}

TEST_F(KorvaneTest, LesEtiquettesDuRepereEntourentLOrigineEtLesUnites)
{
    Démarrer();
    const Canevas& e = k.Ecran;
    const double u = m.Unité;
    const auto gauche = [&](const Contrôle& c) { return e.DepuisTwipsX(c.Left); };
    const auto haut = [&](const Contrôle& c) { return e.DepuisTwipsY(c.Top); };
    EXPECT_NEAR(gauche(k.EtiO) + e.LargeurÉchelle(k.EtiO.Width), -u / 5, 2);
    EXPECT_NEAR(haut(k.EtiO), -u / 5, 2);
    EXPECT_NEAR(gauche(k.EtiI), u, 2);
    EXPECT_NEAR(haut(k.EtiJ) - e.HauteurÉchelle(k.EtiJ.Height) / 2, u, 2);
    EXPECT_EQ(k.EtiO.Caption, "O");
}

TEST_F(KorvaneTest, LeNomDUnPointSePlaceSelonSonCodeDePosition)
{
    Démarrer();
    const double u = m.Unité;
    const double d = u / 4;
    const double x = 2 * u;
    const double y = 3 * u;
    struct Cas {
        std::uint8_t code;
        double gaucheAttendue; // en fonction de w
        double wFacteur;
        double hautAttendu; // en fonction de h
        double hFacteur;
    };
    // gauche = gaucheAttendue + wFacteur × w ; haut = hautAttendu + hFacteur × h.
    const std::vector<Cas> cas = {
        {0, x, 0, y, 0},         {1, x - d, -1, y + d, 1}, {2, x - d, -1, y - d, 0},
        {3, x + d, 0, y - d, 0}, {4, x + d, 0, y + d, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.code));
        k.PlacerNom(1, x, y, c.code, "M");
        const Contrôle& étiquette = k.EtiPoint[1];
        const double w = k.Ecran.LargeurÉchelle(étiquette.Width);
        const double h = k.Ecran.HauteurÉchelle(étiquette.Height);
        EXPECT_NEAR(k.Ecran.DepuisTwipsX(étiquette.Left), c.gaucheAttendue + c.wFacteur * w, 1);
        EXPECT_NEAR(k.Ecran.DepuisTwipsY(étiquette.Top), c.hautAttendu + c.hFacteur * h, 1);
        EXPECT_TRUE(étiquette.Visible);
        EXPECT_EQ(étiquette.Caption, "M");
        EXPECT_EQ(étiquette.ForeColor, m.CouleurTrait);
    }
}

TEST_F(KorvaneTest, UnTexteDeCoordonneeEnFauteVautZeroEtLeDessinContinue)
{
    Démarrer();
    m.NbPoints = 2;
    m.Points[1] = {"2/0", "3", "A", 4, false};
    m.Points[2] = {"1", "1", "B", 4, false};
    k.RedessinerTout();
    std::vector<const Marque*> points;
    for (const Marque& marque : k.Ecran.Marques())
        if (marque.Genre == GenreMarque::Point)
            points.push_back(&marque);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0]->X1, 0);
    EXPECT_DOUBLE_EQ(points[0]->Y1, 3.0 * m.Unité);
    EXPECT_DOUBLE_EQ(points[1]->X1, m.Unité);
    EXPECT_EQ(points[0]->Épaisseur, 4);
    ASSERT_EQ(k.EtiPoint.size(), 3u);
    EXPECT_TRUE(k.EtiPoint[2].Visible);
}

TEST_F(KorvaneTest, LePolygoneSeFermeSurSonPremierSommet)
{
    Démarrer();
    m.NbSommets = 3;
    m.Sommets[1] = {"0", "0", "A", 0, false};
    m.Sommets[2] = {"4", "0", "B", 0, false};
    m.Sommets[3] = {"0", "3", "C", 0, false};
    m.PolygoneTracé = true;
    m.ÉpaisseurTrait = 2;
    k.RedessinerTout();
    const std::vector<Marque>& marques = k.Ecran.Marques();
    ASSERT_GE(marques.size(), 3u);
    const Marque& dernier = marques.back();
    EXPECT_DOUBLE_EQ(dernier.X1, 0);
    EXPECT_DOUBLE_EQ(dernier.Y1, 3.0 * m.Unité);
    EXPECT_DOUBLE_EQ(dernier.X2, 0);
    EXPECT_DOUBLE_EQ(dernier.Y2, 0);
    EXPECT_EQ(dernier.Épaisseur, 2);
    EXPECT_EQ(dernier.Teinte, m.CouleurTrait);
}

TEST_F(KorvaneTest, QuitterParLeMenuOuParLeCadreTermineLeProgramme)
{
    for (const bool parLeCadre : {false, true}) {
        SCOPED_TRACE(parLeCadre);
        PlateformeScriptée p;
        Korvane fenêtre(m, p);
        fenêtre.Form_Load();
        if (parLeCadre)
            fenêtre.Form_QueryUnload();
        else
            fenêtre.Cliquer(fenêtre.ItemQuitter);
        EXPECT_TRUE(p.Quitté);
        EXPECT_TRUE(p.Journal.Messages.empty());
    }
}

TEST_F(KorvaneTest, AProposOuvreLaBoiteAPropos)
{
    Démarrer();
    plateforme.QuandSOuvre<FormApropos>([](FormApropos& f) {
        EXPECT_EQ(f.EtiVersion.Caption, "Version 1.0");
        f.BtonOk_Click();
    });
    k.Cliquer(k.ItemApropos);
    EXPECT_EQ(plateforme.FenêtresOuvertes, std::vector<std::string>{GenreFenêtre<FormApropos>()});
}

TEST_F(KorvaneTest, AfficherTexteMontreLesBoutonsDemandes)
{
    Démarrer();
    for (const BoutonsTexte boutons : {BoutonsTexte::Fermer, BoutonsTexte::ValiderAnnuler}) {
        const bool confirmation = boutons == BoutonsTexte::ValiderAnnuler;
        SCOPED_TRACE(confirmation);
        plateforme.QuandSOuvre<FormTexteAgrandi>([&](FormTexteAgrandi& f) {
            EXPECT_EQ(f.Form.Caption, "Choix de la figure");
            EXPECT_EQ(f.TexteE1Ag.Caption, "Construction d'un carré");
            EXPECT_EQ(f.BtonFermer.Visible, !confirmation);
            EXPECT_EQ(f.BtonValider.Visible && f.BtonAnnuler.Visible, confirmation);
            if (confirmation)
                f.BtonValider_Click();
            else
                f.BtonFermer_Click();
        });
        k.AfficherTexte("Choix de la figure", "Construction d'un carré", boutons);
        EXPECT_EQ(m.TexteRetour, confirmation ? "Construction d'un carré" : "");
    }
}

TEST_F(KorvaneTest, LesDixLignesDesCiblesNaissentAuPremierRedimensionnement)
{
    k.Form_Load();
    EXPECT_EQ(k.LabTypeFig.size(), 1u);
    Redimensionner(1024, 768);
    Redimensionner(900, 700);
    ASSERT_EQ(k.LabTypeFig.size(), NbCibles);
    ASSERT_EQ(k.ShapeTypeFig1.size(), NbCibles);
    ASSERT_EQ(k.ShapeTypeFig2.size(), NbCibles);
    EXPECT_EQ(k.LabTypeFig[0].Caption, "Triangle rectangle ");
    EXPECT_EQ(k.LabTypeFig[9].Caption, "Carré ");
    for (std::size_t i = 0; i < NbCibles; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(k.LabTypeFig[i].Visible && k.ShapeTypeFig1[i].Visible && k.ShapeTypeFig2[i].Visible);
        EXPECT_EQ(k.LabTypeFig[i].BackColor, CouleurPanneau);
        EXPECT_EQ(k.ShapeTypeFig2[i].BackColor, CouleurPanneau);
        EXPECT_EQ(k.LabTypeFig[i].Caption, std::string(k.TableCibles[i].Nom) + " ");
        if (i > 0) {
            EXPECT_GT(k.LabTypeFig[i].Top, k.LabTypeFig[i - 1].Top + k.LabTypeFig[i - 1].Height);
        }
    }
    EXPECT_EQ(k.TableCibles[1].FigureAdmise, "Triangle équilatéral");
    EXPECT_EQ(k.TableCibles[0].NbSommets, 3);
    EXPECT_EQ(k.TableCibles[9].NbSommets, 4);
}

TEST_F(KorvaneTest, ProposerFigureRevientAuChoixDUneCible)
{
    Démarrer();
    k.BtonVelmor.Visible = k.BtonVelmor.Enabled = k.BtonAbandon.Visible = true;
    k.BtonPointCoor.Enabled = k.ItemPlacerPt.Enabled = false;
    k.EtiStatut.Caption = "Trace un carré dans le repère";
    m.FigureRéussie = k.OuvertureFigure = true;
    m.NbPointsMax = 4;
    m.CapPoints = 20;
    m.PositionSuivante = 3;
    k.ColorerLigneCible(2, CouleurBordure);
    k.ProposerFigure();
    EXPECT_FALSE(k.BtonVelmor.Visible || k.BtonVelmor.Enabled || k.BtonAbandon.Visible);
    EXPECT_EQ(k.EtiStatut.Caption, "Choisis une figure à construire ...");
    EXPECT_FALSE(m.FigureRéussie || k.OuvertureFigure);
    EXPECT_TRUE(k.BtonPointCoor.Enabled && k.ItemPlacerPt.Enabled);
    EXPECT_EQ(m.NbPointsMax, 20);
    EXPECT_EQ(m.PositionSuivante, 1);
    EXPECT_EQ(k.LabTypeFig[2].BackColor, CouleurPanneau);
}

TEST_F(KorvaneTest, AnnulerLeSeulPointRendLEtatDuDemarrageSansEnregistrer)
{
    Démarrer();
    const auto état = [this] {
        std::vector<bool> actifs;
        for (const Contrôle* c : {&k.BtonPointCoor, &k.ItemPlacerPt, &k.BtonPolygone, &k.ItemPolygone,
                                  &k.BtonModifPoint, &k.ItemModifierPoint, &k.BtonAnnule, &k.BtonEfface,
                                  &k.BtonLong, &k.BtonAngle, &k.ItemEnregistrer})
            actifs.push_back(c->Enabled);
        return actifs;
    };
    const std::vector<bool> auDémarrage = état();
    k.AppliquerActivation(ÉtapeConstruction::PremierPoint);
    EXPECT_EQ(k.EtiStatut.Caption, "Figure libre");
    EXPECT_TRUE(k.ItemEnregistrer.Enabled && k.BtonAnnule.Enabled);
    k.AppliquerActivation(ÉtapeConstruction::AnnulationAucunPoint);
    EXPECT_EQ(état(), auDémarrage);
}

TEST_F(KorvaneTest, LePolygoneConstruitInterditDePlacerUnPoint)
{
    Démarrer();
    for (auto étape : {ÉtapeConstruction::PremierPoint, ÉtapeConstruction::AutrePoint,
                       ÉtapeConstruction::TroisièmePoint, ÉtapeConstruction::PolygoneConstruit})
        k.AppliquerActivation(étape);
    EXPECT_FALSE(k.BtonPointCoor.Enabled || k.ItemPlacerPt.Enabled || k.BtonPolygone.Enabled);
    EXPECT_TRUE(k.BtonVelmor.Visible && k.BtonVelmor.Enabled && k.BtonLong.Enabled && k.ItemAngle.Enabled);
    k.AppliquerActivation(ÉtapeConstruction::AnnulationPolygone);
    EXPECT_TRUE(k.BtonPointCoor.Enabled && k.BtonPolygone.Enabled);
    EXPECT_FALSE(k.BtonVelmor.Enabled || k.BtonLong.Enabled);
}

TEST_F(KorvaneTest, MajOutilsSuitLeContenuDeLaFigure)
{
    Démarrer();
    m.NbPoints = 3;
    m.NbTracés = 3;
    k.MajOutils();
    EXPECT_TRUE(k.BtonEfface.Enabled && k.BtonModifPoint.Enabled && k.BtonPolygone.Enabled);
    EXPECT_TRUE(k.BtonPointCoor.Enabled);
    m.NbTracés = 0;
    m.ModeFichier = true;
    k.ItemFermerFig.Enabled = true;
    k.MajOutils();
    EXPECT_FALSE(m.ModeFichier);
    EXPECT_FALSE(k.ItemFermerFig.Enabled);
    EXPECT_EQ(m.NbPoints, 0);
}

TEST(KorvaneDessin, LesCommandesDuDessinSontInactivesAvantLeChargement)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    const Korvane k(m, plateforme);
    for (const Contrôle* c : {&k.ItemOuvrirFig, &k.ItemFermerFig, &k.ItemEnregistrer, &k.ItemTracerLumarc,
                              &k.ItemQuadrillage, &k.ItemModifierPoint, &k.ItemPolygone, &k.ItemLong,
                              &k.ItemAngle, &k.ItemTépais, &k.ItemCouleurs, &k.ItemPrécision}) {
        SCOPED_TRACE(c->Caption);
        EXPECT_FALSE(c->Enabled);
    }
    EXPECT_TRUE(k.ItemPlacerPt.Enabled && k.itemNumQuadrants.Enabled && k.ItemQuitter.Enabled);
    EXPECT_FALSE(k.EtiPoint[0].Visible);
}

TEST(PlateformeScriptee, LaMinuterieAvanceALaMainEtSArreteDansUnTop)
{
    PlateformeScriptée plateforme;
    int tops = 0;
    plateforme.DémarrerMinuterie(10, [&] {
        if (++tops == 3)
            plateforme.ArrêterMinuterie();
    });
    plateforme.AvancerMinuterie(25);
    EXPECT_EQ(tops, 2);
    EXPECT_TRUE(plateforme.MinuterieEnMarche());
    plateforme.AvancerMinuterie(100);
    EXPECT_EQ(tops, 3);
    EXPECT_FALSE(plateforme.MinuterieEnMarche());
}

TEST_F(KorvaneTest, LePointeurRedevientLaFlecheSurLesBoutonsDuZoom)
{
    Démarrer();
    k.Form.MousePointer = Pointeur::Personnalisé;
    k.Survoler(k.BtonEchPlus);
    EXPECT_EQ(k.Form.MousePointer, Pointeur::Flèche);
    k.Form.MousePointer = Pointeur::Personnalisé;
    k.Survoler(k.BtonEchMoins);
    EXPECT_EQ(k.Form.MousePointer, Pointeur::Flèche);
}

TEST_F(KorvaneTest, UnElementInactifNeRepondPasAuClic)
{
    Démarrer();
    m.XMax = 10 * m.Unité;
    k.BtonEchPlus.Enabled = false;
    k.Cliquer(k.BtonEchPlus);
    EXPECT_EQ(m.XMax, 10 * m.Unité);
    k.BtonEchPlus.Enabled = true;
    k.Cliquer(k.BtonEchPlus);
    EXPECT_EQ(m.XMax, 10 * m.Unité + 1000);
}
