#include "ui/Coordonnees.h"

#include "calc/MessagesCalcul.h"
#include "support/Frappe.h"
#include "support/PlateformeScriptee.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* MessageAbscisse = "La saisie de l'abscisse n'est pas correcte !";
constexpr const char* MessageOrdonnée = "La saisie de l'ordonnée n'est pas correcte !";
constexpr const char* MessageNombres =
    "Les coordonnées du point doivent être saisies sous forme de nombres décimaux.";

struct DialogueCoordonnées {
    Modulebas m = [] {
        Modulebas m;
        m.Unité = 300;
        m.XMax = 3000;
        m.YMax = 2250;
        m.NomSaisi = "A";
        return m;
    }();
    PlateformeScriptée plateforme;
    const Contrôle principale = Dessiné("", 600, 300, 12000, 9000);
    std::optional<Coordonnées> form;

    Coordonnées& Ouvrir()
    {
        form.emplace(m, plateforme, principale);
        form->Form_Load();
        return *form;
    }

    void TaperNom(std::string_view texte)
    {
        ::Taper(
            form->NomPoint, texte, [this](char32_t k) { return form->NomPoint_KeyPress(k); },
            [this] { form->NomPoint_Change(); });
    }

    // Tape les deux coordonnées et appuie sur OK.
    void Valider(std::string_view x, std::string_view y)
    {
        ::Taper(form->SaisieX, x, [](char32_t) { return true; });
        ::Taper(form->SaisieY, y, [](char32_t) { return true; });
        form->BtonValider_Click();
    }
};

} // namespace

TEST(Coordonnees, ChargementLimitesEtConsigne)
{
    const struct {
        const char* nom;
        std::int32_t unité, xMax, yMax;
        std::uint8_t précision;
        const char* limiteX;
        const char* limiteY;
        const char* décimales;
    } cas[] = {
        {"au démarrage", 300, 3000, 2250, 1, "-10 < x < 10", "-7.5 < y < 7.5", "1 décimale"},
        {"coupé à une décimale", 300, 3100, 2999, 2, "-10.3 < x < 10.3", "-9.9 < y < 9.9", "2 décimales"},
        {"zoom avant", 600, 3000, 1500, 11, "-5 < x < 5", "-2.5 < y < 2.5", "11 décimales"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DialogueCoordonnées d;
        d.m.Unité = c.unité;
        d.m.XMax = c.xMax;
        d.m.YMax = c.yMax;
        d.m.Précision = c.précision;
        Coordonnées& f = d.Ouvrir();
        EXPECT_EQ(f.EtiLimiteX.Caption, c.limiteX);
        EXPECT_EQ(f.EtiLimiteY.Caption, c.limiteY);
        EXPECT_EQ(f.LabCons.Caption, std::string("Donner les coordonnées du point avec au plus ") +
                                         c.décimales + " (ou changer la précision) :");
        EXPECT_EQ(f.NomPoint.Caption, "A");
        EXPECT_EQ(f.Form.Caption, "Lumarc : coordonnées d'un point");
    }
}

TEST(Coordonnees, CaseDePositionMarqueeALOuverture)
{
    const struct {
        const char* nom;
        bool modification;
        std::uint8_t saisie, suivante;
        std::size_t marquée;
    } cas[] = {
        {"nouveau point : la suivante", false, 1, 2, 2},
        {"au-delà de 4", false, 0, 7, 4},
        {"modification : la position du point", true, 3, 1, 3},
        {"modification d'un point sans position", true, 0, 3, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DialogueCoordonnées d;
        d.m.ModeModifPoint = c.modification;
        d.m.PositionSaisie = c.saisie;
        d.m.PositionSuivante = c.suivante;
        Coordonnées& f = d.Ouvrir();
        for (std::size_t i = 1; i <= 4; ++i)
            EXPECT_EQ(f.Position[i].Checked, i == c.marquée) << i;
        EXPECT_NE(f.Position[c.marquée].BackColor, f.Position[c.marquée % 4 + 1].BackColor);
        EXPECT_EQ(d.m.PositionSaisie, c.marquée);
        EXPECT_EQ(d.m.PositionSuivante, c.marquée + 1);
    }
}

TEST(Coordonnees, AnnulerOuFermerRestaureLesValeursDOuverture)
{
    for (bool parLeCadre : {false, true}) {
        SCOPED_TRACE(parLeCadre ? "cadre" : "Annuler");
        DialogueCoordonnées d;
        d.m.PositionSaisie = 1;
        d.m.PositionSuivante = 2;
        Coordonnées& f = d.Ouvrir();
        f.Position_Click(3);
        EXPECT_TRUE(f.Position[3].Checked);
        EXPECT_FALSE(f.Position[2].Checked);
        d.TaperNom("Z");
        d.Valider("2*-3", "1");
        ASSERT_FALSE(f.EstFermée());
        parLeCadre ? f.Form_QueryUnload() : f.BtonAnnuler_Click();
        EXPECT_TRUE(f.EstFermée());
        EXPECT_FALSE(f.Validé());
        EXPECT_EQ(d.m.NomSaisi, "A");
        EXPECT_EQ(d.m.PositionSaisie, 1);
        EXPECT_EQ(d.m.PositionSuivante, 2);
        EXPECT_EQ(d.m.XSaisi, "");
    }
}

TEST(Coordonnees, LeNomEstToujoursLaDerniereLettre)
{
    const struct {
        const char* nom;
        const char* frappe;
        const char* collé;
        const char* attendu;
    } cas[] = {
        {"une lettre remplace la proposition", "c", nullptr, "c"},
        {"chiffres, signes et accent refusés", "1-. \xC3", nullptr, "A"},
        {"retour arrière puis lettre", "\bq", nullptr, "q"},
        {"retour arrière seul", "\b", nullptr, ""},
        {"collage", "", "xa12", "a"},
        {"collage sans lettre", "", "12", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DialogueCoordonnées d;
        Coordonnées& f = d.Ouvrir();
        // Le curseur au début : la frappe le renvoie d'abord en fin de texte.
        f.NomPoint.SelStart = 0;
        d.TaperNom(c.frappe);
        if (c.collé) {
            f.NomPoint.Caption = c.collé;
            f.NomPoint_Change();
        }
        EXPECT_EQ(f.NomPoint.Caption, c.attendu);
    }
}

TEST(Coordonnees, CoordonneesAcceptees)
{
    // Les expressions de l'élève passent, y compris celles dont le premier nombre est nul.
    const std::pair<const char*, const char*> cas[] = {
        {",5", "0.5"},
        {"1,5", "1.5"},
        {"2,5+1,5", "2.5+1,5"},
        {"(1+RAC(5))/2", "(1+RAC(5))/2"},
        {"(2)", "(2)"},
        {"0.0", "0.0"},
        {"-0", "-0"},
        {"00", "00"},
        {"rac(2)", "rac(2)"},
        {"Sinus(30)", "Sinus(30)"},
        {"tangente(45)", "tangente(45)"},
    };
    for (auto [x, xSaisi] : cas) {
        SCOPED_TRACE(x);
        DialogueCoordonnées d;
        Coordonnées& f = d.Ouvrir();
        d.TaperNom("M");
        d.Valider(x, "-1");
        EXPECT_TRUE(d.plateforme.Journal.Messages.empty());
        EXPECT_TRUE(d.plateforme.MessagesSystème.empty());
        EXPECT_TRUE(f.EstFermée());
        EXPECT_TRUE(f.Validé());
        EXPECT_EQ(f.SaisieX.Caption, xSaisi);
        EXPECT_EQ(d.m.XSaisi, xSaisi);
        EXPECT_EQ(d.m.YSaisi, "-1");
        EXPECT_EQ(d.m.NomSaisi, "M");
    }
}

TEST(Coordonnees, SaisiesRefuseesAvecLeurMessage)
{
    const struct {
        const char* nom;
        const char* x;
        const char* y;
        std::vector<const char*> messages;
    } cas[] = {
        {"A", "abc", "1", {MessageAbscisse}},
        {"A", "x+1", "1", {MessageAbscisse}},
        {"A", "2a", "1", {MessageAbscisse}},
        {"A", "1E5", "1", {MessageAbscisse}},
        {"A", "RACE(4)", "1", {MessageAbscisse}},
        {"A", "2", "\xC3\xA9", {MessageOrdonnée}},
        {"A", "a", "b", {MessageAbscisse, MessageOrdonnée}},
        {"", "1", "2", {"Il faut donner un nom à un point."}},
        {"B", "", "2", {MessageNombres}},
        {"B", "1", "", {MessageNombres}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom + std::string(" ") + c.x + " ; " + c.y);
        DialogueCoordonnées d;
        d.m.NomSaisi = c.nom;
        Coordonnées& f = d.Ouvrir();
        d.Valider(c.x, c.y);
        const auto& messages = d.plateforme.Journal.Messages;
        ASSERT_EQ(messages.size(), c.messages.size());
        for (std::size_t i = 0; i < messages.size(); ++i) {
            EXPECT_EQ(messages[i].Titre, "Saisie des coordonnées");
            EXPECT_EQ(messages[i].Texte, c.messages[i]);
        }
        EXPECT_TRUE(d.plateforme.MessagesSystème.empty());
        EXPECT_FALSE(f.EstFermée());
        EXPECT_FALSE(f.Validé());
        EXPECT_EQ(d.m.XSaisi, "");
    }
}

TEST(Coordonnees, FautesDuCalculParLaBoiteDuSysteme)
{
    const struct {
        const char* x;
        CodeFaute code;
        IcôneMessage icône;
        std::size_t début;
        std::size_t longueur;
    } cas[] = {
        {"RAC(-4)", CodeFaute::RacineNégative, IcôneMessage::Critique, 4, 1},
        {"2*-3", CodeFaute::OpérationsDeSuite, IcôneMessage::Critique, 1, 2},
        // Une faute tout au début reste une faute : le dialogue ne se ferme pas.
        {"*-3", CodeFaute::OpérationsDeSuite, IcôneMessage::Critique, 0, 2},
        {"(1+2", CodeFaute::FermanteManquante, IcôneMessage::Critique, 0, 1},
        {"()+1", CodeFaute::ParenthèsesVides, IcôneMessage::Information, 1, 1},
        // Une fonction sans argument, même au fond de parenthèses, ne montre la boîte qu'une fois.
        {"((RAC()))+1", CodeFaute::ParenthèsesVides, IcôneMessage::Information, 5, 1},
        {"1/0", CodeFaute::CalculImpossible, IcôneMessage::Critique, 2, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.x);
        DialogueCoordonnées d;
        Coordonnées& f = d.Ouvrir();
        d.Valider(c.x, "1");
        ASSERT_EQ(d.plateforme.MessagesSystème.size(), 1u);
        EXPECT_EQ(d.plateforme.MessagesSystème[0].Titre, "Analyse du calcul");
        EXPECT_EQ(d.plateforme.MessagesSystème[0].Texte, MessageFaute(c.code));
        EXPECT_EQ(d.plateforme.MessagesSystème[0].Icône, c.icône);
        EXPECT_TRUE(d.plateforme.Journal.Messages.empty());
        EXPECT_FALSE(f.EstFermée());
        EXPECT_TRUE(f.SaisieX.DemandeFocus);
        EXPECT_EQ(f.SaisieX.SelStart, c.début);
        EXPECT_EQ(f.SaisieX.SelLength, c.longueur);
        EXPECT_EQ(d.m.XSaisi, "");
    }
}

TEST(Coordonnees, UneFauteParGroupeEtLOrdonneeApresLAbscisse)
{
    DialogueCoordonnées d;
    Coordonnées& f = d.Ouvrir();
    d.Valider("2", "()+()");
    ASSERT_EQ(d.plateforme.MessagesSystème.size(), 2u);
    EXPECT_EQ(d.plateforme.MessagesSystème[1].Texte, MessageFaute(CodeFaute::ParenthèsesVides));
    EXPECT_FALSE(f.SaisieX.DemandeFocus);
    EXPECT_TRUE(f.SaisieY.DemandeFocus);
    EXPECT_EQ(f.SaisieY.SelLength, 1u);
    EXPECT_FALSE(f.EstFermée());

    // Corrigée, l'ordonnée passe : le point est rendu en entier.
    f.SaisieY.Caption = "4,25";
    f.BtonValider_Click();
    EXPECT_TRUE(f.EstFermée());
    EXPECT_EQ(d.m.XSaisi, "2");
    EXPECT_EQ(d.m.YSaisi, "4.25");
    EXPECT_TRUE(f.Validé());
}
