// Les petits dialogues et fenêtres modales : choix d'un point, précision, couleurs, message, texte agrandi,
// à propos, aide.
#include "ui/ChoixPrecision.h"
#include "ui/FormAide.h"
#include "ui/FormApropos.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormMessage.h"
#include "ui/FormTexteAgrandi.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"
#include "support/PlateformeScriptee.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <set>

namespace {

const Contrôle principale = Dessiné("", 600, 300, 12000, 9000);

// Centrée sur la fenêtre principale, à un twips près pour les moitiés impaires.
void AttendreCentrée(const Contrôle& f)
{
    EXPECT_NEAR(f.Left + f.Width / 2, principale.Left + principale.Width / 2, 1);
    EXPECT_NEAR(f.Top + f.Height / 2, principale.Top + principale.Height / 2, 1);
}

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

TEST(FormChoixPoint, ValiderResteGriseTantQuAucunPointNEstChoisiEtRenoncerNeChoisitRien)
{
    for (const char* geste : {"Valider", "Annuler", "cadre"}) {
        SCOPED_TRACE(geste);
        Modulebas m;
        m.NumPointModif = 3;
        FormChoixPoint form(m, principale);
        form.NommerOption(1, "A");
        form.NommerOption(2, "B");
        form.Form_Load();
        EXPECT_EQ(m.NumPointModif, 0);
        EXPECT_FALSE(form.BtonOk.Enabled);
        form.BtonOk_Click();
        EXPECT_FALSE(form.EstFermée());
        // Une option cachée ne se clique pas.
        form.OptionPoint_Click(3);
        EXPECT_FALSE(form.BtonOk.Enabled);

        form.OptionPoint_Click(2);
        EXPECT_TRUE(form.BtonOk.Enabled);
        const std::string g = geste;
        g == "Valider"   ? form.BtonOk_Click()
        : g == "Annuler" ? form.BtonAnnuler_Click()
                         : form.Form_QueryUnload();
        EXPECT_TRUE(form.EstFermée());
        EXPECT_EQ(m.NumPointModif, g == "Valider" ? 2 : 0);
    }
}

TEST(ChoixPrecision, LaPrecisionCouranteEstCocheeEtChaqueChoixPrendEffetAussitot)
{
    const std::pair<std::uint8_t, std::size_t> cas[] = {{1, 1}, {2, 2}, {3, 3}, {11, 4}};
    for (auto [précision, coché] : cas) {
        SCOPED_TRACE(static_cast<int>(précision));
        Modulebas m;
        m.Précision = précision;
        ChoixPrécision form(m, principale);
        form.Form_Load();
        for (std::size_t k = 1; k <= 4; ++k)
            EXPECT_EQ(form.OpPrecis[k].Checked, k == coché) << k;
        // Le choix suivant dans la liste, sans attendre la fermeture.
        const std::size_t suivant = coché % 4 + 1;
        form.OpPrecis_Click(suivant);
        EXPECT_EQ(m.Précision, cas[suivant - 1].first);
        EXPECT_TRUE(form.OpPrecis[suivant].Checked);
        EXPECT_FALSE(form.OpPrecis[coché].Checked);
    }
}

TEST(FormCouleurs, LaCaseCouranteEstChoisieAuChargementPuisSuitLeClic)
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
        EXPECT_EQ(form.ShapeSel.Left, form.Label2[courante].Left);
        EXPECT_EQ(form.ShapeSel.Top, form.Label2[courante].Top);
        EXPECT_TRUE(form.ShapeSel.Visible);
    }
    FormCouleurs form(m, principale);
    form.Form_Load();
    form.Label2_Click(17);
    EXPECT_EQ(m.NumCouleurFond, 17);
    EXPECT_EQ(form.ShapeSel.Left, form.Label2[17].Left);
    EXPECT_EQ(form.ShapeSel.Top, form.Label2[17].Top);
    // Hors de la palette, rien ne change.
    form.Label2_Click(48);
    EXPECT_EQ(m.NumCouleurFond, 17);
    EXPECT_EQ(form.CouleurChoisie, TexteCouleurPalette(17));
}

// Chaque case montre la couleur de son texte, dans une grille sans chevauchement.
TEST(FormCouleurs, LesQuaranteHuitCasesMontrentLaCouleurDeLeurTexte)
{
    Modulebas m;
    FormCouleurs form(m, principale);
    ASSERT_EQ(form.Label2.size(), 48u);
    std::set<std::pair<int, int>> coins;
    for (std::size_t i = 0; i < form.Label2.size(); ++i) {
        SCOPED_TRACE(i);
        const Contrôle& c = form.Label2[i];
        EXPECT_EQ(c.BackColor, LireCouleurHexa(TexteCouleurPalette(i)));
        EXPECT_TRUE(coins.insert({c.Left, c.Top}).second);
        if (i % 8 != 0)
            EXPECT_GE(c.Left, form.Label2[i - 1].Left + form.Label2[i - 1].Width);
    }
}

TEST(FormCouleurs, LectureDuTexteHexadecimal)
{
    // Le texte est en BVR : le rouge vient en dernier.
    EXPECT_EQ(LireCouleurHexa("&h0080ff"), (Couleur{255, 128, 0}));
    for (const char* faux : {"", "&H", "FF0000", "&HGG0000", "&H1000000", "&H12 34"}) {
        SCOPED_TRACE(faux);
        EXPECT_FALSE(LireCouleurHexa(faux).has_value());
    }
}

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
            AttendreCentrée(f.Form);
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
    const std::pair<const char*, std::function<void(FormTexteAgrandi&)>> gestes[] = {
        {"Valider", [](FormTexteAgrandi& f) { f.BtonValider_Click(); }},
        {"Annuler", [](FormTexteAgrandi& f) { f.BtonAnnuler_Click(); }},
        {"Fermer", [](FormTexteAgrandi& f) { f.BtonFermer_Click(); }},
        {"cadre", [](FormTexteAgrandi&) {}},
    };
    for (const auto& [nom, geste] : gestes) {
        SCOPED_TRACE(nom);
        Modulebas m;
        m.TexteRetour = "ancien";
        PlateformeScriptée plateforme;
        FormTexteAgrandi fenêtre(m, principale);
        fenêtre.TexteE1Ag.Caption = "Construction d'un carré";
        plateforme.QuandSOuvre<FormTexteAgrandi>(geste);
        plateforme.MontrerModal(fenêtre);
        EXPECT_EQ(m.TexteRetour, std::string(nom) == "Valider" ? "Construction d'un carré" : "");
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

TEST(FormAide, PrendLesDeuxTiersDeLaFenetrePrincipaleEtSeCentreDessus)
{
    AideOuverte o;
    EXPECT_EQ(o.aide.Form.Width * 3, principale.Width * 2);
    EXPECT_EQ(o.aide.Form.Height * 3, principale.Height * 2);
    AttendreCentrée(o.aide.Form);
    EXPECT_EQ(o.aide.Form.Caption, "Aide");
}

TEST(FormAide, LaPoliceGranditDUnPointParDeuxMilleTwips)
{
    AideOuverte o;
    for (const CasTable& c : LireTableCas("dialogues-police-aide.tsv")) {
        SCOPED_TRACE(c.Où);
        const int largeur = std::stoi(c[0]);
        o.aide.Form.Width = o.aide.TextAide.Left + largeur + 200;
        o.aide.Form_Resize();
        EXPECT_EQ(o.aide.TextAide.Width, largeur);
        EXPECT_EQ(o.aide.TextAide.FontSize, std::stod(c[1]));
    }
}

TEST(FormAide, LeBoutonSuitLeBasDroitDuTexte)
{
    AideOuverte o;
    o.aide.Form.Height = 7000;
    o.aide.Form_Resize();
    const auto& texte = o.aide.TextAide;
    const auto& ok = o.aide.BtonOk;
    EXPECT_EQ(o.aide.ListChapitresAide.Height, texte.Height);
    EXPECT_GT(ok.Top, texte.Top + texte.Height);
    EXPECT_LT(ok.Top + ok.Height, 7000);
    EXPECT_GT(ok.Top + ok.Height, 7000 - 3 * ok.Height) << "le texte prend la hauteur libre";
    EXPECT_EQ(ok.Left + ok.Width, texte.Left + texte.Width);

    // Réduite à presque rien, la fenêtre ne donne ni taille négative ni police nulle.
    o.aide.Form.Width = 100;
    o.aide.Form.Height = 100;
    o.aide.Form_Resize();
    EXPECT_EQ(o.aide.TextAide.Width, 0);
    EXPECT_GE(o.aide.TextAide.FontSize, 1);
}

TEST(FormAide, ListeLesRubriquesEtMontreCelleQuOnChoisit)
{
    AideOuverte o;
    EXPECT_EQ(o.aide.ÉlémentsSommaire, (std::vector<std::string>{"Démarrer", "Vide", "Fin collée"}));
    // Au chargement, la première rubrique est choisie.
    EXPECT_EQ(o.aide.IndexSommaire, 0);
    EXPECT_EQ(o.aide.EtiChap.Caption, "Démarrer");
    EXPECT_EQ(o.aide.TextAide.Caption,
              "Placer un point : bouton « M (x,y) ».\nSi x < 3 et y <= 4, le point est près de O.\n");
    o.aide.ListChapitresAide_Click(2);
    EXPECT_EQ(o.aide.EtiChap.Caption, "Fin collée");
    EXPECT_EQ(o.aide.TextAide.Caption, "Dernière ligne");
    o.aide.ListChapitresAide_Click(1);
    EXPECT_EQ(o.aide.TextAide.Caption, "");
    EXPECT_TRUE(o.messagerie.Messages.empty());
}

TEST(FormAide, SansFichierLaFenetreSOuvreVideApresUnMessage)
{
    AideOuverte o(false);
    AttendreMessage(o.messagerie, "Lecture du fichier d'aide",
                    "Le fichier des aides " + o.m.CheminAppli + "Velmor.dat est introuvable.");
    EXPECT_TRUE(o.aide.ÉlémentsSommaire.empty());
    EXPECT_EQ(o.aide.IndexSommaire, -1);
    EXPECT_EQ(o.aide.TextAide.Caption, "");
    EXPECT_EQ(o.aide.EtiChap.Caption, "Chapitre :");
}
