// La confirmation des fichiers figure et l'environnement : dossier des documents, page web, lancements.
#include "ui/FormFichier.h"
#include "ui/Environnement.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"
#include "support/PlateformeScriptee.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>

namespace {

struct Confirmation {
    DossierTemporaire dossier;
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);

    Confirmation() { m.CheminDocuments = dossier.Chemin().string(); }

    std::string Chemin(const std::string& nom) const { return dossier.Chemin().string() + "/" + nom; }
};

} // namespace

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
    for (const CasTable& c : LireTableCas("dialogues-fichiers.tsv")) {
        SCOPED_TRACE(c.Où);
        Confirmation o;
        const std::string départ = o.m.CheminDocuments;
        const bool ouverture = c[0] == "ouvrir";
        std::filesystem::create_directory(o.dossier.Chemin() / "classe");
        if (!c[2].empty())
            o.dossier.Écrire(c[2], "Figure du logiciel Lumarc\r\n");
        std::optional<std::string> réponse = o.Chemin(c[1]);
        if (c[1] == "<annulé>")
            réponse.reset();
        else if (c[1] == "<vide>")
            réponse = "";
        else if (c[1] == "<trop long>")
            réponse = o.Chemin(std::string(300, 'a'));
        (ouverture ? o.plateforme.RéponsesOuvrir : o.plateforme.RéponsesEnregistrer).push_back(réponse);
        FormFichier f(o.m, o.plateforme, o.principale,
                      ouverture ? DialogueFichier::Ouverture : DialogueFichier::Enregistrement);
        if (c[7] != "cadre")
            o.plateforme.QuandSOuvre<FormFichier>(
                [&c](FormFichier& f) { c[7] == "Annuler" ? f.BtonAnnuler_Click() : f.BtonOk_Click(); });
        o.plateforme.MontrerModal(f);
        EXPECT_TRUE(f.EstFermée());

        const auto& dialogues = ouverture ? o.plateforme.DialoguesOuvrir : o.plateforme.DialoguesEnregistrer;
        ASSERT_EQ(dialogues.size(), 1u);
        EXPECT_EQ(dialogues[0].Titre,
                  ouverture ? "Ouverture d'un fichier figure" : "Enregistrement d'un fichier figure");
        EXPECT_EQ(dialogues[0].Filtre,
                  ouverture ? "Figure du logiciel Lumarc (*.lum)" : "Figure du logiciel Velmor (*.lum)");
        EXPECT_EQ(dialogues[0].Dossier, départ);
        EXPECT_EQ(f.LabMessage.Caption, c[3]);
        EXPECT_EQ(f.NomFichierChoisi, c[4].empty() ? "" : o.Chemin(c[4]));
        EXPECT_EQ(f.BtonOk.Caption, c[5]);
        EXPECT_EQ(f.BtonAnnuler.Visible, c[6] == "oui");
        // Seule une ouverture confirmée retient son dossier.
        EXPECT_EQ(o.m.CheminDocuments, ouverture && !c[4].empty() ? DossierDuChemin(o.Chemin(c[4])) : départ);
    }
}

// Le sous-dossier Velmor des documents est créé s'il manque, gardé s'il existe ; sans documents, rien.
TEST(Environnement, LeDossierDesFiguresEstLeSousDossierVelmorDesDocuments)
{
    DossierTemporaire maison;
    const std::string documents = maison.Chemin() / "Documents";
    const std::string absent = maison.Chemin() / "absent";
    std::filesystem::create_directory(documents);
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
        EXPECT_EQ(m.CheminDocumentsMémorisé, attendu);
        EXPECT_TRUE(attendu.empty() || std::filesystem::is_directory(attendu));
        if (attendu.empty())
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(maison.Chemin()), {}), 1);
        else
            maison.Écrire("Documents/Velmor/triangle.lum", "Figure du logiciel Lumarc\r\n");
    }
    EXPECT_EQ(LireTout(documents + "/Velmor/triangle.lum"), "Figure du logiciel Lumarc\r\n");
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
    for (const CasTable& c : LireTableCas("dialogues-codes-lancement.tsv")) {
        SCOPED_TRACE(c.Où);
        EXPECT_EQ(TexteÉchecLancement(std::stoi(c[0])), c[1]);
    }
}
