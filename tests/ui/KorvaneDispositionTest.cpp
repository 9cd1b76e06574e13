// La disposition de la fenêtre principale selon sa taille.
#include "support/KorvaneOuverte.h"

namespace {

struct Rectangle {
    int Left, Top, Width, Height;
    bool operator==(const Rectangle&) const = default;
};

Rectangle R(const Contrôle& c)
{
    return {c.Left, c.Top, c.Width, c.Height};
}

void PrintTo(const Rectangle& r, std::ostream* os)
{
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << ")";
}

using KorvaneDisposition = KorvaneOuverte;

} // namespace

TEST_F(KorvaneDisposition, UneFenetreDe1024Sur768DonneLesPositionsDuDessin)
{
    EXPECT_FLOAT_EQ(m.FacteurH, 1);
    EXPECT_FLOAT_EQ(m.FacteurV, 1);
    struct Cas {
        const char* nom;
        const Contrôle& c;
        Rectangle attendu;
    };
    const std::vector<Cas> cas = {
        {"Ecran", k.Ecran.Cadre, {800, 350, 10360, 9570}},
        {"EtiEtape", k.EtiEtape, {11360, 350, 3600, 3300}},
        {"EtiComEtape", k.EtiComEtape, {11560, 850, 3200, 2800}},
        {"PictureExo", k.PictureExo, {11360, 350, 3600, 3300}},
        {"LabAfficheScore", k.LabAfficheScore, {11360, 3950, 3600, 957}},
        {"Shape3", k.Shape3, {11560, 3950, 957, 957}},
        {"ImaBton", k.ImaBton, {11560, 3950, 957, 957}},
        {"LabTypeFig(0)", k.LabTypeFig[0], {11510, 5107, 3300, 300}},
        {"LabTypeFig(1)", k.LabTypeFig[1], {11510, 5527, 3300, 300}},
        {"ShapeTypeFig1(0)", k.ShapeTypeFig1[0], {11360, 5107, 150, 300}},
        {"ShapeTypeFig2(0)", k.ShapeTypeFig2[0], {14810, 5107, 150, 300}},
        {"BtonPointCoor", k.BtonPointCoor, {100, 350, 600, 450}},
        {"BtonModifPoint", k.BtonModifPoint, {100, 850, 600, 450}},
        {"BtonPolygone", k.BtonPolygone, {100, 1350, 600, 450}},
        {"BtonLong", k.BtonLong, {100, 2000, 600, 450}},
        {"BtonAngle", k.BtonAngle, {100, 2500, 600, 450}},
        {"BtonAnnule", k.BtonAnnule, {100, 3150, 600, 450}},
        {"BtonEfface", k.BtonEfface, {100, 3650, 600, 450}},
        {"FrameCouleur", k.FrameCouleur, {100, 4300, 600, 2220}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(R(c.c), c.attendu);
    }
    EXPECT_EQ(k.EtiStatut.Top, 350 + 9570 + 150);
    EXPECT_EQ(k.EtiStatut.Left, 800);
    EXPECT_EQ(k.BtonFermer.Left, k.EtiStatut.Left + k.EtiStatut.Width + 200);
    EXPECT_EQ(k.BtonVelmor.Left, k.BtonFermer.Left + k.BtonFermer.Width + 200);
    // Le groupe de l'échelle est centré sous le canevas, ses contrôles à 10 twips l'un de l'autre.
    const int gauche = k.LabelEch.Left;
    const int droite = k.EtiEchelle.Left + k.EtiEchelle.Width;
    EXPECT_NEAR((gauche + droite) / 2.0, 800 + 10360 / 2.0, 1);
    EXPECT_EQ(k.BtonEchPlus.Left, k.LabelEch.Left + k.LabelEch.Width + 10);
    EXPECT_EQ(k.BtonEchMoins.Left, k.BtonEchPlus.Left + k.BtonEchPlus.Width + 10);
    // Le score partage la hauteur libre en trois intervalles égaux.
    const int libre = k.LabAfficheScore.Height - k.EtiScore.Height - k.EtiBonus.Height;
    EXPECT_NEAR(k.EtiScore.Top - k.LabAfficheScore.Top, libre / 3.0, 1);
    EXPECT_NEAR(k.EtiBonus.Top - (k.EtiScore.Top + k.EtiScore.Height), libre / 3.0, 1);
    EXPECT_DOUBLE_EQ(k.LabTypeFig[3].FontSize, 10);

    // Pendant une cible, Abandon prend la place de Fermer.
    m.CibleEnCours = true;
    k.Form_Resize();
    EXPECT_EQ(k.BtonAbandon.Left, k.EtiStatut.Left + k.EtiStatut.Width + 200);
    EXPECT_EQ(k.BtonVelmor.Left, k.BtonAbandon.Left + k.BtonAbandon.Width + 200);
}

TEST_F(KorvaneDisposition, UneFenetreMinusculeNeDeplaceQueLeCanevas)
{
    Redimensionner(800, 600);
    const Rectangle étape = R(k.EtiEtape);
    const Rectangle outil = R(k.BtonEfface);
    const Rectangle écran = R(k.Ecran.Cadre);
    k.Ecran.Cadre.Left = 0;
    k.Ecran.Cadre.Top = 0;
    // Moins de 5000 twips de large ou de 2000 de haut.
    for (auto [largeur, hauteur] : {std::pair{4999, 8000}, {8000, 1999}}) {
        SCOPED_TRACE(largeur);
        k.Form.Width = largeur;
        k.Form.Height = hauteur;
        k.Form_Resize();
        EXPECT_EQ(R(k.EtiEtape), étape);
        EXPECT_EQ(R(k.BtonEfface), outil);
        EXPECT_EQ(R(k.Ecran.Cadre), écran);
    }
}

TEST_F(KorvaneDisposition, SurUnEcranLargeLePanneauGardeUneLargeurProportionnelle)
{
    Redimensionner(2048, 768);
    EXPECT_FLOAT_EQ(m.FacteurH, 2);
    EXPECT_EQ(k.EtiEtape.Width, 2 * 3600);
    EXPECT_EQ(k.Ecran.Cadre.Width, 2048 * 15 - 800 - 8400);
    EXPECT_DOUBLE_EQ(k.EtiStatut.FontSize, 20);
}
