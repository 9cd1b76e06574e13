#include "ui/FormAide.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

struct AideOuverte {
    DossierTemporaire dossier;
    Modulebas m;
    MessagerieEnregistrée messagerie;
    const Contrôle principale = Dessiné("", 600, 300, 12000, 9000);
    FormAide aide{m, messagerie, principale};

    explicit AideOuverte(bool avecFichier = true)
    {
        if (avecFichier)
            std::filesystem::copy_file(Données / "aide-courte.dat", dossier.Chemin() / "Velmor.dat");
        m.CheminAppli = dossier.Chemin().string() + "/";
        aide.Form_Load();
    }
};

} // namespace

TEST(FormAide, PrendLesDeuxTiersDeLaFenetrePrincipaleEtSeCentreDessus)
{
    AideOuverte o;
    EXPECT_EQ(o.aide.Form.Width, 8000);
    EXPECT_EQ(o.aide.Form.Height, 6000);
    EXPECT_EQ(o.aide.Form.Left, 600 + 2000);
    EXPECT_EQ(o.aide.Form.Top, 300 + 1500);
    EXPECT_EQ(o.aide.Form.Caption, "Aide");
}

TEST(FormAide, LaPoliceGranditDUnPointParDeuxMilleTwips)
{
    AideOuverte o;
    struct Cas {
        int largeurTexte;
        double points;
    };
    for (const Cas c : {Cas{7000, 9}, Cas{9999, 10}, Cas{10000, 11}, Cas{12000, 12}}) {
        SCOPED_TRACE(c.largeurTexte);
        o.aide.Form.Width = o.aide.TextAide.Left + c.largeurTexte + 200;
        o.aide.Form_Resize();
        EXPECT_EQ(o.aide.TextAide.Width, c.largeurTexte);
        EXPECT_EQ(o.aide.TextAide.FontSize, c.points);
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
