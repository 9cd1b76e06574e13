#include "files/CheminFichierAide.h"

#include "support/DossierTemporaire.h"

#include <gtest/gtest.h>

TEST(CheminFichierAide, PrendLePremierEmplacementOuLeFichierExiste)
{
    DossierTemporaire dossier;
    const auto programme = dossier.Chemin() / "bin";
    const auto données = dossier.Chemin() / "share" / "velmor";
    std::filesystem::create_directories(programme);
    std::filesystem::create_directories(données);
    const std::string cheminAppli = programme.string() + "/";

    // Rien nulle part : le message nommera le fichier à côté du programme.
    EXPECT_EQ(CheminFichierAide(cheminAppli), cheminAppli + "Velmor.dat");

    // Installé : le dossier des données à côté du dossier du programme.
    dossier.Écrire("share/velmor/Velmor.dat", "<Aide>\r\n</Aide>\r\n");
    EXPECT_TRUE(std::filesystem::equivalent(CheminFichierAide(cheminAppli), données / "Velmor.dat"));

    // Dans l'arbre de construction, le fichier copié à côté du programme passe avant.
    dossier.Écrire("bin/Velmor.dat", "<Aide>\r\n</Aide>\r\n");
    EXPECT_EQ(CheminFichierAide(cheminAppli), cheminAppli + "Velmor.dat");

    const auto emplacements = EmplacementsFichierAide(cheminAppli);
    ASSERT_EQ(emplacements.size(), 3u);
    EXPECT_TRUE(emplacements.back().ends_with("/velmor/Velmor.dat"));
    EXPECT_EQ(emplacements.back().front(), '/');
}
