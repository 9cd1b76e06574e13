// La feuille du score, ouverte par l'image de la fenêtre principale : ses textes, le nom gardé d'une
// ouverture à l'autre, l'impression et ses messages.
#include "PartieKorvane.h"

#include "ui/FormScore.h"

#include <optional>
#include <tuple>

namespace {

// L'aspect que l'élève voit, et celui qui part sur papier : le fond, les boutons, la note, le résultat.
using Aspect = std::tuple<std::optional<Couleur>, bool, bool, bool>;

Aspect AspectDe(const FormScore& f)
{
    return {f.Form.BackColor, f.BtonImprimer.Visible && f.BtonOk.Visible, f.LabImp.Visible,
            f.LabScore.Visible && f.LabBonus.Visible && f.LabMention.Visible && f.TextNom.Visible};
}

const Aspect aspectNormal{CouleurPanneau, true, true, true};
const Aspect aspectPapier{Couleur{255, 255, 255}, false, false, true};

class KorvaneScore : public PartieKorvane {
protected:
    // Un clic sur l'image du score joue le script dans la feuille ; Ok la referme sauf si fermer est faux.
    void Montrer(const std::function<void(FormScore&)>& script, bool fermer = true)
    {
        bool vue = false;
        plateforme.QuandSOuvre<FormScore>([&](FormScore& f) {
            vue = true;
            script(f);
            if (fermer)
                f.BtonOk_Click();
        });
        k.Cliquer(k.ImaBton);
        EXPECT_TRUE(vue) << "la feuille du score ne s'est pas ouverte";
    }
};

} // namespace

TEST_F(KorvaneScore, LImageNOuvreLaFeuilleQuUneFoisUneCibleChoisie)
{
    k.Survoler(k.ImaBton);
    EXPECT_EQ(k.ImaBton.MousePointer, Pointeur::Normal);
    k.Cliquer(k.ImaBton);
    EXPECT_TRUE(plateforme.FenêtresOuvertes.empty());

    Choisir(0);
    k.Survoler(k.ImaBton);
    EXPECT_EQ(k.ImaBton.MousePointer, Pointeur::Personnalisé);

    // Chaque nombre garde le blanc du signe ; la mention est celle de la note finale.
    k.Cliquer(k.ItemRéinitialiser);
    Jouer("RRARRRRARR");
    Montrer([](FormScore& f) {
        EXPECT_EQ(f.LabScore.Caption, " 16 /  20");
        EXPECT_EQ(f.LabBonus.Caption, " 2");
        EXPECT_EQ(f.LabMention.Caption, "Bien");
    });
}

TEST_F(KorvaneScore, GardeLeNomTapeMemeFermeeParLeCadre)
{
    Choisir(0);
    Montrer([](FormScore& f) { f.TextNom.Caption = "Durand Zoé"; }, false);
    Montrer([](FormScore& f) { EXPECT_EQ(f.TextNom.Caption, "Durand Zoé"); });
}

TEST_F(KorvaneScore, ImprimeSurFondBlancSansBoutonsNiNotePuisRetrouveSonAspect)
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
    Choisir(0);
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        plateforme.Journal.Messages.clear();
        plateforme.Impressions = 0;
        plateforme.ImprimanteChoisie = c.imprimanteChoisie;
        plateforme.ImpressionRéussie = c.impressionRéussie;
        std::optional<Aspect> surPapier;
        plateforme.PendantImpression = [&](Fenêtre& f) { surPapier = AspectDe(dynamic_cast<FormScore&>(f)); };
        Montrer([&](FormScore& f) {
            f.BtonImprimer_Click();
            EXPECT_FALSE(f.EstFermée());
            // Après une faute aussi, la feuille retrouve son aspect.
            EXPECT_EQ(AspectDe(f), aspectNormal);
        });
        if (c.message) {
            AttendreMessage(plateforme.Journal, "Gestion sortie imprimante", *c.message);
        } else {
            EXPECT_TRUE(plateforme.Journal.Messages.empty());
        }
        EXPECT_EQ(plateforme.Impressions, c.message ? 0 : 1);
        // Un dialogue annulé n'envoie rien à l'imprimante ; sinon la page part avec l'aspect du papier.
        EXPECT_EQ(surPapier, c.imprimanteChoisie ? std::optional(aspectPapier) : std::nullopt);
    }
}
