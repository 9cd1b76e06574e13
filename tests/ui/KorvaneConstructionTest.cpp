// La fenêtre principale construit une figure : placer, tracer, modifier, annuler, effacer, mesurer.
#include "support/Frappe.h"
#include "support/PlateformeScriptee.h"
#include "ui/Coordonnees.h"
#include "ui/FormAngle.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormLong.h"
#include "ui/FormSaisie.h"
#include "ui/Korvane.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class KorvaneConstructionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.Form_Load();
        k.Form.Width = 1024 * 15;
        k.Form.Height = 768 * 15;
        k.Form_Resize();
    }

    // L'élève tape le nom par-dessus la proposition, puis les deux coordonnées, et valide.
    static void Remplir(Coordonnées& c, const std::string& nom, const std::string& x, const std::string& y)
    {
        Taper(
            c.NomPoint, nom, [&c](char32_t t) { return c.NomPoint_KeyPress(t); },
            [&c] { c.NomPoint_Change(); });
        c.SaisieX.Caption = x;
        c.SaisieY.Caption = y;
        c.BtonValider_Click();
    }

    void Placer(const std::string& nom, const std::string& x, const std::string& y)
    {
        plateforme.QuandSOuvre<Coordonnées>([=](Coordonnées& c) { Remplir(c, nom, x, y); });
        k.Cliquer(k.BtonPointCoor);
    }

    void Tracer(const std::string& noms)
    {
        plateforme.QuandSOuvre<FormSaisie>([noms](FormSaisie& f) {
            Taper(f.TextPolySeg, noms, [&f](char32_t t) { return f.TextPolySeg_KeyPress(t); });
            f.BtonOk_Click();
        });
        k.Cliquer(k.BtonPolygone);
    }

    void Triangle()
    {
        Placer("A", "0", "0");
        Placer("B", "4", "0");
        Placer("C", "0", "3");
        Tracer("ABC");
    }

    // Le pointeur passe sur le point de coordonnées (x ; y) du repère, puis le bouton s'enfonce.
    void Survoler(double x, double y) { k.Ecran.MouseMove(0, m.Unité * x, m.Unité * y); }
    void Presser(double x, double y)
    {
        Survoler(x, y);
        k.Ecran.MouseDown(1, m.Unité * x, m.Unité * y);
    }

    std::vector<std::string> Historique() const
    {
        std::vector<std::string> entrées;
        for (std::size_t i = 1; i <= m.NbTracés; ++i)
            entrées.push_back(m.Tracés[i]);
        return entrées;
    }

    std::size_t Marques(GenreMarque genre) const
    {
        std::size_t n = 0;
        for (const Marque& marque : k.Ecran.Marques())
            n += marque.Genre == genre && marque.Teinte == m.CouleurTrait;
        return n;
    }

    Modulebas m;
    PlateformeScriptée plateforme;
    Korvane k{m, plateforme};
};

} // namespace

TEST_F(KorvaneConstructionTest, ChaquePointPlaceSeDessineSeulEtSuitLesLignesDActivation)
{
    struct Cas {
        const char* nom;
        const char* x;
        const char* y;
        bool polygone; // les commandes du polygone après ce point
    };
    const std::vector<Cas> cas = {{"A", "0", "0", false}, {"B", "4", "0", false}, {"C", "0", "3", true}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::vector<Marque> avant = k.Ecran.Marques();
        plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
            EXPECT_EQ(d.NomPoint.Caption, c.nom); // la proposition suit le nombre de points
            EXPECT_EQ(d.EtiLimiteX.Caption, "-10 < x < 10");
            Remplir(d, c.nom, c.x, c.y);
        });
        k.Cliquer(k.BtonPointCoor);

        // Rien n'est effacé : une seule marque de plus, le point, à sa place.
        const std::vector<Marque>& après = k.Ecran.Marques();
        ASSERT_EQ(après.size(), avant.size() + 1);
        EXPECT_TRUE(
            std::equal(avant.begin(), avant.end(), après.begin(), [](const Marque& a, const Marque& b) {
                return a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Genre == b.Genre;
            }));
        EXPECT_EQ(après.back().Genre, GenreMarque::Point);
        EXPECT_DOUBLE_EQ(après.back().X1, m.Unité * std::stod(c.x));
        EXPECT_DOUBLE_EQ(après.back().Y1, m.Unité * std::stod(c.y));
        EXPECT_EQ(après.back().Épaisseur, 4);
        ASSERT_EQ(k.EtiPoint.size(), std::size_t{m.NbPoints} + 1);
        EXPECT_EQ(k.EtiPoint.back().Caption, c.nom);
        EXPECT_TRUE(k.EtiPoint.back().Visible);

        EXPECT_EQ(m.Tracés[m.NbTracés], std::string("Point ") + c.nom);
        EXPECT_TRUE(k.BtonAnnule.Enabled && k.BtonEfface.Enabled && k.BtonModifPoint.Enabled &&
                    k.ItemModifierPoint.Enabled && k.ItemEnregistrer.Enabled);
        EXPECT_EQ(k.BtonPolygone.Enabled && k.ItemPolygone.Enabled, c.polygone);
        EXPECT_EQ(k.ItemPlacerPt.Tag, "");
    }
    EXPECT_EQ(k.EtiStatut.Caption, "Figure libre");
    EXPECT_TRUE(plateforme.Journal.Messages.empty());
}

TEST_F(KorvaneConstructionTest, LaPropositionSauteLesNomsPris)
{
    Placer("A", "0", "0");
    Placer("C", "1", "0");
    // Deux points : « C » est pris, « A » aussi, reste « B ».
    std::string proposé;
    plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
        proposé = d.NomPoint.Caption;
        d.BtonAnnuler_Click();
    });
    k.Cliquer(k.ItemPlacerPt);
    EXPECT_EQ(proposé, "B");
}

TEST_F(KorvaneConstructionTest, UnNomPrisOuUnDialogueAnnuleNAjouteRien)
{
    Placer("A", "0", "0");
    const std::size_t marques = k.Ecran.Marques().size();

    Placer("A", "2", "2");
    AttendreMessage(plateforme.Journal, "Saisie du nom des points", "Ce point existe déjà");

    plateforme.QuandSOuvre<Coordonnées>([](Coordonnées& d) { d.BtonAnnuler_Click(); });
    k.Cliquer(k.ItemPlacerPt);
    EXPECT_EQ(k.ItemPlacerPt.Tag, " 1");

    // Fermé par son cadre, le dialogue vaut une annulation.
    k.Cliquer(k.ItemPlacerPt);
    EXPECT_EQ(k.ItemPlacerPt.Tag, " 1");

    EXPECT_EQ(m.NbPoints, 1);
    EXPECT_EQ(Historique(), std::vector<std::string>{"Point A"});
    EXPECT_EQ(k.Ecran.Marques().size(), marques);
    EXPECT_EQ(k.EtiPoint.size(), 2u);
    EXPECT_TRUE(k.BtonAnnule.Enabled && k.BtonModifPoint.Enabled);
}

TEST_F(KorvaneConstructionTest, LaLimiteDesPointsArreteAvantLeDialogue)
{
    struct Cas {
        const char* nom;
        std::uint8_t nbPoints;
        std::uint8_t max;
        const char* texte;
    };
    const std::vector<Cas> cas = {
        {"figure demandée", 3, 3, "La figure demandée ne nécessite pas d'autres points."},
        {"limite absolue", 250, 250,
         "La limite supérieure est atteinte, on ne peut plus construire de point."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        plateforme.Journal.Messages.clear();
        plateforme.FenêtresOuvertes.clear();
        m.NbPoints = c.nbPoints;
        m.NbPointsMax = c.max;
        m.ModeChoixPoint = 1;
        k.Cliquer(k.BtonPointCoor);
        AttendreMessage(plateforme.Journal, "Analyse Figure", c.texte);
        EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());
        EXPECT_EQ(m.NbPoints, c.nbPoints);
        EXPECT_EQ(m.ModeChoixPoint, 0);
    }
}

TEST_F(KorvaneConstructionTest, LeOnziemePointAgranditLesTableauxEtReleveLaLimite)
{
    const std::string noms = "ABCDEFGHIJK";
    for (std::size_t i = 0; i < noms.size(); ++i)
        Placer(noms.substr(i, 1), std::to_string(i), "1");
    EXPECT_EQ(m.NbPoints, 11);
    EXPECT_EQ(m.CapPoints, 20u);
    EXPECT_EQ(m.NbPointsMax, 20);
    EXPECT_EQ(m.Points[1].Nom, "A");
    EXPECT_EQ(m.Tracés[11], "Point K");
    EXPECT_TRUE(plateforme.Journal.Messages.empty());
}

TEST_F(KorvaneConstructionTest, LePolygoneSeTraceParDessusEtOuvreLesMesures)
{
    Placer("A", "0", "0");
    Placer("B", "4", "0");
    Placer("C", "0", "3");
    const std::vector<Marque> avant = k.Ecran.Marques();
    plateforme.QuandSOuvre<FormSaisie>([](FormSaisie& f) {
        EXPECT_EQ(f.LabCons.Caption, "Donner le nom des sommets du polygone :");
        // Les minuscules et les chiffres ne passent pas le filtre.
        Taper(f.TextPolySeg, "Ab1BC", [&f](char32_t t) { return f.TextPolySeg_KeyPress(t); });
        EXPECT_EQ(f.TextPolySeg.Caption, "ABC");
        f.BtonOk_Click();
    });
    k.Cliquer(k.ItemPolygone);

    EXPECT_EQ(Historique(), (std::vector<std::string>{"Point A", "Point B", "Point C", "Polygone ABC"}));
    EXPECT_TRUE(m.PolygoneTracé);
    ASSERT_EQ(m.NbSommets, 3);
    EXPECT_EQ(m.Sommets[2].Nom, "B");
    EXPECT_EQ(m.Sommets[2].X, "4");
    // Trois côtés ajoutés aux marques, sans rien effacer ; le dernier revient au premier sommet.
    const std::vector<Marque>& après = k.Ecran.Marques();
    ASSERT_EQ(après.size(), avant.size() + 3);
    EXPECT_DOUBLE_EQ(après.back().Y1, 3.0 * m.Unité);
    EXPECT_DOUBLE_EQ(après.back().Y2, 0);

    EXPECT_TRUE(k.BtonVelmor.Visible && k.BtonVelmor.Enabled);
    EXPECT_EQ(k.BtonVelmor.Top, k.EtiStatut.Top);
    EXPECT_GT(k.BtonVelmor.Left, k.EtiStatut.Left + k.EtiStatut.Width);
    EXPECT_TRUE(k.BtonLong.Enabled && k.ItemLong.Enabled && k.BtonAngle.Enabled && k.ItemAngle.Enabled);
    EXPECT_FALSE(k.BtonPolygone.Enabled || k.ItemPolygone.Enabled || k.BtonPointCoor.Enabled ||
                 k.ItemPlacerPt.Enabled);
}

TEST_F(KorvaneConstructionTest, DesSommetsTropCourtsOuInconnusNeConstruisentRien)
{
    Placer("A", "0", "0");
    Placer("B", "4", "0");
    Placer("C", "0", "3");
    struct Cas {
        const char* nom;
        const char* tapé;
        std::vector<MessageMontré> messages;
    };
    const std::vector<Cas> cas = {
        {"deux lettres", "AB", {{"Polygone", "Il faut donner au moins 3 points !"}}},
        {"un point inconnu", "ABD", {{"Analyse de la figure", "Le point D n'existe pas"}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        plateforme.Journal.Messages.clear();
        const std::size_t marques = k.Ecran.Marques().size();
        plateforme.QuandSOuvre<FormSaisie>([&c](FormSaisie& f) {
            f.TextPolySeg.Caption = c.tapé;
            f.BtonOk_Click();
            // Refusé par le dialogue lui-même, il reste ouvert : l'élève renonce.
            if (!f.EstFermée())
                f.BtonAnnuler_Click();
        });
        k.Cliquer(k.BtonPolygone);
        ASSERT_EQ(plateforme.Journal.Messages.size(), c.messages.size());
        EXPECT_EQ(plateforme.Journal.Messages[0].Texte, c.messages[0].Texte);
        EXPECT_EQ(plateforme.Journal.Messages[0].Titre, c.messages[0].Titre);
        EXPECT_EQ(m.NbTracés, 3);
        EXPECT_FALSE(m.PolygoneTracé);
        EXPECT_EQ(k.Ecran.Marques().size(), marques);
        EXPECT_TRUE(k.BtonPolygone.Enabled && k.BtonPointCoor.Enabled);
    }
}

TEST_F(KorvaneConstructionTest, RenommerUnSommetPuisToutAnnulerEntreeParEntree)
{
    Triangle();
    k.Cliquer(k.BtonModifPoint);
    bool prérempli = false;
    plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
        prérempli = d.NomPoint.Caption == "B" && d.SaisieX.Caption == "4" && d.SaisieY.Caption == "0";
        Remplir(d, "Z", d.SaisieX.Caption, d.SaisieY.Caption);
    });
    Presser(4, 0);
    EXPECT_TRUE(prérempli);
    EXPECT_EQ(Historique(), (std::vector<std::string>{"Point A", "Point Z", "Point C", "Polygone AZC"}));
    EXPECT_EQ(m.Points[2].Nom, "Z");
    EXPECT_EQ(m.Sommets[2].Nom, "Z");
    EXPECT_EQ(k.EtiPoint[2].Caption, "Z");
    EXPECT_EQ(Marques(GenreMarque::Ligne), 3u); // redessiné en entier, polygone compris
    EXPECT_EQ(Marques(GenreMarque::Point), 3u);
    EXPECT_FALSE(m.ModeModifPoint);
    EXPECT_EQ(m.ModeChoixPoint, 0);

    struct Étape {
        const char* après;
        std::vector<std::string> historique;
        bool polygone; // commandes du polygone
        bool annuler;
        std::size_t points;
        std::size_t côtés;
    };
    const std::vector<Étape> étapes = {
        {"le polygone", {"Point A", "Point Z", "Point C"}, true, true, 3, 0},
        {"C", {"Point A", "Point Z"}, false, true, 2, 0},
        {"Z", {"Point A"}, false, true, 1, 0},
        {"A", {}, false, false, 0, 0},
    };
    for (const Étape& é : étapes) {
        SCOPED_TRACE(é.après);
        k.Cliquer(k.BtonAnnule);
        EXPECT_EQ(Historique(), é.historique);
        EXPECT_EQ(k.BtonPolygone.Enabled, é.polygone);
        EXPECT_EQ(k.BtonAnnule.Enabled && k.BtonEfface.Enabled && k.BtonModifPoint.Enabled, é.annuler);
        EXPECT_FALSE(k.BtonLong.Enabled || k.BtonAngle.Enabled || k.BtonVelmor.Enabled);
        EXPECT_TRUE(k.BtonPointCoor.Enabled);
        EXPECT_EQ(Marques(GenreMarque::Point), é.points);
        EXPECT_EQ(Marques(GenreMarque::Ligne), é.côtés);
        EXPECT_EQ(k.EtiPoint.size(), é.points + 1);
    }
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_FALSE(k.ItemEnregistrer.Enabled);
    EXPECT_EQ(m.PositionSuivante, 1);
}

TEST_F(KorvaneConstructionTest, LeSurvolMontreCePointDansLaTolerance)
{
    Placer("A", "2", "1");
    const double u = m.Unité;
    const double t = k.Tolérance;
    // Sans l'outil armé, le survol ne montre rien.
    Survoler(2, 1);
    EXPECT_FALSE(k.EtiX.Visible);
    EXPECT_EQ(k.PointeurSouris, 0);

    k.Cliquer(k.ItemModifierPoint);
    EXPECT_TRUE(m.ModeModifPoint);
    EXPECT_EQ(m.ModeChoixPoint, 1);
    struct Cas {
        const char* nom;
        double dx; // en unités du canevas, depuis le point
        double dy;
        bool dessus;
    };
    const std::vector<Cas> cas = {
        {"sur le point", 0, 0, true},
        {"juste dans le carré", t - 1, -(t - 1), true},
        {"au bord, exclu", t, 0, false},
        {"loin", 3 * t, 0, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        k.Ecran.MouseMove(0, 2 * u + c.dx, u + c.dy);
        EXPECT_EQ(k.EtiX.Visible, c.dessus);
        EXPECT_EQ(k.EtiX.Caption, c.dessus ? "Ce point" : "");
        EXPECT_EQ(k.PointeurSouris, c.dessus ? 99 : 0);
        EXPECT_EQ(k.Ecran.Cadre.MousePointer, c.dessus ? Pointeur::Personnalisé : Pointeur::Normal);
        EXPECT_EQ(k.PointsProches[1], c.dessus ? 1 : 0);
        if (c.dessus) {
            EXPECT_NEAR(k.Ecran.DepuisTwipsX(k.EtiX.Left), 2 * u + 3 * t, 1);
            EXPECT_NEAR(k.Ecran.DepuisTwipsY(k.EtiX.Top), u, 1);
        }
    }
}

TEST_F(KorvaneConstructionTest, EchapSuspendLOutilJusquAuProchainArmement)
{
    Placer("A", "2", "1");
    k.Cliquer(k.BtonModifPoint);
    EXPECT_TRUE(k.Ecran.DemandeFocus); // Échap doit pouvoir y arriver
    char32_t échap = 27;
    k.Ecran.KeyPress(échap);
    EXPECT_TRUE(m.ModeModifPoint);
    EXPECT_EQ(m.ModeChoixPoint, 0);

    Presser(2, 1);
    EXPECT_FALSE(k.EtiX.Visible);
    EXPECT_TRUE(plateforme.FenêtresOuvertes.size() == 1); // le seul dialogue du placement

    // Réarmé, l'outil reprend ; un dialogue annulé le remet au repos.
    k.Cliquer(k.BtonModifPoint);
    plateforme.QuandSOuvre<Coordonnées>([](Coordonnées& d) { d.BtonAnnuler_Click(); });
    Presser(2, 1);
    EXPECT_EQ(plateforme.FenêtresOuvertes.back(), GenreFenêtre<Coordonnées>());
    EXPECT_FALSE(m.ModeModifPoint);
    EXPECT_EQ(m.ModeChoixPoint, 0);
    EXPECT_EQ(k.PointeurSouris, 0);
    EXPECT_EQ(m.Points[1].X, "2");
}

TEST_F(KorvaneConstructionTest, DesPointsConfondusFontChoisirLeurPoint)
{
    Placer("A", "1", "1");
    Placer("B", "1.05", "1");
    Placer("C", "5", "5");
    k.Cliquer(k.BtonModifPoint);

    plateforme.QuandSOuvre<FormChoixPoint>([](FormChoixPoint& f) {
        EXPECT_EQ(f.OptionPoint[1].Caption, "Point A");
        EXPECT_EQ(f.OptionPoint[2].Caption, "Point B");
        EXPECT_TRUE(f.OptionPoint[1].Visible && f.OptionPoint[2].Visible);
        EXPECT_FALSE(f.OptionPoint[3].Visible || f.OptionPoint[4].Visible);
        f.OptionPoint_Click(2);
        f.BtonOk_Click();
    });
    std::string choisi;
    plateforme.QuandSOuvre<Coordonnées>([&](Coordonnées& d) {
        choisi = d.NomPoint.Caption;
        Remplir(d, "B", "3", "-2");
    });
    Presser(1.02, 1);
    EXPECT_EQ(choisi, "B");
    EXPECT_EQ(m.Points[2].X, "3");
    EXPECT_EQ(m.Points[2].Y, "-2");
    EXPECT_EQ(m.Points[1].X, "1");

    // Renoncer au choix ne modifie rien et laisse l'outil armé.
    Placer("D", "5.04", "5");
    k.Cliquer(k.BtonModifPoint);
    plateforme.QuandSOuvre<FormChoixPoint>([](FormChoixPoint& f) { f.BtonAnnuler_Click(); });
    const std::size_t ouvertes = plateforme.FenêtresOuvertes.size();
    Presser(5.02, 5);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), ouvertes + 1);
    EXPECT_TRUE(m.ModeModifPoint);
    EXPECT_EQ(m.ModeChoixPoint, 1);
}

TEST_F(KorvaneConstructionTest, UneModificationRefuseeInchangeeOuDePositionSeule)
{
    Placer("A", "0", "0");
    Placer("B", "4", "0");
    Placer("C", "0", "3");
    struct Cas {
        const char* nom;
        const char* nouveauNom;
        std::size_t position; // case cliquée, 0 : aucune
        bool armé;            // l'outil après la modification
        bool redessiné;
        std::uint8_t positionAttendue;
    };
    const std::vector<Cas> cas = {
        {"nom pris", "A", 0, true, false, 3},
        {"rien de changé", "C", 0, false, false, 3},
        {"position seule", "C", 4, false, true, 4},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        plateforme.Journal.Messages.clear();
        m.ModeModifPoint = false;
        k.ItemEnregistrer.Enabled = false;
        k.Cliquer(k.ItemModifierPoint);
        plateforme.QuandSOuvre<Coordonnées>([&c](Coordonnées& d) {
            if (c.position != 0)
                d.Position_Click(c.position);
            Remplir(d, c.nouveauNom, d.SaisieX.Caption, d.SaisieY.Caption);
        });
        k.Ecran.PSet(0, 0, Couleur{1, 2, 3}); // une marque témoin, effacée seulement par un redessin
        Presser(0, 3);
        if (c.armé)
            AttendreMessage(plateforme.Journal, "Saisie du nom des points", "Le point A existe déjà");
        else
            EXPECT_TRUE(plateforme.Journal.Messages.empty());
        EXPECT_EQ(m.ModeModifPoint, c.armé);
        EXPECT_EQ(m.ModeChoixPoint, c.armé ? 1 : 0);
        EXPECT_EQ(k.ItemEnregistrer.Enabled, c.redessiné);
        EXPECT_EQ(k.Ecran.Marques().back().Teinte == (Couleur{1, 2, 3}), !c.redessiné);
        EXPECT_EQ(m.Points[3].Nom, "C");
        EXPECT_EQ(m.Points[3].Position, c.positionAttendue);
    }
}

TEST_F(KorvaneConstructionTest, ToutEffacerLaisseSeulementPlacerUnPoint)
{
    Triangle();
    k.Cliquer(k.BtonEfface);
    EXPECT_EQ(m.NbPoints, 0);
    EXPECT_EQ(m.NbTracés, 0);
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_EQ(k.EtiPoint.size(), 1u);
    EXPECT_EQ(Marques(GenreMarque::Point) + Marques(GenreMarque::Ligne), 0u);
    EXPECT_FALSE(k.Ecran.Marques().empty()); // le repère reste
    for (const Contrôle* c : {&k.BtonVelmor, &k.BtonPolygone, &k.ItemPolygone, &k.BtonModifPoint,
                              &k.ItemModifierPoint, &k.BtonLong, &k.ItemLong, &k.BtonAngle, &k.ItemAngle,
                              &k.BtonEfface, &k.BtonAnnule, &k.ItemEnregistrer}) {
        SCOPED_TRACE(c->ToolTipText + c->Caption);
        EXPECT_FALSE(c->Enabled);
    }
    EXPECT_TRUE(k.BtonPointCoor.Enabled && k.ItemPlacerPt.Enabled);
    // Plus rien à annuler : le bouton est grisé et son gestionnaire ne défait rien.
    k.BtonAnnule_Click();
    EXPECT_EQ(m.NbTracés, 0);
    Placer("A", "1", "1");
    EXPECT_EQ(m.Points[1].Nom, "A");
}

TEST_F(KorvaneConstructionTest, LesMenusEtLesBoutonsOuvrentLesFenetresDesMesures)
{
    Triangle();
    struct Cas {
        const char* nom;
        const Contrôle& commande;
        std::string fenêtre;
    };
    const std::vector<Cas> cas = {
        {"BtonLong", k.BtonLong, GenreFenêtre<FormLong>()},
        {"ItemLong", k.ItemLong, GenreFenêtre<FormLong>()},
        {"BtonAngle", k.BtonAngle, GenreFenêtre<FormAngle>()},
        {"ItemAngle", k.ItemAngle, GenreFenêtre<FormAngle>()},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        m.ModeChoixPoint = 1;
        k.Cliquer(c.commande);
        EXPECT_EQ(plateforme.FenêtresOuvertes.back(), c.fenêtre);
        EXPECT_EQ(m.ModeChoixPoint, 0);
    }
    EXPECT_EQ(m.TabLongueurs[0], "AB = 4");
    EXPECT_EQ(m.TabLongueurs[1], "BC = 5");
    EXPECT_EQ(m.TabAngles[0], "A = 90°");
}
