// La fenêtre principale sans souris : les menus, leurs jumeaux des boutons, les touches du canevas, et ce
// que le lecteur d'écran lit du repère.
#include "support/KorvaneOuverte.h"

namespace {

constexpr int Gauche = 37, Haut = 38, Droite = 39, Bas = 40;
constexpr char32_t Entrée = 13, Échap = 27;

class KorvaneClavierTest : public KorvaneOuverte {
protected:
    // Chaque élément de menu jumeau reprend l'état de son bouton.
    void VérifierJumeaux() const
    {
        EXPECT_TRUE(k.ItemAnalyser.Visible);
        EXPECT_EQ(k.ItemAnalyser.Enabled, k.BtonVelmor.Visible && k.BtonVelmor.Enabled);
        for (auto [item, bouton] :
             {std::pair{&k.ItemAnnuler, &k.BtonAnnule}, {&k.ItemEffacer, &k.BtonEfface}})
            EXPECT_EQ(std::pair(item->Visible, item->Enabled), std::pair(bouton->Visible, bouton->Enabled))
                << item->Caption;
    }

    void TracerParLeMenu(const std::string& sommets)
    {
        plateforme.QuandSOuvre<FormSaisie>([sommets](FormSaisie& f) {
            Taper(f.TextPolySeg, sommets, [&f](char32_t t) { return f.TextPolySeg_KeyPress(t); });
            f.BtonOk_Click();
        });
        k.Cliquer(k.ItemPolygone);
    }

    void Touche(int code) { k.Ecran.KeyDown(code); }
    void Caractère(char32_t c) { k.Ecran.KeyPress(c); }
    const std::string& Lu() const { return k.Ecran.Cadre.DescriptionAccessible; }
};

} // namespace

// Trois points, le polygone et l'Analyse par le menu ; puis les flèches choisissent C, Entrée l'ouvre.
TEST_F(KorvaneClavierTest, LaFigureSeConstruitSAnalyseEtSeModifieAuClavierSeul)
{
    VérifierJumeaux();
    // Un nombre se lit avec la virgule de l'élève ; un calcul se lit tel que tapé.
    for (const PointPosé& p : {PointPosé{"A", "0", "0"}, {"B", "1,25", "0"}, {"C", "0", "2*1.5"}}) {
        plateforme.QuandSOuvre<Coordonnées>([p](Coordonnées& c) { Remplir(c, p.Nom, p.X, p.Y); });
        k.Cliquer(k.ItemPlacerPt);
    }
    const std::string points = "Points : A(0 ; 0), B(1,25 ; 0), C(0 ; 2*1.5).";
    EXPECT_EQ(Lu(), points);

    TracerParLeMenu("ABC");
    // Avant l'Analyse, le repère ne dit que ce qui est dessiné.
    EXPECT_EQ(Lu(), points + " Polygone ABC.");

    k.Cliquer(k.ItemAnalyser);
    ASSERT_EQ(plateforme.Textes.size(), 1u);
    const std::string phrase = plateforme.Textes.back().Texte;
    EXPECT_EQ(Lu(), points + " Polygone ABC. " + phrase);
    // Le zoom redessine la même figure : la phrase reste.
    k.Cliquer(k.BtonEchMoins);
    EXPECT_EQ(Lu(), points + " Polygone ABC. " + phrase);
    // Le polygone défait puis retracé : la figure a changé entre-temps, la phrase ne revient pas.
    k.Cliquer(k.ItemAnnuler);
    VérifierJumeaux();
    EXPECT_EQ(Lu(), points);
    TracerParLeMenu("ABC");
    EXPECT_EQ(Lu(), points + " Polygone ABC.");

    // Armé, l'outil va de point en point, en boucle ; Échap le suspend et Entrée n'ouvre plus rien.
    k.Cliquer(k.ItemModifierPoint);
    for (const auto& [touche, point, nom] : {std::tuple{Droite, 1, "Point A(0 ; 0)"},
                                             {Bas, 2, "Point B(1,25 ; 0)"},
                                             {Gauche, 1, "Point A(0 ; 0)"},
                                             {Haut, 3, "Point C(0 ; 2*1.5)"}}) {
        SCOPED_TRACE(nom);
        Touche(touche);
        EXPECT_EQ(k.PointsProches[1], point);
        EXPECT_EQ(k.Ecran.Cadre.NomAccessible, nom);
        EXPECT_EQ(k.EtiX.Caption, "Ce point");
    }
    Caractère(Échap);
    const std::size_t ouvertes = plateforme.FenêtresOuvertes.size();
    Caractère(Entrée);
    Touche(Droite);
    EXPECT_EQ(plateforme.FenêtresOuvertes.size(), ouvertes);
    EXPECT_EQ(k.PointsProches[1], 0);

    k.Cliquer(k.ItemModifierPoint);
    Touche(Gauche);
    std::string ordonnéeOuverte;
    plateforme.QuandSOuvre<Coordonnées>([&ordonnéeOuverte](Coordonnées& c) {
        ordonnéeOuverte = c.SaisieY.Caption;
        c.SaisieX.Caption = "-1";
        c.BtonValider_Click();
    });
    Caractère(Entrée);
    EXPECT_EQ(ordonnéeOuverte, "2*1.5");
    EXPECT_EQ(k.Ecran.Cadre.NomAccessible, NomRepère);
    // La figure a changé : la phrase ne vaut plus.
    EXPECT_EQ(Lu(), "Points : A(0 ; 0), B(1,25 ; 0), C(-1 ; 2*1.5). Polygone ABC.");

    k.Cliquer(k.ItemEffacer);
    EXPECT_EQ(Lu(), "Aucun point.");
    VérifierJumeaux();
}
