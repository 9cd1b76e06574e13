// La fenêtre principale : démarrage, disposition, menus, repère et zoom.
#include "game/JeuCibles.h"
#include "support/KorvaneOuverte.h"
#include "ui/FormApropos.h"

namespace {

using KorvaneTest = KorvaneOuverte;

// Chaque contrôle que la disposition place, dans un ordre fixe.
std::vector<std::tuple<int, int, int, int>> Disposition(const Korvane& k)
{
    std::vector<const Contrôle*> contrôles = {
        &k.Ecran.Cadre, &k.EtiEtape,   &k.EtiComEtape, &k.PictureExo,    &k.LabAfficheScore, &k.Shape3,
        &k.ImaBton,     &k.EtiScore,   &k.EtiBonus,    &k.BtonPointCoor, &k.BtonModifPoint,  &k.BtonPolygone,
        &k.BtonLong,    &k.BtonAngle,  &k.BtonAnnule,  &k.BtonEfface,    &k.FrameCouleur,    &k.EtiStatut,
        &k.BtonFermer,  &k.BtonVelmor, &k.LabelEch,    &k.BtonEchPlus,   &k.BtonEchMoins,    &k.EtiEchelle};
    for (const auto* tableau : {&k.LabTypeFig, &k.ShapeTypeFig1, &k.ShapeTypeFig2})
        for (const Contrôle& c : *tableau)
            contrôles.push_back(&c);
    std::vector<std::tuple<int, int, int, int>> rectangles;
    for (const Contrôle* c : contrôles)
        rectangles.emplace_back(c->Left, c->Top, c->Width, c->Height);
    return rectangles;
}

} // namespace

// Les dix lignes des cibles naissent au premier redimensionnement, puis la disposition ne dépend que de la
// taille de la fenêtre.
TEST_F(KorvaneTest, LaDispositionNeDependQueDeLaTailleDeLaFenetre)
{
    Modulebas m2;
    PlateformeScriptée p2;
    Korvane neuve(m2, p2);
    neuve.Form_Load();
    EXPECT_EQ(neuve.LabTypeFig.size(), 1u);

    ASSERT_EQ(k.LabTypeFig.size(), NbCibles);
    for (std::size_t i = 0; i < NbCibles; ++i) {
        EXPECT_TRUE(k.LabTypeFig[i].Visible && k.ShapeTypeFig1.at(i).Visible && k.ShapeTypeFig2.at(i).Visible)
            << i;
        EXPECT_TRUE(i == 0 || k.LabTypeFig[i].Top > k.LabTypeFig[i - 1].Top + k.LabTypeFig[i - 1].Height)
            << i;
    }

    EXPECT_FLOAT_EQ(m.FacteurH, 1);
    EXPECT_FLOAT_EQ(m.FacteurV, 1);
    const auto auDémarrage = Disposition(k);
    // Les outils à gauche du canevas, le panneau à sa droite, l'état dessous, le tout dans la fenêtre.
    const Contrôle& écran = k.Ecran.Cadre;
    EXPECT_LT(k.BtonEfface.Left + k.BtonEfface.Width, écran.Left);
    EXPECT_LT(écran.Left + écran.Width, k.EtiEtape.Left);
    EXPECT_LE(k.EtiEtape.Left + k.EtiEtape.Width, k.Form.Width);
    EXPECT_GT(k.EtiStatut.Top, écran.Top + écran.Height);
    EXPECT_LE(k.LabTypeFig.back().Top + k.LabTypeFig.back().Height, k.Form.Height);
    EXPECT_GT(k.BtonVelmor.Left, k.EtiStatut.Left + k.EtiStatut.Width);
    EXPECT_EQ(k.BtonVelmor.Top, k.EtiStatut.Top);
    // Le groupe de l'échelle est centré sous le canevas.
    EXPECT_NEAR((k.LabelEch.Left + k.EtiEchelle.Left + k.EtiEchelle.Width) / 2.0,
                écran.Left + écran.Width / 2.0, 1);

    Redimensionner(800, 600);
    EXPECT_NE(Disposition(k), auDémarrage);
    Redimensionner(1024, 768);
    EXPECT_EQ(Disposition(k), auDémarrage);

    // Moins de 5000 twips de large ou de 2000 de haut : rien ne bouge.
    for (auto [largeur, hauteur] : {std::pair{4999, 8000}, {8000, 1999}}) {
        k.Form.Width = largeur;
        k.Form.Height = hauteur;
        k.Form_Resize();
        EXPECT_EQ(Disposition(k), auDémarrage) << largeur;
    }

    // Pendant une cible, Abandon prend la place de Fermer.
    const int fermer = k.BtonFermer.Left;
    m.CibleEnCours = true;
    Redimensionner(1024, 768);
    EXPECT_EQ(k.BtonAbandon.Left, fermer);

    // Sur un écran large, le panneau garde une largeur proportionnelle.
    Redimensionner(2048, 768);
    EXPECT_EQ(k.EtiEtape.Width, 2 * std::get<2>(auDémarrage[1])); // la largeur d'EtiEtape au départ
    EXPECT_DOUBLE_EQ(k.EtiStatut.FontSize, 20);
}

TEST_F(KorvaneTest, LEchelleAfficheLeRapportTronqueADeuxDecimalesEtSArreteAuxBornes)
{
    // Bouton, clics, XMax et légende attendus : 1500 > 1350 permet encore un pas, 15500 < 15750 aussi.
    for (const auto& [bouton, clics, xMax, légende] :
         {std::tuple{&Korvane::BtonEchPlus_Click, 1, 5500, " 0,81"},
          {&Korvane::BtonEchMoins_Click, 1, 3500, " 1.28"},
          {&Korvane::BtonEchMoins_Click, 50, 500, " 9"},
          {&Korvane::BtonEchPlus_Click, 50, 16500, " 0,27"}}) {
        SCOPED_TRACE(légende);
        m.Unité = 450;
        m.XMax = 4500;
        k.ChangerEchelle();
        m.ModeChoixPoint = 1;
        for (int i = 0; i < clics; ++i)
            (k.*bouton)();
        EXPECT_EQ(m.XMax, xMax);
        EXPECT_EQ(k.EtiEchelle.Caption, légende);
        EXPECT_EQ(m.ModeChoixPoint, 0);
    }
    // Un bouton inactif ne répond pas au clic.
    k.BtonEchPlus.Enabled = false;
    k.Cliquer(k.BtonEchPlus);
    EXPECT_EQ(m.XMax, 16500);
}

// Dans une fenêtre de 1800 pixels de large, -XMax ne tient plus sur 16 bits au zoom le plus large.
TEST_F(KorvaneTest, LesBordsDuPlanSuiventLaFenetreEtLeZoom)
{
    Redimensionner(1800, 1000);
    k.RéinitialiserFenêtre();
    for (int i = 0; i < 40; ++i)
        k.BtonEchPlus_Click();
    EXPECT_GT(m.XMax, 32767);
    EXPECT_EQ(m.XMin, -m.XMax);
    EXPECT_EQ(m.YMin, -m.YMax);
    EXPECT_EQ(k.Ecran.RepèreCourant().XMax(), m.XMax);

    // Un canevas deux fois plus large que haut donne YMax moitié de XMax.
    k.Ecran.Cadre.Width = 9000;
    k.Ecran.Cadre.Height = 4500;
    m.XMax = 4500;
    k.AjusterCadre();
    EXPECT_EQ(m.YMax, 2250);
    EXPECT_FLOAT_EQ(k.Tolérance(), 100.0f);
    // Un XMax nul est remonté sans toucher à l'échelle.
    m.XMax = 0;
    k.AjusterCadre();
    EXPECT_EQ(m.XMax, 2);
    EXPECT_EQ(m.YMax, 2250);
}

// Les options se voient à leur premier basculement (KorvaneOptionsTest) ; reste ce que montre le démarrage.
TEST_F(KorvaneTest, AuDemarrageLeRepereMontreLeQuadrillageSousLesAxesEtSesEtiquettes)
{
    EXPECT_FALSE(k.BtonVelmor.Visible || k.BtonFermer.Visible || k.BtonAbandon.Visible ||
                 k.PictureExo.Visible);
    for (const Contrôle& c : k.Etixy)
        EXPECT_FALSE(c.Visible) << c.Caption;
    EXPECT_TRUE(k.FrameCouleur.Visible && k.ItemTfin.Checked && !k.ItemTépais.Checked);
    EXPECT_EQ(k.EtiStatut.Caption, StatutChoix);

    const std::vector<Marque>& marques = k.Ecran.Marques();
    ASSERT_GE(marques.size(), 4u);
    const std::size_t quadrillage = marques.size() - 4;
    std::size_t verticales = 0;
    for (std::size_t i = 0; i < marques.size(); ++i) {
        const bool axe = i >= quadrillage;
        EXPECT_EQ(marques[i].Teinte, axe ? (Couleur{100, 100, 0}) : (Couleur{0, 255, 255})) << i;
        EXPECT_EQ(marques[i].Épaisseur, axe ? 2 : 1) << i;
        verticales += !axe && marques[i].X1 == marques[i].X2;
    }
    EXPECT_EQ(verticales, 21u); // une ligne par unité, de -10 à 10
    EXPECT_EQ(quadrillage - verticales, 2 * static_cast<std::size_t>(m.YMax / m.Unité) + 1);
    EXPECT_DOUBLE_EQ(marques[marques.size() - 2].X1, m.Unité); // la graduation de I

    // O sous l'origine à sa gauche, I à droite de sa graduation, J à la hauteur de la sienne.
    const Repère& r = k.Ecran.RepèreCourant();
    const PointPlan origine = r.VersTwips({0, 0});
    const PointPlan i = r.VersTwips({double(m.Unité), 0});
    const PointPlan j = r.VersTwips({0, double(m.Unité)});
    EXPECT_LE(k.EtiO.Left + k.EtiO.Width, origine.X + 1);
    EXPECT_GE(k.EtiO.Top, origine.Y - 1);
    EXPECT_NEAR(k.EtiI.Left, i.X, 2);
    EXPECT_NEAR(k.EtiJ.Top + k.EtiJ.Height / 2.0, j.Y, 2);
}

// Quel que soit le repère, le quadrillage ne trace pas plus de lignes que le canevas n'a de pixels.
TEST_F(KorvaneTest, LeQuadrillageCouteCeQueCoutentLesPixels)
{
    const std::size_t pixels =
        static_cast<std::size_t>((k.Ecran.Cadre.Width + k.Ecran.Cadre.Height) / plateforme.TwipsParPixel);
    m.Unité = 1;
    m.XMax = 1'000'000;
    k.ChangerEchelle();
    EXPECT_LE(Compter(GenreMarque::Ligne, {0, 255, 255}), pixels + 2);
    EXPECT_GT(Compter(GenreMarque::Ligne, {0, 255, 255}), pixels / 4) << "un quadrillage serré reste visible";
}

// Le code de position met le nom dans son coin autour du point : 1 en haut à gauche, puis dans le sens
// inverse des aiguilles ; 0 le pose sur le point.
TEST_F(KorvaneTest, LeNomDUnPointSePlaceDansLeCoinDeSonCode)
{
    const double x = 2 * m.Unité;
    const double y = 3 * m.Unité;
    const PointPlan point = k.Ecran.RepèreCourant().VersTwips({x, y});
    for (std::uint8_t code = 0; code <= 4; ++code) {
        SCOPED_TRACE(static_cast<int>(code));
        k.PlacerNom(1, x, y, code, "M");
        const Contrôle& é = k.EtiPoint[1];
        const bool gauche = code == 1 || code == 2;
        const bool haut = code == 1 || code == 4;
        if (code == 0) {
            EXPECT_NEAR(é.Left, point.X, 1);
            EXPECT_NEAR(é.Top, point.Y, 1);
        } else {
            EXPECT_EQ(é.Left + é.Width < point.X, gauche);
            EXPECT_EQ(é.Left > point.X, !gauche);
            EXPECT_EQ(é.Top + é.Height < point.Y, haut);
            EXPECT_EQ(é.Top > point.Y, !haut);
        }
    }
}

TEST_F(KorvaneTest, UnTexteDeCoordonneeEnFauteVautZeroEtLeDessinContinue)
{
    m.NbPoints = 2;
    m.Points[1] = {"2/0", "3", "A", 4, false};
    m.Points[2] = {"1", "1", "B", 4, false};
    k.RedessinerTout();
    std::vector<Marque> points;
    std::copy_if(k.Ecran.Marques().begin(), k.Ecran.Marques().end(), std::back_inserter(points),
                 [](const Marque& marque) { return marque.Genre == GenreMarque::Point; });
    ASSERT_EQ(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0].X1, 0);
    EXPECT_DOUBLE_EQ(points[0].Y1, 3.0 * m.Unité);
    EXPECT_DOUBLE_EQ(points[1].X1, m.Unité);
    ASSERT_EQ(k.EtiPoint.size(), 3u);
    EXPECT_TRUE(k.EtiPoint[2].Visible);
}

TEST_F(KorvaneTest, QuitterAProposEtLePointeurDuZoom)
{
    k.Cliquer(k.ItemQuitter);
    EXPECT_TRUE(plateforme.Quitté);
    plateforme.Quitté = false;
    k.Form_QueryUnload();
    EXPECT_TRUE(plateforme.Quitté);

    plateforme.QuandSOuvre<FormApropos>([](FormApropos& f) { f.BtonOk_Click(); });
    k.Cliquer(k.ItemApropos);
    EXPECT_EQ(plateforme.FenêtresOuvertes, std::vector<std::string>{GenreFenêtre<FormApropos>()});

    // Le pointeur redevient la flèche sur les boutons du zoom.
    for (const Contrôle* bouton : {&k.BtonEchPlus, &k.BtonEchMoins}) {
        k.Form.MousePointer = Pointeur::Personnalisé;
        k.Survoler(*bouton);
        EXPECT_EQ(k.Form.MousePointer, Pointeur::Flèche);
    }
}

// Le titre, le texte et ce que rend chaque bouton se voient dans les parties (KorvaneJeuTest).
TEST_F(KorvaneTest, AfficherTexteMontreLesBoutonsDemandes)
{
    for (const bool confirmation : {false, true}) {
        SCOPED_TRACE(confirmation);
        plateforme.QuandSOuvre<FormTexteAgrandi>([&](FormTexteAgrandi& f) {
            EXPECT_EQ(f.BtonFermer.Visible, !confirmation);
            EXPECT_EQ(f.BtonValider.Visible && f.BtonAnnuler.Visible, confirmation);
        });
        k.AfficherTexte("", "", confirmation ? BoutonsTexte::ValiderAnnuler : BoutonsTexte::Fermer);
    }
}
