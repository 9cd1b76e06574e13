// Le fichier d'aide : son sommaire, ses rubriques, son emplacement, et l'aide livrée avec le programme.
// La fenêtre de l'aide lit déjà le sommaire et les rubriques de aide-courte.dat et dit un fichier absent.
#include "files/CheminFichierAide.h"
#include "files/ClassLireAide.h"
#include "files/SommaireAide.h"

#include "support/DossierTemporaire.h"
#include "support/MessagerieEnregistree.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

LignesTexte Texte(const std::vector<std::string>& lignes)
{
    std::string texte;
    for (const std::string& ligne : lignes)
        texte += ligne + "\n";
    return LignesTexte(texte);
}

} // namespace

TEST(Aide, LeSommaireNeGardeQueLesVraiesBalisesEtQuinzeRubriques)
{
    const std::pair<std::vector<std::string>, std::vector<std::string>> cas[] = {
        {{"<Aide>", "<Un>", "x < 3 et y <= 4", "x <= 3", "</Un>", "</Aide>"}, {"Aide", "Un"}},
        {{"<Aide>", "<Un>", "a<b>", "</Un>", "</Aide>"}, {"Aide", "Un", "b"}},
        // Un < sans > saute la ligne ; seul le premier < de la ligne compte ; le titre va jusqu'au premier >.
        {{"<Aide>", "<Un", "a<b", "fin <", "<Deux>", "</Aide>"}, {"Aide", "Deux"}},
        {{"<Aide>", "x < 3 puis <c>", "</Un> <d>"}, {"Aide"}},
        {{"<Aide>", "<Un> deux>", "<>"}, {"Aide", "Un", ""}},
        {{"du texte", ""}, {}},
    };
    for (const auto& [lignes, titres] : cas) {
        SCOPED_TRACE(lignes.front());
        const auto sommaire = SommaireDesLignes(Texte(lignes));
        EXPECT_EQ(sommaire.Titres, titres);
        EXPECT_FALSE(sommaire.Message);
    }
    std::vector<std::string> seize{"<Aide>"};
    for (int i = 1; i <= 16; ++i)
        seize.insert(seize.end(), {"<R" + std::to_string(i) + ">", "texte", "</R" + std::to_string(i) + ">"});
    const auto sommaire = SommaireDesLignes(Texte(seize));
    EXPECT_EQ(sommaire.NbRubriques(), 15);
    EXPECT_EQ(sommaire.Message,
              (MessageTitré{"Lecture du fichier d'aide", std::string(TexteTropDeRubriques)}));
    seize.erase(seize.end() - 3, seize.end());
    EXPECT_FALSE(SommaireDesLignes(Texte(seize)).Message);
}

TEST(Aide, UneRubriqueVaJusquASaBaliseDeFinOuManque)
{
    const std::tuple<std::vector<std::string>, std::string, std::string, bool> cas[] = {
        {{"<Aide>", "<Un>", "a", "b"}, "Un", "a\nb", false},
        {{"<Aide>", "<Un>", "</Un>"}, "Deux", "", false},
        // Un titre d'autre casse est manquant ; la première ligne est la racine, jamais une rubrique.
        {{"<Aide>", "<Points>", "</Points>", "</Aide>"}, "points", "", true},
        {{"<Points>", "</Points>", "</Aide>"}, "Points", "", true},
    };
    for (const auto& [lignes, titre, texte, manquante] : cas) {
        SCOPED_TRACE(titre);
        const auto rubrique = RubriqueDesLignes(Texte(lignes), titre);
        EXPECT_EQ(rubrique.Texte, texte);
        EXPECT_EQ(rubrique.Manquante, manquante);
    }
    // Lue dans le fichier, une rubrique manquante le dit ; un fichier introuvable, déjà signalé par le
    // sommaire, se tait.
    Modulebas m;
    for (const auto& [fichier, message] :
         {std::pair{"aide-courte.dat", true}, std::pair{"absent.dat", false}}) {
        MessagerieEnregistrée messagerie;
        ClassLireAide lecteur(m, messagerie);
        lecteur.CheminAide(Données / fichier);
        lecteur.ChaîneBalise("démarrer");
        EXPECT_EQ(lecteur.ChaîneAide(), "");
        const MessageTitré rubriqueManquante{"Lecture du fichier d'aide",
                                             std::string(TexteRubriqueManquante)};
        EXPECT_EQ(messagerie.Messages, std::vector<MessageTitré>(message ? 1 : 0, rubriqueManquante))
            << fichier;
    }
}

TEST(Aide, LeFichierEstPrisOuIlExisteACoteDuProgrammeDAbord)
{
    DossierTemporaire dossier;
    std::filesystem::create_directories(dossier.Chemin() / "bin");
    std::filesystem::create_directories(dossier.Chemin() / "share" / "velmor");
    const std::string programme = (dossier.Chemin() / "bin").string() + "/";
    // Rien nulle part : le message nommera le fichier à côté du programme.
    EXPECT_EQ(CheminFichierAide(programme), programme + "Velmor.dat");
    const auto installé = dossier.Écrire("share/velmor/Velmor.dat", "<Aide>\r\n</Aide>\r\n");
    EXPECT_TRUE(std::filesystem::equivalent(CheminFichierAide(programme), installé));
    dossier.Écrire("bin/Velmor.dat", "<Aide>\r\n</Aide>\r\n");
    EXPECT_EQ(CheminFichierAide(programme), programme + "Velmor.dat");
}

TEST(Aide, LAideLivreeEstEnWindows1252CRLFEtChaqueRubriqueSeLit)
{
    const auto chemin = Données / ".." / ".." / "data" / "Velmor.dat";
    const auto octets = LireTout(chemin);
    for (std::size_t i = octets.find('\n'); i != std::string::npos; i = octets.find('\n', i + 1))
        ASSERT_EQ(octets[i - 1], '\r') << "octet " << i;
    EXPECT_TRUE(octets.ends_with("</Aide>\r\n"));
    // Un « é » en UTF-8 (C3 A9) serait un « Ã© » à l'écran.
    EXPECT_EQ(octets.find("\xC3\xA9"), std::string::npos);
    EXPECT_NE(octets.find("\xE9"), std::string::npos);

    const auto sommaire = LireSommaireAide(chemin);
    EXPECT_FALSE(sommaire.Message);
    EXPECT_GE(sommaire.NbRubriques(), 10);
    Modulebas m;
    MessagerieEnregistrée messagerie;
    ClassLireAide lecteur(m, messagerie);
    lecteur.CheminAide(chemin);
    for (std::size_t k = 1; k < sommaire.Titres.size(); ++k) {
        lecteur.ChaîneBalise(sommaire.Titres[k]);
        const auto texte = lecteur.ChaîneAide();
        EXPECT_GT(texte.size(), 200u) << sommaire.Titres[k];
        EXPECT_EQ(texte.find('<' + sommaire.Titres[k]), std::string::npos) << sommaire.Titres[k];
    }
    EXPECT_TRUE(messagerie.Messages.empty());
}
