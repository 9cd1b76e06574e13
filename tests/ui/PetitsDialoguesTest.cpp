// Les petits dialogues et fenêtres modales : choix d'un point, précision, couleurs, message, texte agrandi,
// à propos, aide.
#include "ui/ChoixPrecision.h"
#include "ui/FormAide.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormMessage.h"
#include "ui/FormTexteAgrandi.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const Contrôle principale = Dessiné("", 600, 300, 12000, 9000);

struct AideOuverte {
    DossierTemporaire dossier;
    Modulebas m;
    MessagerieEnregistrée messagerie;
    FormAide aide{m, messagerie, principale};

    explicit AideOuverte(bool avecFichier = true)
    {
        if (avecFichier)
            std::filesystem::copy_file(CheminDonnées("aide-courte.dat"), dossier.Chemin() / "Velmor.dat");
        m.CheminAppli = dossier.Chemin().string() + "/";
        aide.Form_Load();
    }
};

} // namespace

// Valider et Annuler passent déjà par la fenêtre principale ; restent le bouton grisé et le cadre.
TEST(FormChoixPoint, ValiderResteGriseTantQuAucunPointNEstChoisiEtLeCadreNeChoisitRien)
{
    Modulebas m;
    m.NumPointModif = 3;
    FormChoixPoint form(m, principale);
    form.NommerOption(1, "A");
    form.NommerOption(2, "B");
    form.Form_Load();
    EXPECT_EQ(m.NumPointModif, 0);
    form.BtonOk_Click();
    EXPECT_FALSE(form.EstFermée());
    // Une option cachée ne se clique pas.
    form.OptionPoint_Click(3);
    EXPECT_FALSE(form.BtonOk.Enabled);
    form.OptionPoint_Click(2);
    EXPECT_TRUE(form.BtonOk.Enabled);
    form.Form_QueryUnload();
    EXPECT_TRUE(form.EstFermée());
    EXPECT_EQ(m.NumPointModif, 0);
}

// L'effet de chaque choix passe déjà par la fenêtre principale ; restent les cases cochées et le bouton.
TEST(ChoixPrecision, UneSeulePrecisionEstCocheeEtLeBoutonFerme)
{
    const std::pair<int, std::size_t> cas[] = {{1, 1}, {2, 2}, {3, 3}, {11, 4}};
    for (const auto& [précision, cochée] : cas) {
        SCOPED_TRACE(précision);
        Modulebas m;
        m.Précision = static_cast<std::uint8_t>(précision);
        ChoixPrécision form(m, principale);
        form.Form_Load();
        for (std::size_t k = 1; k <= 4; ++k)
            EXPECT_EQ(form.OpPrecis[k].Checked, k == cochée) << k;
        const std::size_t suivante = cochée % 4 + 1;
        form.OpPrecis_Click(suivante);
        EXPECT_TRUE(form.OpPrecis[suivante].Checked && !form.OpPrecis[cochée].Checked);
        form.BtonPrecis_Click();
        EXPECT_TRUE(form.EstFermée());
    }
}

// Chaque case montre la couleur de son texte (en BVR : le rouge en dernier), dans une grille sans
// chevauchement ; un texte mal formé ne donne aucune couleur.
TEST(FormCouleurs, LaCaseCouranteEstChoisieAuChargementPuisSuitLeClicEtChaqueCaseMontreSaCouleur)
{
    Modulebas m;
    m.NumCouleurTrait = 22;
    m.NumCouleurFond = 5;
    for (const bool trait : {true, false}) {
        SCOPED_TRACE(trait ? "trait" : "fond");
        m.ChoixCouleurTrait = trait;
        FormCouleurs form(m, principale);
        form.Form_Load();
        const std::size_t courante = trait ? 22 : 5;
        EXPECT_EQ(form.CouleurChoisie, TexteCouleurPalette(courante));
        const auto sur = [&form](std::size_t i) {
            return form.ShapeSel.Visible && form.ShapeSel.Left == form.Label2[i].Left &&
                   form.ShapeSel.Top == form.Label2[i].Top;
        };
        EXPECT_TRUE(sur(courante));
        form.Label2_Click(17);
        EXPECT_TRUE(sur(17));
        // Hors de la palette, rien ne change.
        form.Label2_Click(48);
        EXPECT_TRUE(sur(17));
    }
    const FormCouleurs form(m, principale);
    std::set<std::pair<int, int>> coins;
    for (std::size_t i = 0; i < form.Label2.size(); ++i) {
        SCOPED_TRACE(i);
        const Contrôle& c = form.Label2[i];
        EXPECT_EQ(c.BackColor, LireCouleurHexa(TexteCouleurPalette(i)));
        EXPECT_TRUE(coins.insert({c.Left, c.Top}).second);
        EXPECT_TRUE(i % 8 == 0 || c.Left >= form.Label2[i - 1].Left + form.Label2[i - 1].Width);
    }
    for (const char* faux : {"", "&H", "FF0000", "&HGG0000", "&H1000000", "&H12 34"})
        EXPECT_FALSE(LireCouleurHexa(faux).has_value()) << faux;
}

// Centrée sur la fenêtre principale, à un twips près pour les moitiés impaires.
TEST(FormMessage, MontreSonTitreAuCentrePuisVideLesTextesMemeFermeeParLeCadre)
{
    for (const bool parLeCadre : {false, true}) {
        SCOPED_TRACE(parLeCadre ? "cadre" : "Ok");
        Modulebas m;
        m.TitreMessage = "Polygone";
        m.TexteMessage = "Il faut donner au moins 3 points !";
        FormMessage message(m, principale);
        message.Form_Load();
        EXPECT_EQ(message.Form.Caption, "Polygone");
        EXPECT_EQ(message.LabMessage.Caption, "Il faut donner au moins 3 points !");
        EXPECT_NEAR(message.Form.Left + message.Form.Width / 2, principale.Left + principale.Width / 2, 1);
        EXPECT_NEAR(message.Form.Top + message.Form.Height / 2, principale.Top + principale.Height / 2, 1);
        parLeCadre ? message.Form_QueryUnload() : message.BtonOk_Click();
        EXPECT_TRUE(message.EstFermée());
        EXPECT_EQ(m.TitreMessage, "");
        EXPECT_EQ(m.TexteMessage, "");
    }
}

// Valider, Fermer et le « Bravo ! » passent déjà par la fenêtre principale ; Annuler et le cadre ne rendent
// aucun texte.
TEST(FormTexteAgrandi, AnnulerOuLeCadreNeRendentRien)
{
    for (const bool parLeCadre : {false, true}) {
        SCOPED_TRACE(parLeCadre ? "cadre" : "Annuler");
        Modulebas m;
        m.TexteRetour = "ancien";
        FormTexteAgrandi fenêtre(m, principale);
        fenêtre.TexteE1Ag.Caption = "Construction d'un carré";
        fenêtre.Form_Load();
        parLeCadre ? fenêtre.Form_QueryUnload() : fenêtre.BtonAnnuler_Click();
        EXPECT_TRUE(fenêtre.EstFermée());
        EXPECT_EQ(m.TexteRetour, "");
    }
}

TEST(FormAide, ListeLesRubriquesMontreCelleQuOnChoisitOuRienSansFichierEtSeReduitSansTailleNegative)
{
    AideOuverte o;
    EXPECT_EQ(o.aide.ÉlémentsSommaire, (std::vector<std::string>{"Démarrer", "Vide", "Fin collée"}));
    // Au chargement, la première rubrique est choisie.
    EXPECT_EQ(o.aide.IndexSommaire, 0);
    EXPECT_EQ(o.aide.TextAide.Caption,
              "Placer un point : bouton « M (x,y) ».\nSi x < 3 et y <= 4, le point est près de O.\n");
    o.aide.ListChapitresAide_Click(2);
    EXPECT_EQ(o.aide.TextAide.Caption, "Dernière ligne");
    o.aide.ListChapitresAide_Click(1);
    EXPECT_EQ(o.aide.TextAide.Caption, "");
    EXPECT_TRUE(o.messagerie.Messages.empty());

    // Sans fichier, la fenêtre s'ouvre vide après un message.
    AideOuverte vide(false);
    AttendreMessage(vide.messagerie, "Lecture du fichier d'aide",
                    "Le fichier des aides " + vide.m.CheminAppli + "Velmor.dat est introuvable.");
    EXPECT_EQ(vide.aide.IndexSommaire, -1);
    // Réduite à presque rien, ni taille négative ni police nulle.
    vide.aide.Form.Width = 100;
    vide.aide.Form.Height = 100;
    vide.aide.Form_Resize();
    EXPECT_EQ(vide.aide.TextAide.Width, 0);
    EXPECT_GE(vide.aide.TextAide.FontSize, 1);
}
