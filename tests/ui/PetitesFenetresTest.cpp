// Les petites fenêtres modales : message, texte agrandi, à propos.
#include "support/PlateformeScriptee.h"
#include "ui/FormApropos.h"
#include "ui/FormMessage.h"
#include "ui/FormTexteAgrandi.h"

#include <gtest/gtest.h>

namespace {
const Contrôle principale = Dessiné("", 1500, 1500, 12000, 9000);
} // namespace

TEST(FormMessage, MontreSonTitreAuCentrePuisVideLesTextesMemeFermeeParLeCadre)
{
    for (const bool parLeCadre : {false, true}) {
        SCOPED_TRACE(parLeCadre ? "cadre" : "Ok");
        Modulebas m;
        PlateformeScriptée plateforme;
        m.TitreMessage = "Polygone";
        m.TexteMessage = "Il faut donner au moins 3 points !";
        FormMessage message(m, principale);
        plateforme.QuandSOuvre<FormMessage>([&](FormMessage& f) {
            EXPECT_EQ(f.Form.Caption, "Polygone");
            EXPECT_EQ(f.LabMessage.Caption, "Il faut donner au moins 3 points !");
            EXPECT_EQ(f.Form.Left + f.Form.Width / 2, principale.Left + principale.Width / 2);
            EXPECT_EQ(f.Form.Top + f.Form.Height / 2, principale.Top + principale.Height / 2);
            if (!parLeCadre)
                f.BtonOk_Click();
        });
        plateforme.MontrerModal(message);
        EXPECT_TRUE(message.EstFermée());
        EXPECT_EQ(m.TitreMessage, "");
        EXPECT_EQ(m.TexteMessage, "");
    }
}

TEST(FormTexteAgrandi, SeulValiderLaisseLeTexteDansTexteRetour)
{
    const struct {
        const char* nom;
        std::function<void(FormTexteAgrandi&)> geste;
        std::string attendu;
    } cas[] = {
        {"Valider", [](FormTexteAgrandi& f) { f.BtonValider_Click(); }, "Construction d'un carré"},
        {"Annuler", [](FormTexteAgrandi& f) { f.BtonAnnuler_Click(); }, ""},
        {"Fermer", [](FormTexteAgrandi& f) { f.BtonFermer_Click(); }, ""},
        {"cadre", [](FormTexteAgrandi&) {}, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Modulebas m;
        m.TexteRetour = "ancien";
        PlateformeScriptée plateforme;
        FormTexteAgrandi fenêtre(m, principale);
        fenêtre.TexteE1Ag.Caption = "Construction d'un carré";
        plateforme.QuandSOuvre<FormTexteAgrandi>(c.geste);
        plateforme.MontrerModal(fenêtre);
        EXPECT_EQ(m.TexteRetour, c.attendu);
    }
}

TEST(FormTexteAgrandi, FeliciteApresUneReussite)
{
    for (const bool réussie : {false, true}) {
        SCOPED_TRACE(réussie);
        Modulebas m;
        m.FigureRéussie = réussie;
        FormTexteAgrandi fenêtre(m, principale);
        fenêtre.Form_Load();
        EXPECT_EQ(fenêtre.LabConsigne.Visible, réussie);
        EXPECT_EQ(fenêtre.LabConsigne.Caption, réussie ? "   Bravo !" : "");
        EXPECT_FALSE(fenêtre.BtonValider.Visible || fenêtre.BtonAnnuler.Visible ||
                     fenêtre.BtonFermer.Visible);
    }
}

TEST(FormApropos, MontreVersionAuteurEtSElargitPourLEditeur)
{
    FormApropos apropos(principale);
    const int largeurDessin = apropos.Form.Width;
    apropos.Form_Load();
    EXPECT_EQ(apropos.Form.Caption, "À propos du logiciel Velmor");
    EXPECT_EQ(apropos.EtiVersion.Caption, "Version 1.0");
    EXPECT_EQ(apropos.LabelAuteur.Caption, "Conception et programmation,\nL'équipe Velmor");
    // « Éditions Velmor » : 15 caractères, 6 de plus que 9, même si « É » tient sur deux octets.
    EXPECT_EQ(apropos.Form.Width, largeurDessin + 6 * 40);
    EXPECT_EQ(apropos.BtonOk.Left, apropos.Form.Width - apropos.BtonOk.Width - 400);
}
