// La fenêtre du score : ses textes, le nom gardé d'une ouverture à l'autre, l'impression et ses messages.
#include "ui/FormScore.h"
#include "support/MessagerieEnregistree.h"
#include "support/PlateformeScriptee.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

// L'aspect que l'élève voit, et celui qui part sur papier.
struct Aspect {
    std::optional<Couleur> Fond;
    bool Boutons;
    bool Note;
    bool Résultat;
    bool operator==(const Aspect&) const = default;
};

Aspect AspectDe(const FormScore& f)
{
    return {f.Form.BackColor, f.BtonImprimer.Visible && f.BtonOk.Visible, f.LabImp.Visible,
            f.LabScore.Visible && f.LabBonus.Visible && f.LabMention.Visible && f.TextNom.Visible};
}

const Aspect aspectNormal{CouleurPanneau, true, true, true};
const Aspect aspectPapier{Couleur{255, 255, 255}, false, false, true};

struct Score {
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = Dessiné("", 1500, 1500, 12000, 9000);

    // Ouvre la fenêtre du score, joue le script, puis la referme par Ok.
    void Montrer(const std::function<void(FormScore&)>& script)
    {
        FormScore fenêtre(m, plateforme, principale);
        plateforme.QuandSOuvre<FormScore>([&](FormScore& f) {
            script(f);
            f.BtonOk_Click();
        });
        plateforme.MontrerModal(fenêtre);
        EXPECT_TRUE(fenêtre.EstFermée());
    }
};

} // namespace

TEST(FormScore, MontreLeScoreLeBonusEtLaMentionAvecLeursBlancs)
{
    const struct {
        std::uint8_t score, scoreMax, bonus;
        std::string mention, labScore, labBonus;
    } cas[] = {
        {20, 20, 7, "Excellent !", " 20 /  20", " 7"},
        {16, 20, 3, "Bien", " 16 /  20", " 3"},
        {0, 2, 0, "", " 0 /  2", " 0"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.labScore);
        Score s;
        s.m.Score = c.score;
        s.m.ScoreMax = c.scoreMax;
        s.m.Bonus = c.bonus;
        s.m.Mention = c.mention;
        s.Montrer([&](FormScore& f) {
            EXPECT_EQ(f.Form.Caption, "Score du jeu Velmor");
            EXPECT_EQ(f.LabScore.Caption, c.labScore);
            EXPECT_EQ(f.LabBonus.Caption, c.labBonus);
            EXPECT_EQ(f.LabMention.Caption, c.mention);
            EXPECT_EQ(AspectDe(f), aspectNormal);
        });
        EXPECT_TRUE(s.plateforme.Journal.Messages.empty());
    }
}

TEST(FormScore, GardeLeNomTapeMemeFermeeParLeCadre)
{
    Score s;
    FormScore première(s.m, s.plateforme, s.principale);
    s.plateforme.QuandSOuvre<FormScore>([](FormScore& f) {
        EXPECT_EQ(f.TextNom.Caption, "");
        f.TextNom.Caption = "Durand Zoé";
    });
    s.plateforme.MontrerModal(première);
    EXPECT_EQ(s.m.NomÉlève, "Durand Zoé");
    s.Montrer([](FormScore& f) { EXPECT_EQ(f.TextNom.Caption, "Durand Zoé"); });
}

TEST(FormScore, ImprimeSurFondBlancSansBoutonsNiNotePuisRetrouveSonAspect)
{
    const struct {
        const char* nom;
        bool imprimanteChoisie;
        bool impressionRéussie;
        std::optional<std::string> message;
    } cas[] = {
        {"impression réussie", true, true, std::nullopt},
        {"dialogue annulé", false, true, "Impression annulée"},
        {"imprimante en faute", true, false, "Problème d'imprimante"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Score s;
        s.plateforme.ImprimanteChoisie = c.imprimanteChoisie;
        s.plateforme.ImpressionRéussie = c.impressionRéussie;
        std::optional<Aspect> surPapier;
        s.plateforme.PendantImpression = [&](Fenêtre& f) {
            surPapier = AspectDe(dynamic_cast<FormScore&>(f));
        };
        s.Montrer([&](FormScore& f) {
            f.TextNom.Caption = "Martin Léo";
            f.BtonImprimer_Click();
            EXPECT_FALSE(f.EstFermée());
            // Après une faute aussi, la fenêtre retrouve son aspect.
            EXPECT_EQ(AspectDe(f), aspectNormal);
        });
        if (c.message) {
            AttendreMessage(s.plateforme.Journal, "Gestion sortie imprimante", *c.message);
        } else {
            EXPECT_TRUE(s.plateforme.Journal.Messages.empty());
        }
        EXPECT_EQ(s.plateforme.Impressions, c.message ? 0 : 1);
        // Un dialogue annulé n'envoie rien à l'imprimante ; sinon la page part avec l'aspect du papier.
        EXPECT_EQ(surPapier.has_value(), c.imprimanteChoisie);
        if (surPapier) {
            EXPECT_EQ(*surPapier, aspectPapier);
        }
        EXPECT_EQ(s.m.NomÉlève, "Martin Léo");
    }
}

TEST(FormScore, ReimprimeApresUneFauteDImprimante)
{
    Score s;
    s.plateforme.ImprimanteChoisie = true;
    s.plateforme.ImpressionRéussie = false;
    s.Montrer([&](FormScore& f) {
        f.BtonImprimer_Click();
        s.plateforme.ImpressionRéussie = true;
        f.BtonImprimer_Click();
    });
    AttendreMessage(s.plateforme.Journal, "Gestion sortie imprimante", "Problème d'imprimante");
    EXPECT_EQ(s.plateforme.Impressions, 1);
}
