#include "ui/FormSaisie.h"

#include "support/Frappe.h"
#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>

namespace {

struct FenêtreSaisie {
    Modulebas m;
    MessagerieEnregistrée messagerie;
    Contrôle principale = [] {
        Contrôle c;
        c.Left = 1000;
        c.Top = 500;
        c.Width = 12000;
        c.Height = 9000;
        return c;
    }();
    FormSaisie form{m, messagerie, principale};

    void Taper(std::string_view texte)
    {
        ::Taper(form.TextPolySeg, texte, [this](char32_t k) { return form.TextPolySeg_KeyPress(k); });
    }
};

} // namespace

TEST(FormSaisie, ChargementMontreLaConsigneAuCentre)
{
    FenêtreSaisie f;
    f.m.TexteConsigne = "Donner les noms des sommets";
    f.form.Form_Load();
    EXPECT_EQ(f.form.LabCons.Caption, "Donner les noms des sommets");
    EXPECT_EQ(f.form.Form.Left, 1000 + (12000 - f.form.Form.Width) / 2);
    EXPECT_EQ(f.form.Form.Top, 500 + (9000 - f.form.Form.Height) / 2);
    EXPECT_EQ(f.form.Form.BackColor, CouleurPanneau);
}

TEST(FormSaisie, SeulesLesMajusculesEtLeRetourArrierePassent)
{
    const struct {
        const char* nom;
        const char* frappe;
        const char* texte;
    } cas[] = {
        {"majuscules", "ABC", "ABC"},
        {"minuscules et chiffres refusés", "aB1c2D", "BD"},
        {"ponctuation et blancs refusés", "A B,C;", "ABC"},
        {"retour arrière", "ABX\bC", "ABC"},
        {"bornes de l'alphabet", "@AZ[", "AZ"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FenêtreSaisie f;
        f.form.Form_Load();
        f.Taper(c.frappe);
        EXPECT_EQ(f.form.TextPolySeg.Caption, c.texte);
    }
}

TEST(FormSaisie, ValiderRefuseMoinsDeTroisSommetsOuUnSommetRepete)
{
    const struct {
        const char* texte;
        const char* titre;
        const char* message;
    } cas[] = {
        {"", "Polygone", "Il faut donner au moins 3 points !"},
        {"AB", "Polygone", "Il faut donner au moins 3 points !"},
        {"ABA", "Analyse de la figure", "Les sommets du polygone doivent être tous distincts"},
        {"ABCDB", "Analyse de la figure", "Les sommets du polygone doivent être tous distincts"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        FenêtreSaisie f;
        f.m.ChaîneSommets = "XYZ";
        f.form.Form_Load();
        f.form.TextPolySeg.Caption = c.texte;
        f.form.BtonOk_Click();
        AttendreMessage(f.messagerie, c.titre, c.message);
        EXPECT_FALSE(f.form.EstFermée());
        EXPECT_EQ(f.m.ChaîneSommets, "XYZ");
    }
}

TEST(FormSaisie, ValiderRendLesNomsEtAnnulerLesVide)
{
    FenêtreSaisie valide;
    valide.form.Form_Load();
    valide.Taper("ABCD");
    valide.form.BtonOk_Click();
    EXPECT_TRUE(valide.messagerie.Messages.empty());
    EXPECT_TRUE(valide.form.EstFermée());
    EXPECT_EQ(valide.m.ChaîneSommets, "ABCD");

    FenêtreSaisie annulée;
    annulée.m.ChaîneSommets = "ABC";
    annulée.form.Form_Load();
    annulée.Taper("DEF");
    annulée.form.BtonAnnuler_Click();
    EXPECT_TRUE(annulée.form.EstFermée());
    EXPECT_EQ(annulée.m.ChaîneSommets, "");

    // Fermer par le cadre ne doit pas laisser passer les noms d'une saisie précédente.
    FenêtreSaisie fermée;
    fermée.m.ChaîneSommets = "ABC";
    fermée.form.Form_Load();
    fermée.form.Form_QueryUnload();
    EXPECT_TRUE(fermée.form.EstFermée());
    EXPECT_EQ(fermée.m.ChaîneSommets, "");
}
