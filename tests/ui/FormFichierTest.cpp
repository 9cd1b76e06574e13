// La confirmation des fichiers figure et le dossier des documents.
#include "ui/FormFichier.h"
#include "ui/Environnement.h"

#include "support/DossierTemporaire.h"
#include "support/PlateformeScriptee.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>

TEST(FormFichier, LeDossierEtLeNomDUnChemin)
{
    for (const CasTable& c : LireTableCas("dialogues-chemins.tsv")) {
        SCOPED_TRACE(c.Où);
        EXPECT_EQ(DossierDuChemin(c[0]), c[1]);
        EXPECT_EQ(NomSansDossier(c[0]), c[2]);
    }
}

// Le dialogue du système rend la réponse de la table, puis l'élève répond à la confirmation.
TEST(FormFichier, ChaqueReponseDuSystemeASaConfirmation)
{
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);
    for (const CasTable& c : LireTableCas("dialogues-fichiers.tsv")) {
        SCOPED_TRACE(c.Où);
        const DossierTemporaire dossier;
        const std::string départ = dossier.Chemin().string();
        const auto chemin = [&départ](const std::string& nom) { return départ + "/" + nom; };
        Modulebas m;
        m.CheminDocuments = départ;
        PlateformeScriptée plateforme;
        const bool ouverture = c[0] == "ouvrir";
        std::filesystem::create_directory(dossier.Chemin() / "classe");
        if (!c[2].empty())
            dossier.Écrire(c[2], "Figure du logiciel Lumarc\r\n");
        std::optional<std::string> réponse = chemin(c[1]);
        if (c[1] == "<annulé>")
            réponse.reset();
        else if (c[1] == "<vide>")
            réponse = "";
        else if (c[1] == "<trop long>")
            réponse = chemin(std::string(300, 'a'));
        (ouverture ? plateforme.RéponsesOuvrir : plateforme.RéponsesEnregistrer).push_back(réponse);
        FormFichier f(m, plateforme, principale,
                      ouverture ? DialogueFichier::Ouverture : DialogueFichier::Enregistrement);
        if (c[7] != "cadre")
            plateforme.QuandSOuvre<FormFichier>(
                [&c](FormFichier& f) { c[7] == "Annuler" ? f.BtonAnnuler_Click() : f.BtonOk_Click(); });
        plateforme.MontrerModal(f);

        EXPECT_EQ(f.LabMessage.Caption, c[3]);
        EXPECT_EQ(f.NomFichierChoisi, c[4].empty() ? "" : chemin(c[4]));
        EXPECT_EQ(f.BtonOk.Caption, c[5]);
        EXPECT_EQ(f.BtonAnnuler.Visible, c[6] == "oui");
        // Seule une ouverture confirmée retient son dossier.
        EXPECT_EQ(m.CheminDocuments, ouverture && !c[4].empty() ? DossierDuChemin(chemin(c[4])) : départ);
    }
}

// Le sous-dossier Velmor des documents est créé s'il manque ; sans documents, rien.
TEST(Environnement, LeDossierDesFiguresEstLeSousDossierVelmorDesDocuments)
{
    DossierTemporaire maison;
    const std::string documents = maison.Chemin() / "Documents";
    std::filesystem::create_directory(documents);
    const std::string absent = maison.Chemin() / "absent";
    const std::pair<std::string, std::string> cas[] = {
        {absent, ""}, {"", ""}, {documents, documents + "/Velmor"}, {documents + "/", documents + "/Velmor"}};
    for (const auto& [système, attendu] : cas) {
        SCOPED_TRACE(système);
        Modulebas m;
        m.CheminDocuments = "/ancien";
        PlateformeScriptée plateforme;
        plateforme.DossierDocuments = système;
        ChercherDossierDocuments(m, plateforme);
        EXPECT_EQ(m.CheminDocuments, attendu);
        EXPECT_TRUE(attendu.empty() || std::filesystem::is_directory(attendu));
    }
}
