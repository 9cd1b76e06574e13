// La fenêtre principale : démarrage, activation des commandes, menus, repère et zoom.
#include "support/KorvaneOuverte.h"
#include "ui/FormApropos.h"

#include <cctype>
#include <cmath>
#include <set>

namespace {

using KorvaneTest = KorvaneOuverte;

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

// La lettre qui suit « & », en minuscule (un caractère accentué est gardé entier).
std::string ToucheDAccès(const std::string& légende)
{
    const auto et = légende.find('&');
    if (et == std::string::npos || et + 1 >= légende.size())
        return {};
    std::string lettre = légende.substr(et + 1, static_cast<unsigned char>(légende[et + 1]) >= 0x80 ? 2 : 1);
    if (lettre.size() == 1)
        lettre[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lettre[0])));
    return lettre;
}

bool TouchesDistinctes(const std::vector<EntréeMenu>& entrées)
{
    std::set<std::string> touches;
    for (const EntréeMenu& e : entrées) {
        const std::string touche = ToucheDAccès(e.Item->Caption);
        if ((!touche.empty() && !touches.insert(touche).second) || !TouchesDistinctes(e.Sous)) {
            ADD_FAILURE() << "touche d'accès en double : " << e.Item->Caption;
            return false;
        }
    }
    return true;
}

} // namespace

TEST_F(KorvaneTest, AuDemarrageSeulsPlacerUnPointLesOptionsOuvrirLesExercicesEtLAideSontOfferts)
{
    for (const Contrôle* c :
         {&k.BtonPointCoor, &k.ItemPlacerPt, &k.ItemTracerLumarc, &k.ItemQuadrillage, &k.itemNumQuadrants,
          &k.ItemTfin, &k.ItemTépais, &k.ItemCouleurs, &k.ItemPrécision, &k.ItemOuvrirFig,
          &k.ItemRéinitialiser, &k.SousMenuConstructions, &k.ItemAides, &k.ItemApropos, &k.ItemQuitter}) {
        SCOPED_TRACE(c->ToolTipText + c->Caption);
        EXPECT_TRUE(c->Enabled);
    }
    for (const Contrôle* c :
         {&k.BtonPolygone, &k.ItemPolygone, &k.BtonModifPoint, &k.ItemModifierPoint, &k.BtonLong, &k.ItemLong,
          &k.BtonAngle, &k.ItemAngle, &k.BtonAnnule, &k.BtonEfface, &k.ItemFermerFig, &k.ItemEnregistrer}) {
        SCOPED_TRACE(c->ToolTipText + c->Caption);
        EXPECT_FALSE(c->Enabled);
    }
    EXPECT_FALSE(k.BtonVelmor.Visible || k.BtonFermer.Visible || k.BtonAbandon.Visible);
    EXPECT_TRUE(k.BtonAnnule.Visible && k.BtonEfface.Visible && k.FrameCouleur.Visible);
    EXPECT_TRUE(k.QuadrillageAffiché() && k.AxesAffichés());
    EXPECT_FALSE(k.QuadrantsNumérotés());
    EXPECT_TRUE(k.ItemTfin.Checked && !k.ItemTépais.Checked);
    EXPECT_EQ(k.EtiEchelle.Caption, " 1");
    EXPECT_EQ(k.EtiStatut.Caption, "Choisis une figure à construire ...");
    EXPECT_EQ(k.Form.Caption, "Jeu Velmor (construction de figures cibles)");
    EXPECT_EQ(k.EtiEtape.Caption, " Analyse de figure");
    EXPECT_EQ(m.XMax, 10 * m.Unité);
}

TEST_F(KorvaneTest, LesMenusPortentLeursLegendesEtTouchesDAcces)
{
    const std::vector<std::string> attendu = {"&Fichier",
                                              "  O&uvrir une figure",
                                              "  F&ermer la figure",
                                              "  &Sauvegarder une figure",
                                              "  E&xporter la figure...",
                                              "  &Imprimer la figure...",
                                              "  &Copier la figure",
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
                                              "  &Analyse sous l'image",
                                              "&?",
                                              "  &Aides",
                                              "  &Lumarc sur le web",
                                              "  Á &propos"};
    EXPECT_EQ(Légendes(k.Menus), attendu);
    // Dans un même menu, chaque touche d'accès désigne un seul élément.
    EXPECT_TRUE(TouchesDistinctes(k.Menus));
}

TEST_F(KorvaneTest, LEchelleAfficheLeRapportTronqueADeuxDecimalesEtSArreteAuxBornes)
{
    struct Cas {
        const char* nom;
        void (Korvane::*bouton)();
        std::int32_t xMax;
        const char* légende;
        int clics;
    };
    const std::vector<Cas> cas = {
        {"plus de plan", &Korvane::BtonEchPlus_Click, 5500, " 0,81", 1},
        {"moins de plan", &Korvane::BtonEchMoins_Click, 3500, " 1.28", 1},
        {"borne basse", &Korvane::BtonEchMoins_Click, 500, " 9", 50},     // 1500 > 1350 permet encore un pas
        {"borne haute", &Korvane::BtonEchPlus_Click, 16500, " 0,27", 50}, // 15500 < 15750 aussi
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        m.Unité = 450;
        m.XMax = 4500;
        k.ChangerEchelle();
        EXPECT_EQ(k.EtiEchelle.Caption, " 1");
        m.ModeChoixPoint = 1;
        for (int i = 0; i < c.clics; ++i)
            (k.*c.bouton)();
        EXPECT_EQ(m.XMax, c.xMax);
        EXPECT_EQ(k.EtiEchelle.Caption, c.légende);
        EXPECT_EQ(m.ModeChoixPoint, 0);
    }
}

// Dans une fenêtre de 1800 pixels de large, -XMax ne tient plus sur 16 bits au zoom le plus large.
TEST_F(KorvaneTest, LesBordsDuPlanNeDebordentPasDansUneFenetreTresLarge)
{
    Redimensionner(1800, 1000);
    k.RéinitialiserFenêtre();
    for (int i = 0; i < 40; ++i)
        k.BtonEchPlus_Click();
    EXPECT_GT(m.XMax, 32767);
    EXPECT_EQ(m.XMin, -m.XMax);
    EXPECT_EQ(m.YMin, -m.YMax);
    EXPECT_EQ(k.Ecran.RepèreCourant().XMax(), m.XMax);
}

TEST_F(KorvaneTest, UnCanevasDeuxFoisPlusLargeQueHautDonneYMaxMoitieDeXMax)
{
    k.Ecran.Cadre.Width = 9000;
    k.Ecran.Cadre.Height = 4500;
    m.XMax = 4500;
    k.AjusterCadre();
    EXPECT_EQ(m.YMax, 2250);
    EXPECT_EQ(m.YMin, -2250);
    EXPECT_FLOAT_EQ(k.Tolérance(), 100.0f);
    EXPECT_EQ(k.Ecran.RepèreCourant().YMax(), 2250);

    // Un XMax nul est remonté sans toucher à l'échelle.
    m.XMax = 0;
    k.AjusterCadre();
    EXPECT_EQ(m.XMax, 2);
    EXPECT_EQ(m.YMax, 2250);
}

TEST_F(KorvaneTest, LeCanevasDuDemarrageMontreLeQuadrillageSousLesAxes)
{
    const std::vector<Marque>& marques = k.Ecran.Marques();
    ASSERT_GE(marques.size(), 4u);
    const std::size_t quadrillage = marques.size() - 4;
    const double u = m.Unité;
    std::size_t verticales = 0;
    for (std::size_t i = 0; i < marques.size(); ++i) {
        SCOPED_TRACE(i);
        const bool axe = i >= quadrillage;
        EXPECT_EQ(marques[i].Teinte, axe ? (Couleur{100, 100, 0}) : (Couleur{0, 255, 255}));
        EXPECT_EQ(marques[i].Épaisseur, axe ? 2 : 1);
        verticales += !axe && marques[i].X1 == marques[i].X2;
    }
    // Une ligne par unité, de -10 à 10 sur x.
    EXPECT_EQ(verticales, 21u);
    const auto unitésY = static_cast<std::size_t>(std::nearbyint(m.YMax / u));
    EXPECT_EQ(quadrillage - verticales, 2 * unitésY + 1);
    const Marque& repèreI = marques[marques.size() - 2];
    EXPECT_DOUBLE_EQ(repèreI.X1, u);
    EXPECT_DOUBLE_EQ(repèreI.Y1, -u / 10);
    EXPECT_DOUBLE_EQ(repèreI.Y2, u / 10);
    EXPECT_DOUBLE_EQ(marques.back().Y1, u);
    EXPECT_DOUBLE_EQ(marques.back().X1, -u / 10);
}

TEST_F(KorvaneTest, LesEtiquettesDuRepereEntourentLOrigineEtLesUnites)
{
    const Repère& r = k.Ecran.RepèreCourant();
    const double u = m.Unité;
    EXPECT_NEAR(k.EtiO.Left + k.EtiO.Width, r.VersTwips({-u / 5, 0}).X, 2);
    EXPECT_NEAR(k.EtiO.Top, r.VersTwips({0, -u / 5}).Y, 2);
    EXPECT_NEAR(k.EtiI.Left, r.VersTwips({u, 0}).X, 2);
    EXPECT_NEAR(k.EtiJ.Top + k.EtiJ.Height / 2.0, r.VersTwips({0, u}).Y, 2);
    EXPECT_EQ(k.EtiO.Caption, "O");
}

TEST_F(KorvaneTest, LeNomDUnPointSePlaceSelonSonCodeDePosition)
{
    const double d = m.Unité / 4;
    const double x = 2 * m.Unité;
    const double y = 3 * m.Unité;
    struct Cas {
        std::uint8_t code;
        double gauche; // plus wFacteur × la largeur de l'étiquette
        double wFacteur;
        double haut; // plus hFacteur × sa hauteur
        double hFacteur;
    };
    const std::vector<Cas> cas = {
        {0, x, 0, y, 0},         {1, x - d, -1, y + d, 1}, {2, x - d, -1, y - d, 0},
        {3, x + d, 0, y - d, 0}, {4, x + d, 0, y + d, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.code));
        k.PlacerNom(1, x, y, c.code, "M");
        const Contrôle& étiquette = k.EtiPoint[1];
        const Repère& r = k.Ecran.RepèreCourant();
        const double w = r.LargeurÉchelle(étiquette.Width);
        const double h = r.HauteurÉchelle(étiquette.Height);
        const PointPlan coin = r.VersTwips({c.gauche + c.wFacteur * w, c.haut + c.hFacteur * h});
        EXPECT_NEAR(étiquette.Left, coin.X, 1);
        EXPECT_NEAR(étiquette.Top, coin.Y, 1);
        EXPECT_TRUE(étiquette.Visible);
        EXPECT_EQ(étiquette.Caption, "M");
        EXPECT_EQ(étiquette.ForeColor, m.CouleurTrait);
    }
}

TEST_F(KorvaneTest, UnTexteDeCoordonneeEnFauteVautZeroEtLeDessinContinue)
{
    m.NbPoints = 2;
    m.Points[1] = {"2/0", "3", "A", 4, false};
    m.Points[2] = {"1", "1", "B", 4, false};
    k.RedessinerTout();
    std::vector<Marque> points;
    std::ranges::copy_if(k.Ecran.Marques(), std::back_inserter(points),
                         [](const Marque& marque) { return marque.Genre == GenreMarque::Point; });
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0].X1, 0);
    EXPECT_DOUBLE_EQ(points[0].Y1, 3.0 * m.Unité);
    EXPECT_DOUBLE_EQ(points[1].X1, m.Unité);
    ASSERT_EQ(k.EtiPoint.size(), 3u);
    EXPECT_TRUE(k.EtiPoint[2].Visible);
}

TEST_F(KorvaneTest, QuitterParLeMenuOuParLeCadreTermineLeProgramme)
{
    k.Cliquer(k.ItemQuitter);
    EXPECT_TRUE(plateforme.Quitté);
    plateforme.Quitté = false;
    k.Form_QueryUnload();
    EXPECT_TRUE(plateforme.Quitté);
    EXPECT_TRUE(plateforme.Journal.Messages.empty());
}

TEST_F(KorvaneTest, AProposOuvreLaBoiteAPropos)
{
    plateforme.QuandSOuvre<FormApropos>([](FormApropos& f) {
        EXPECT_EQ(f.EtiVersion.Caption, "Version 1.0");
        f.BtonOk_Click();
    });
    k.Cliquer(k.ItemApropos);
    EXPECT_EQ(plateforme.FenêtresOuvertes, std::vector<std::string>{GenreFenêtre<FormApropos>()});
}

TEST_F(KorvaneTest, AfficherTexteMontreLesBoutonsDemandes)
{
    for (const bool confirmation : {false, true}) {
        SCOPED_TRACE(confirmation);
        plateforme.QuandSOuvre<FormTexteAgrandi>([&](FormTexteAgrandi& f) {
            EXPECT_EQ(f.BtonFermer.Visible, !confirmation);
            EXPECT_EQ(f.BtonValider.Visible && f.BtonAnnuler.Visible, confirmation);
            if (confirmation)
                f.BtonValider_Click();
            else
                f.BtonFermer_Click();
        });
        k.AfficherTexte("Choix de la figure", "Construction d'un carré",
                        confirmation ? BoutonsTexte::ValiderAnnuler : BoutonsTexte::Fermer);
        EXPECT_EQ(plateforme.Textes.back(),
                  (TexteMontré{"Choix de la figure", "Construction d'un carré", ""}));
        EXPECT_EQ(m.TexteRetour, confirmation ? "Construction d'un carré" : "");
    }
}

TEST_F(KorvaneTest, LesDixLignesDesCiblesNaissentAuPremierRedimensionnement)
{
    Modulebas m2;
    PlateformeScriptée p2;
    Korvane neuve(m2, p2);
    neuve.Form_Load();
    EXPECT_EQ(neuve.LabTypeFig.size(), 1u);

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
}

TEST_F(KorvaneTest, LePointeurRedevientLaFlecheSurLesBoutonsDuZoom)
{
    for (const Contrôle* bouton : {&k.BtonEchPlus, &k.BtonEchMoins}) {
        k.Form.MousePointer = Pointeur::Personnalisé;
        k.Survoler(*bouton);
        EXPECT_EQ(k.Form.MousePointer, Pointeur::Flèche);
    }
}

TEST_F(KorvaneTest, UnElementInactifNeRepondPasAuClic)
{
    k.BtonEchPlus.Enabled = false;
    k.Cliquer(k.BtonEchPlus);
    EXPECT_EQ(m.XMax, 10 * m.Unité);
    k.BtonEchPlus.Enabled = true;
    k.Cliquer(k.BtonEchPlus);
    EXPECT_EQ(m.XMax, 10 * m.Unité + 1000);
}
