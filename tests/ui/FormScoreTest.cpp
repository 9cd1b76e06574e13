// La fenêtre du score : ses textes, le nom gardé d'une ouverture à l'autre, l'impression et ses messages.
#include "ui/FormScore.h"
#include "support/PlateformeScriptee.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

Contrôle FenêtrePrincipale()
{
    return Dessiné("", 1500, 1500, 12000, 9000);
}

// L'aspect que l'élève voit, et celui qui part sur papier.
struct Aspect {
    std::optional<Couleur> Fond;
    bool Boutons;
    bool Note;
    bool Résultat;
};

Aspect AspectDe(const FormScore& f)
{
    return {f.Form.BackColor, f.BtonImprimer.Visible && f.BtonOk.Visible, f.LabImp.Visible,
            f.LabScore.Visible && f.LabBonus.Visible && f.LabMention.Visible && f.TextNom.Visible};
}

void AttendreAspect(const Aspect& vu, const Aspect& attendu)
{
    EXPECT_EQ(vu.Fond, attendu.Fond);
    EXPECT_EQ(vu.Boutons, attendu.Boutons);
    EXPECT_EQ(vu.Note, attendu.Note);
    EXPECT_EQ(vu.Résultat, attendu.Résultat);
}

const Aspect aspectNormal{CouleurPanneau, true, true, true};
const Aspect aspectPapier{Couleur{255, 255, 255}, false, false, true};

} // namespace

TEST(FormScore, MontreLeScoreLeBonusEtLaMentionAvecLeursBlancs)
{
    struct Cas {
        const char* nom;
        std::uint8_t score, scoreMax, bonus;
        std::string mention, labScore, labBonus;
    };
    const std::vector<Cas> cas = {
        {"partie parfaite", 20, 20, 7, "Excellent !", " 20 /  20", " 7"},
        {"huit réussites", 16, 20, 3, "Bien", " 16 /  20", " 3"},
        {"première cible choisie", 0, 2, 0, "", " 0 /  2", " 0"},
        {"en cours de partie", 6, 8, 1, "Très bien", " 6 /  8", " 1"},
    };
    const Contrôle principale = FenêtrePrincipale();
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Modulebas m;
        PlateformeScriptée plateforme;
        m.Score = c.score;
        m.ScoreMax = c.scoreMax;
        m.Bonus = c.bonus;
        m.Mention = c.mention;
        FormScore fenêtre(m, plateforme, principale);
        plateforme.QuandSOuvre<FormScore>([&](FormScore& f) {
            EXPECT_EQ(f.Form.Caption, "Score du jeu Velmor");
            EXPECT_EQ(f.LabScore.Caption, c.labScore);
            EXPECT_EQ(f.LabBonus.Caption, c.labBonus);
            EXPECT_EQ(f.LabMention.Caption, c.mention);
            AttendreAspect(AspectDe(f), aspectNormal);
            f.BtonOk_Click();
        });
        plateforme.MontrerModal(fenêtre);
        EXPECT_TRUE(fenêtre.EstFermée());
        EXPECT_TRUE(plateforme.Journal.Messages.empty());
    }
}

TEST(FormScore, GardeLeNomTapePourLaProchaineOuvertureDuProgramme)
{
    struct Cas {
        const char* nom;
        std::function<void(FormScore&)> fermer;
    };
    const std::vector<Cas> cas = {
        {"Ok", [](FormScore& f) { f.BtonOk_Click(); }},
        {"cadre", [](FormScore&) {}},
    };
    const Contrôle principale = FenêtrePrincipale();
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Modulebas m;
        PlateformeScriptée plateforme;
        m.ScoreMax = 4;
        FormScore première(m, plateforme, principale);
        plateforme.QuandSOuvre<FormScore>([&](FormScore& f) {
            EXPECT_EQ(f.TextNom.Caption, "");
            f.TextNom.Caption = "Durand Zoé";
            c.fermer(f);
        });
        plateforme.MontrerModal(première);
        EXPECT_EQ(m.NomÉlève, "Durand Zoé");

        FormScore seconde(m, plateforme, principale);
        std::string nomRevu;
        plateforme.QuandSOuvre<FormScore>([&](FormScore& f) { nomRevu = f.TextNom.Caption; });
        plateforme.MontrerModal(seconde);
        EXPECT_EQ(nomRevu, "Durand Zoé");
    }
    // Un nouveau programme part d'un Modulebas neuf : le nom est oublié.
    Modulebas autreProgramme;
    PlateformeScriptée plateforme;
    FormScore fenêtre(autreProgramme, plateforme, principale);
    fenêtre.Form_Load();
    EXPECT_EQ(fenêtre.TextNom.Caption, "");
}

TEST(FormScore, ImprimeSurFondBlancSansBoutonsNiNotePuisRetrouveSonAspect)
{
    struct Cas {
        const char* nom;
        bool imprimanteChoisie;
        bool impressionRéussie;
        std::optional<std::string> message;
        bool imprimée;
    };
    const std::vector<Cas> cas = {
        {"impression réussie", true, true, std::nullopt, true},
        {"dialogue annulé", false, true, "Impression annulée", false},
        {"imprimante en faute", true, false, "Problème d'imprimante", false},
    };
    const Contrôle principale = FenêtrePrincipale();
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Modulebas m;
        PlateformeScriptée plateforme;
        m.Score = 16;
        m.ScoreMax = 20;
        m.Mention = "Bien";
        plateforme.ImprimanteChoisie = c.imprimanteChoisie;
        plateforme.ImpressionRéussie = c.impressionRéussie;
        std::optional<Aspect> surPapier;
        plateforme.PendantImpression = [&](Fenêtre& f) { surPapier = AspectDe(dynamic_cast<FormScore&>(f)); };
        FormScore fenêtre(m, plateforme, principale);
        std::optional<Aspect> aprèsImpression;
        plateforme.QuandSOuvre<FormScore>([&](FormScore& f) {
            f.TextNom.Caption = "Martin Léo";
            f.BtonImprimer_Click();
            aprèsImpression = AspectDe(f);
            EXPECT_FALSE(f.EstFermée());
            f.BtonOk_Click();
        });
        plateforme.MontrerModal(fenêtre);

        if (c.message) {
            AttendreMessage(plateforme.Journal, "Gestion sortie imprimante", *c.message);
        } else {
            EXPECT_TRUE(plateforme.Journal.Messages.empty());
        }
        EXPECT_EQ(plateforme.Impressions, c.imprimée ? 1 : 0);
        // Un dialogue annulé n'envoie rien à l'imprimante ; sinon la page part avec l'aspect du papier.
        EXPECT_EQ(surPapier.has_value(), c.imprimanteChoisie);
        if (surPapier)
            AttendreAspect(*surPapier, aspectPapier);
        ASSERT_TRUE(aprèsImpression.has_value());
        AttendreAspect(*aprèsImpression, aspectNormal);
        EXPECT_EQ(m.NomÉlève, "Martin Léo");
    }
}

TEST(FormScore, ReimprimeApresUneFauteDImprimante)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = FenêtrePrincipale();
    plateforme.ImprimanteChoisie = true;
    plateforme.ImpressionRéussie = false;
    FormScore fenêtre(m, plateforme, principale);
    plateforme.QuandSOuvre<FormScore>([&](FormScore& f) {
        f.BtonImprimer_Click();
        ASSERT_TRUE(f.BtonImprimer.Visible);
        plateforme.ImpressionRéussie = true;
        f.BtonImprimer_Click();
        f.BtonOk_Click();
    });
    plateforme.MontrerModal(fenêtre);
    AttendreMessage(plateforme.Journal, "Gestion sortie imprimante", "Problème d'imprimante");
    EXPECT_EQ(plateforme.Impressions, 1);
}
