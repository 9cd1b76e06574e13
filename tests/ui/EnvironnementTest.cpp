#include "ui/Environnement.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"
#include "support/PlateformeScriptee.h"

#include <gtest/gtest.h>

TEST(Environnement, LeDossierDesFiguresEstLeSousDossierVelmorDesDocuments)
{
    DossierTemporaire maison;
    const auto documents = maison.Chemin() / "Documents";
    std::filesystem::create_directory(documents);
    struct Cas {
        const char* nom;
        std::string dossierSystème;
    };
    const Cas cas[] = {
        {"sans séparateur final", documents.string()},
        {"avec séparateur final", documents.string() + "/"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        std::filesystem::remove_all(documents / "Velmor");
        Modulebas m;
        PlateformeScriptée plateforme;
        plateforme.DossierDocuments = c.dossierSystème;
        ChercherDossierDocuments(m, plateforme);
        EXPECT_EQ(m.CheminDocuments, documents.string() + "/Velmor");
        EXPECT_EQ(m.CheminDocumentsMémorisé, m.CheminDocuments);
        EXPECT_TRUE(std::filesystem::is_directory(documents / "Velmor"));
    }
}

TEST(Environnement, UnDossierVelmorExistantGardeSesFigures)
{
    DossierTemporaire maison;
    std::filesystem::create_directories(maison.Chemin() / "Velmor");
    const auto figure = maison.Écrire("Velmor/triangle.lum", "Figure du logiciel Lumarc\r\n");
    Modulebas m;
    PlateformeScriptée plateforme;
    plateforme.DossierDocuments = maison.Chemin().string();
    ChercherDossierDocuments(m, plateforme);
    EXPECT_EQ(m.CheminDocuments, maison.Chemin().string() + "/Velmor");
    EXPECT_EQ(LireTout(figure), "Figure du logiciel Lumarc\r\n");
}

TEST(Environnement, SansDossierDesDocumentsRienNEstCree)
{
    DossierTemporaire maison;
    const auto absent = maison.Chemin() / "Documents";
    for (const std::string& dossier : {absent.string(), std::string()}) {
        SCOPED_TRACE(dossier);
        Modulebas m;
        m.CheminDocuments = "/ancien";
        PlateformeScriptée plateforme;
        plateforme.DossierDocuments = dossier;
        ChercherDossierDocuments(m, plateforme);
        EXPECT_EQ(m.CheminDocuments, "");
        EXPECT_EQ(m.CheminDocumentsMémorisé, "");
    }
    EXPECT_TRUE(std::filesystem::is_empty(maison.Chemin()));
}

TEST(Environnement, OuvreLaPageDeTelechargementOuLeDitUneFois)
{
    Modulebas m;
    PlateformeScriptée plateforme;
    OuvrirPageWeb(m, plateforme);
    EXPECT_EQ(plateforme.PagesOuvertes, (std::vector<std::string>{"https://velmor.fr/Telechargements.htm"}));
    EXPECT_TRUE(plateforme.Journal.Messages.empty());

    plateforme.NavigateurDisponible = false;
    OuvrirPageWeb(m, plateforme);
    AttendreMessage(plateforme.Journal, "Gestion des fichiers", "No association for file extension");
}

TEST(Environnement, ChaqueCodeDeLancementASonTexte)
{
    struct Cas {
        int code;
        const char* texte;
    };
    // Un code connu, le dernier de la table, et un code qu'elle ne connaît pas.
    const Cas cas[] = {{2, "Le fichier n'a pas été trouvé"},
                       {5, "Accès refusé, vos droits ne sont peut-être pas suffisants"},
                       {32, "DLL not found"},
                       {12, "Unknown error"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(TexteÉchecLancement(c.code), c.texte);
    }
}
