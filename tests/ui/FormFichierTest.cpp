#include "ui/FormFichier.h"

#include "support/DossierTemporaire.h"
#include "support/PlateformeScriptee.h"

#include <gtest/gtest.h>

namespace {

struct Confirmation {
    DossierTemporaire dossier;
    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);

    Confirmation() { m.CheminDocuments = dossier.Chemin().string(); }

    std::string Chemin(const std::string& nom) const { return dossier.Chemin().string() + "/" + nom; }

    // Le dialogue du système rend la réponse préparée, puis l'élève presse Valider.
    std::unique_ptr<FormFichier> Montrer(DialogueFichier genre, std::optional<std::string> réponse)
    {
        auto& réponses = genre == DialogueFichier::Enregistrement ? plateforme.RéponsesEnregistrer
                                                                  : plateforme.RéponsesOuvrir;
        réponses.push_back(std::move(réponse));
        auto fenêtre = std::make_unique<FormFichier>(m, plateforme, principale, genre);
        plateforme.QuandSOuvre<FormFichier>([](FormFichier& f) { f.BtonOk_Click(); });
        plateforme.MontrerModal(*fenêtre);
        return fenêtre;
    }
};

} // namespace

TEST(FormFichier, LeDossierEtLeNomDUnChemin)
{
    struct Cas {
        const char* chemin;
        const char* dossier;
        const char* nom;
    };
    for (const Cas c : {Cas{"/home/élève/Velmor/carré.lum", "/home/élève/Velmor", "carré.lum"},
                        Cas{"/figure.lum", "", "figure.lum"}, Cas{"figure.lum", "", "figure.lum"}}) {
        SCOPED_TRACE(c.chemin);
        EXPECT_EQ(DossierDuChemin(c.chemin), c.dossier);
        EXPECT_EQ(NomSansDossier(c.chemin), c.nom);
    }
}

TEST(FormFichier, LEnregistrementAjouteLExtensionEtAnnonceLeNom)
{
    struct Cas {
        const char* tapé;
        const char* enregistré;
    };
    for (const Cas c :
         {Cas{"carré", "carré.lum"}, Cas{"carré.lum", "carré.lum"}, Cas{"CARRE.LUM", "CARRE.LUM.lum"}}) {
        SCOPED_TRACE(c.tapé);
        Confirmation o;
        const std::string dossierDeDépart = o.m.CheminDocuments;
        const auto f = o.Montrer(DialogueFichier::Enregistrement, o.Chemin(c.tapé));
        ASSERT_EQ(o.plateforme.DialoguesEnregistrer.size(), 1u);
        EXPECT_EQ(o.plateforme.DialoguesEnregistrer[0].Titre, "Enregistrement d'un fichier figure");
        EXPECT_EQ(o.plateforme.DialoguesEnregistrer[0].Filtre, "Figure du logiciel Velmor (*.lum)");
        EXPECT_EQ(o.plateforme.DialoguesEnregistrer[0].Dossier, dossierDeDépart);
        EXPECT_EQ(f->LabMessage.Caption,
                  std::string("La figure va être enregistre sous le nom : «") + c.enregistré + "»");
        EXPECT_EQ(f->NomFichierChoisi, o.Chemin(c.enregistré));
        EXPECT_TRUE(f->BtonAnnuler.Visible);
    }
}

TEST(FormFichier, UneFigureDeCeNomDemandeConfirmationAvantDEtreEcrasee)
{
    Confirmation o;
    o.dossier.Écrire("carré.lum", "Figure du logiciel Lumarc\r\n");
    for (const char* tapé : {"carré", "carré.lum"}) {
        SCOPED_TRACE(tapé);
        const auto f = o.Montrer(DialogueFichier::Enregistrement, o.Chemin(tapé));
        EXPECT_EQ(f->LabMessage.Caption,
                  "Attention, une figure de ce nom existe déjà, elle va être écrasée. Confirmation ?");
        EXPECT_EQ(f->NomFichierChoisi, o.Chemin("carré.lum"));
    }
}

TEST(FormFichier, LOuvertureAnnonceLaFigureEtRetientSonDossier)
{
    Confirmation o;
    std::filesystem::create_directory(o.dossier.Chemin() / "classe");
    const auto f = o.Montrer(DialogueFichier::Ouverture, o.Chemin("classe/losange.lum"));
    ASSERT_EQ(o.plateforme.DialoguesOuvrir.size(), 1u);
    EXPECT_EQ(o.plateforme.DialoguesOuvrir[0].Titre, "Ouverture d'un fichier figure");
    EXPECT_EQ(o.plateforme.DialoguesOuvrir[0].Filtre, "Figure du logiciel Lumarc (*.lum)");
    EXPECT_EQ(o.plateforme.DialoguesOuvrir[0].Dossier, o.dossier.Chemin().string());
    EXPECT_EQ(f->LabMessage.Caption, "La figure : «losange.lum» va être ouverte.");
    EXPECT_EQ(f->NomFichierChoisi, o.Chemin("classe/losange.lum"));
    EXPECT_EQ(o.m.CheminDocuments, o.Chemin("classe"));
    EXPECT_EQ(f->Form.Caption, "Gestion des fichiers");
}

TEST(FormFichier, UneAnnulationDuDialogueNeLaisseQueOk)
{
    struct Cas {
        DialogueFichier genre;
        const char* texte;
    };
    for (const Cas c : {Cas{DialogueFichier::Enregistrement, "      Sauvegarde annulée par l'utilisateur"},
                        Cas{DialogueFichier::Ouverture, "      Ouverture annulée par l'utilisateur"}}) {
        SCOPED_TRACE(c.texte);
        Confirmation o;
        const std::string dossier = o.m.CheminDocuments;
        const auto f = o.Montrer(c.genre, std::nullopt);
        EXPECT_EQ(f->LabMessage.Caption, c.texte);
        EXPECT_FALSE(f->BtonAnnuler.Visible);
        EXPECT_EQ(f->BtonOk.Caption, "Ok");
        EXPECT_EQ(f->NomFichierChoisi, "");
        EXPECT_EQ(o.m.CheminDocuments, dossier);
    }
}

TEST(FormFichier, RefuserLaConfirmationNeChoisitRien)
{
    for (const char* façon : {"Annuler", "cadre"}) {
        SCOPED_TRACE(façon);
        Confirmation o;
        o.plateforme.RéponsesEnregistrer.push_back(o.Chemin("carré"));
        FormFichier f(o.m, o.plateforme, o.principale, DialogueFichier::Enregistrement);
        if (std::string(façon) == "Annuler")
            o.plateforme.QuandSOuvre<FormFichier>([](FormFichier& f) { f.BtonAnnuler_Click(); });
        o.plateforme.MontrerModal(f);
        EXPECT_TRUE(f.EstFermée());
        EXPECT_EQ(f.NomFichierChoisi, "");
    }
}

TEST(FormFichier, UnProblemeDAccesNeConfirmeAucunFichier)
{
    Confirmation o;
    const std::string tropLong = o.Chemin(std::string(300, 'a'));
    for (const std::string& réponse : {tropLong, std::string()}) {
        SCOPED_TRACE(réponse.size());
        const auto f = o.Montrer(DialogueFichier::Enregistrement, réponse);
        EXPECT_EQ(f->LabMessage.Caption, "    Problème d'accès au système de fichiers ...");
        EXPECT_EQ(f->NomFichierChoisi, "");
        EXPECT_EQ(f->BtonOk.Caption, "Valider");
    }
}
