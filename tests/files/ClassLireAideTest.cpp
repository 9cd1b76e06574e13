#include "files/ClassLireAide.h"

#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

const std::vector<std::string> Aide{"<Aide>",       "<Points>",  "Taper x ; y.", "Puis valider.",
                                    "</Points>",    "<Vide>",    "</Vide>",      "<Collée>",
                                    "fin</Collée>", "<Ouverte>", "sans fin",     "</Aide>"};

} // namespace

TEST(ClassLireAide, RendLeTexteEntreLesBalises)
{
    struct Cas {
        const char* nom;
        std::vector<std::string> lignes;
        std::string titre;
        std::string texte;
    };
    const Cas cas[] = {
        {"balise de fin seule sur sa ligne", Aide, "Points", "Taper x ; y.\nPuis valider.\n"},
        {"rubrique vide", Aide, "Vide", ""},
        {"balise de fin au bout du texte", Aide, "Collée", "fin"},
        {"balise de fin jamais trouvée", {"<Aide>", "<Un>", "a", "b"}, "Un", "a\nb"},
        {"titre absent sans fin d'aide", {"<Aide>", "<Un>", "</Un>"}, "Deux", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const auto rubrique = RubriqueDesLignes(c.lignes, c.titre);
        EXPECT_EQ(rubrique.Texte, c.texte);
        EXPECT_FALSE(rubrique.Manquante);
    }
}

TEST(ClassLireAide, UnTitreDAutreCasseEstManquant)
{
    for (const auto* titre : {"points", "POINTS", "Absente"}) {
        SCOPED_TRACE(titre);
        const auto rubrique = RubriqueDesLignes(Aide, titre);
        EXPECT_TRUE(rubrique.Manquante);
        EXPECT_EQ(rubrique.Texte, "");
    }
    // La première ligne est la racine, jamais lue comme une rubrique.
    EXPECT_TRUE(RubriqueDesLignes({"<Points>", "</Points>", "</Aide>"}, "Points").Manquante);
}

TEST(ClassLireAide, LitLaRubriqueDuFichierAChaqueDemande)
{
    Modulebas m;
    MessagerieEnregistrée messagerie;
    ClassLireAide lecteur(m, messagerie);
    lecteur.CheminAide(Données / "aide-courte.dat");
    lecteur.ChaîneBalise("Démarrer");
    EXPECT_EQ(lecteur.ChaîneAide(),
              "Placer un point : bouton « M (x,y) ».\nSi x < 3 et y <= 4, le point est près de O.\n");
    lecteur.ChaîneBalise("Fin collée");
    EXPECT_EQ(lecteur.ChaîneAide(), "Dernière ligne");
    EXPECT_TRUE(messagerie.Messages.empty());
}

TEST(ClassLireAide, UneRubriqueManquanteLeDit)
{
    Modulebas m;
    MessagerieEnregistrée messagerie;
    ClassLireAide lecteur(m, messagerie);
    lecteur.CheminAide(Données / "aide-courte.dat");
    lecteur.ChaîneBalise("démarrer");
    EXPECT_EQ(lecteur.ChaîneAide(), "");
    AttendreMessage(messagerie, "Lecture du fichier d'aide", "Le contenu de cette rubrique est manquante.");
}

TEST(ClassLireAide, UnFichierIntrouvableDonneUnTexteVideSansMessage)
{
    Modulebas m;
    MessagerieEnregistrée messagerie;
    ClassLireAide lecteur(m, messagerie);
    lecteur.CheminAide(Données / "absent.dat");
    lecteur.ChaîneBalise("Démarrer");
    EXPECT_EQ(lecteur.ChaîneAide(), "");
    EXPECT_TRUE(messagerie.Messages.empty());
}
