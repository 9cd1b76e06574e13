#include "ui/FormSaisie.h"

#include "support/Frappe.h"
#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>

namespace {

struct FenêtreSaisie {
    Modulebas m;
    MessagerieEnregistrée messagerie;
    const Contrôle principale = Dessiné("", 1000, 500, 12000, 9000);
    FormSaisie form{m, messagerie, principale};

    explicit FenêtreSaisie(std::string sommets = "")
    {
        m.ChaîneSommets = std::move(sommets);
        m.TexteConsigne = "Donner les noms des sommets";
        form.Form_Load();
    }

    void Taper(std::string_view texte)
    {
        ::Taper(form.TextPolySeg, texte, [this](char32_t k) { return form.TextPolySeg_KeyPress(k); });
    }
};

} // namespace

TEST(FormSaisie, ChargementMontreLaConsigneAuCentre)
{
    FenêtreSaisie f;
    EXPECT_EQ(f.form.LabCons.Caption, "Donner les noms des sommets");
    EXPECT_EQ(f.form.Form.Left, 1000 + (12000 - f.form.Form.Width) / 2);
    EXPECT_EQ(f.form.Form.Top, 500 + (9000 - f.form.Form.Height) / 2);
}

TEST(FormSaisie, SeulesLesMajusculesEtLeRetourArrierePassent)
{
    const std::pair<const char*, const char*> cas[] = {
        {"aB1c2D", "BD"},
        {"A B,C;", "ABC"},
        {"ABX\bC", "ABC"},
        {"@AZ[", "AZ"},
    };
    for (auto [frappe, texte] : cas) {
        SCOPED_TRACE(frappe);
        FenêtreSaisie f;
        f.Taper(frappe);
        EXPECT_EQ(f.form.TextPolySeg.Caption, texte);
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
        {"ABCDB", "Analyse de la figure", "Les sommets du polygone doivent être tous distincts"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        FenêtreSaisie f("XYZ");
        f.form.TextPolySeg.Caption = c.texte;
        f.form.BtonOk_Click();
        AttendreMessage(f.messagerie, c.titre, c.message);
        EXPECT_FALSE(f.form.EstFermée());
        EXPECT_EQ(f.m.ChaîneSommets, "XYZ");
    }
}

TEST(FormSaisie, ValiderRendLesNomsAnnulerEtLeCadreLesVident)
{
    // Fermer sans valider ne doit pas laisser passer les noms d'une saisie précédente.
    const struct {
        const char* nom;
        std::function<void(FormSaisie&)> fermer;
        const char* attendu;
    } cas[] = {
        {"Ok", [](FormSaisie& f) { f.BtonOk_Click(); }, "DEFG"},
        {"Annuler", [](FormSaisie& f) { f.BtonAnnuler_Click(); }, ""},
        {"cadre", [](FormSaisie& f) { f.Form_QueryUnload(); }, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FenêtreSaisie f("ABC");
        f.Taper("DEFG");
        c.fermer(f.form);
        EXPECT_TRUE(f.messagerie.Messages.empty());
        EXPECT_TRUE(f.form.EstFermée());
        EXPECT_EQ(f.m.ChaîneSommets, c.attendu);
    }
}
