#include "ui/Coordonnees.h"

#include "calc/MessagesCalcul.h"
#include "support/Frappe.h"
#include "support/PlateformeScriptee.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

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

TEST(Coordonnees, ChaqueSaisieEstAccepteeRefuseeOuMontreLaFauteDeSonCalcul)
{
    const std::map<std::string, std::string> messages = {{"abscisse", MessageAbscisse},
                                                         {"ordonnée", MessageOrdonnée},
                                                         {"nom", "Il faut donner un nom à un point."},
                                                         {"nombres", MessageNombres}};
    for (const CasTable& c : LireTableCas("coordonnees.tsv")) {
        SCOPED_TRACE(c.Où);
        DialogueCoordonnées d;
        d.m.NomSaisi = c[0];
        Coordonnées& f = d.Ouvrir();
        d.Valider(c[1], c[2]);
        const std::vector<MessageTitré>& montrés = d.plateforme.Journal.Messages;
        const auto& système = d.plateforme.MessagesSystème;
        EXPECT_EQ(f.EstFermée(), c[3] == "accepté");
        EXPECT_EQ(f.Validé(), c[3] == "accepté");
        if (c[3] == "accepté") {
            EXPECT_TRUE(montrés.empty() && système.empty());
            EXPECT_EQ(f.SaisieX.Caption, c[4]);
            EXPECT_EQ(d.m.XSaisi, c[4]);
            EXPECT_EQ(d.m.YSaisi, c[2]);
            EXPECT_EQ(d.m.NomSaisi, c[0]);
            continue;
        }
        EXPECT_EQ(d.m.XSaisi, "");
        if (c[3] == "refusé") {
            std::istringstream attendus(c[4]);
            std::size_t i = 0;
            for (std::string clé; attendus >> clé; ++i) {
                ASSERT_LT(i, montrés.size());
                EXPECT_EQ(montrés[i].Titre, "Saisie des coordonnées");
                EXPECT_EQ(montrés[i].Texte, messages.at(clé));
            }
            EXPECT_EQ(montrés.size(), i);
            EXPECT_TRUE(système.empty());
        } else {
            const auto code = static_cast<CodeFaute>(std::stoi(c[4]));
            ASSERT_EQ(système.size(), 1u);
            EXPECT_EQ(système[0].Titre, "Analyse du calcul");
            EXPECT_EQ(système[0].Texte, MessageFaute(code));
            EXPECT_EQ(système[0].Icône,
                      c[5] == "critique" ? IcôneMessage::Critique : IcôneMessage::Information);
            EXPECT_TRUE(montrés.empty());
            EXPECT_TRUE(f.SaisieX.DemandeFocus);
            EXPECT_EQ(f.SaisieX.SelStart, std::stoul(c[6]));
            EXPECT_EQ(f.SaisieX.SelLength, std::stoul(c[7]));
        }
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
