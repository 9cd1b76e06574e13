// Les petites fenêtres modales : message, texte agrandi, à propos.
#include "support/PlateformeScriptee.h"
#include "ui/FormApropos.h"
#include "ui/FormMessage.h"
#include "ui/FormTexteAgrandi.h"

#include <gtest/gtest.h>

namespace {

Contrôle FenêtrePrincipale()
{
    return Dessiné("", 1500, 1500, 12000, 9000);
}

} // namespace

TEST(FormMessage, MontreChaqueTitreEnTourPuisVideLesTextes)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = FenêtrePrincipale();
    std::vector<std::string> titresVus;
    for (const std::string titre : {"Polygone", "Analyse de la figure"}) {
        SCOPED_TRACE(titre);
        m.TitreMessage = titre;
        m.TexteMessage = "Il faut donner au moins 3 points !";
        FormMessage message(m, principale);
        plateforme.QuandSOuvre<FormMessage>([&](FormMessage& f) {
            titresVus.push_back(f.Form.Caption);
            EXPECT_EQ(f.LabMessage.Caption, "Il faut donner au moins 3 points !");
            EXPECT_EQ(f.Form.BackColor, CouleurPanneau);
            f.BtonOk_Click();
        });
        plateforme.MontrerModal(message);
        EXPECT_TRUE(message.EstFermée());
        EXPECT_EQ(m.TitreMessage, "");
        EXPECT_EQ(m.TexteMessage, "");
    }
    EXPECT_EQ(titresVus, (std::vector<std::string>{"Polygone", "Analyse de la figure"}));
}

TEST(FormMessage, SOuvreCentreeSurLaFenetrePrincipale)
{
    Modulebas m;
    const Contrôle principale = FenêtrePrincipale();
    FormMessage message(m, principale);
    message.Form_Load();
    EXPECT_EQ(message.Form.Left + message.Form.Width / 2, principale.Left + principale.Width / 2);
    EXPECT_EQ(message.Form.Top + message.Form.Height / 2, principale.Top + principale.Height / 2);
}

TEST(FormMessage, FermeeParLeCadreVideAussiLesTextes)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = FenêtrePrincipale();
    m.TitreMessage = "Titre";
    m.TexteMessage = "Texte";
    FormMessage message(m, principale);
    plateforme.MontrerModal(message);
    EXPECT_EQ(m.TitreMessage, "");
    EXPECT_EQ(m.TexteMessage, "");
}

TEST(FormTexteAgrandi, SeulValiderLaisseLeTexteDansTexteRetour)
{
    struct Cas {
        const char* nom;
        std::function<void(FormTexteAgrandi&)> geste;
        std::string attendu;
    };
    const std::vector<Cas> cas = {
        {"Valider", [](FormTexteAgrandi& f) { f.BtonValider_Click(); }, "Construction d'un carré"},
        {"Annuler", [](FormTexteAgrandi& f) { f.BtonAnnuler_Click(); }, ""},
        {"Fermer", [](FormTexteAgrandi& f) { f.BtonFermer_Click(); }, ""},
        {"cadre", [](FormTexteAgrandi&) {}, ""},
    };
    const Contrôle principale = FenêtrePrincipale();
    for (const Cas& c : cas) {
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

TEST(FormTexteAgrandi, ChargementColoreLeFondEtFeliciteApresUneReussite)
{
    const Contrôle principale = FenêtrePrincipale();
    for (const bool réussie : {false, true}) {
        SCOPED_TRACE(réussie);
        Modulebas m;
        m.FigureRéussie = réussie;
        FormTexteAgrandi fenêtre(m, principale);
        fenêtre.Form_Load();
        EXPECT_EQ(fenêtre.Form.BackColor, CouleurFenêtre);
        EXPECT_EQ(fenêtre.LabFond.BackColor, CouleurPanneau);
        EXPECT_EQ(fenêtre.TexteE1Ag.BackColor, CouleurPanneau);
        EXPECT_EQ(fenêtre.LabConsigne.Visible, réussie);
        EXPECT_EQ(fenêtre.LabConsigne.Caption, réussie ? "   Bravo !" : "");
        EXPECT_FALSE(fenêtre.BtonValider.Visible || fenêtre.BtonAnnuler.Visible ||
                     fenêtre.BtonFermer.Visible);
    }
}

TEST(FormApropos, MontreVersionAuteurEtSElargitPourLEditeur)
{
    const Contrôle principale = FenêtrePrincipale();
    FormApropos apropos(principale);
    const int largeurDessin = apropos.Form.Width;
    apropos.Form_Load();
    EXPECT_EQ(apropos.Form.Caption, "À propos du logiciel Velmor");
    EXPECT_EQ(apropos.EtiVersion.Caption, "Version 1.0");
    EXPECT_EQ(apropos.LabelAuteur.Caption, "Conception et programmation,\nL'équipe Velmor");
    EXPECT_EQ(apropos.Form.BackColor, CouleurPanneau);
    // « Éditions Velmor » : 15 caractères, 6 de plus que 9, même si « É » tient sur deux octets.
    EXPECT_EQ(apropos.Form.Width, largeurDessin + 6 * 40);
    EXPECT_EQ(apropos.BtonOk.Left, apropos.Form.Width - apropos.BtonOk.Width - 400);
    EXPECT_EQ(apropos.Form.Left + apropos.Form.Width / 2, principale.Left + principale.Width / 2);
    apropos.BtonOk_Click();
    EXPECT_TRUE(apropos.EstFermée());
}
