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
    struct Cas {
        const char* fichier;
        const char* balise;
        std::string texte;
        bool manquante;
    };
    const Cas cas[] = {
        {"aide-courte.dat", "Démarrer",
         "Placer un point : bouton « M (x,y) ».\nSi x < 3 et y <= 4, le point est près de O.\n", false},
        {"aide-courte.dat", "Fin collée", "Dernière ligne", false},
        {"aide-courte.dat", "démarrer", "", true},
        // Un fichier introuvable a déjà été signalé par le sommaire : pas de second message.
        {"absent.dat", "Démarrer", "", false},
    };
    Modulebas m;
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.fichier) + " : " + c.balise);
        MessagerieEnregistrée messagerie;
        ClassLireAide lecteur(m, messagerie);
        lecteur.CheminAide(Données / c.fichier);
        lecteur.ChaîneBalise(c.balise);
        EXPECT_EQ(lecteur.ChaîneAide(), c.texte);
        if (c.manquante)
            AttendreMessage(messagerie, "Lecture du fichier d'aide",
                            "Le contenu de cette rubrique est manquante.");
        else
            EXPECT_TRUE(messagerie.Messages.empty());
    }
}
