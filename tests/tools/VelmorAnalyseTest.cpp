#include "support/DossierTemporaire.h"
#include "support/LancerOutil.h"
#include "support/TableCas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

const std::string Données = VELMOR_DONNEES_TESTS;
const std::string Marque = "<données>";

std::string Remplacer(std::string texte, const std::string& ancien, const std::string& nouveau)
{
    for (auto i = texte.find(ancien); i != std::string::npos; i = texte.find(ancien, i + nouveau.size()))
        texte.replace(i, ancien.size(), nouveau);
    return texte;
}

// Les sorties comparées aux fichiers de données ne dépendent pas de l'endroit du dépôt.
std::string Marqué(const std::string& texte)
{
    return Remplacer(texte, Données, Marque);
}

std::vector<std::string> Lignes(const std::string& texte)
{
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);)
        lignes.push_back(ligne);
    return lignes;
}

} // namespace

TEST(VelmorAnalyse, CodeDeSortieEtPremiereLigneDeChaqueLigneDeCommande)
{
#ifdef VELMOR_IMAGES
    const std::string aide = LireTout(CheminDonnées("outil-aide.txt"));
#else
    const std::string aide = LireTout(CheminDonnées("outil-aide-sans-images.txt")); // ni Qt, ni --image
#endif
    EXPECT_EQ(LancerVelmorAnalyse({"--help"}).Texte, aide);
    const std::string rappel = aide.substr(0, aide.find("\n\n") + 1) + "Essayez « velmor-analyse --help ».\n";
    for (const CasTable& cas : LireTableCas("outil-usages.tsv")) {
        SCOPED_TRACE(cas.Où);
#ifndef VELMOR_IMAGES
        if (cas[0].find("--image") != std::string::npos)
            continue; // sans Qt, --image n'est qu'une erreur d'usage, vérifiée avec l'outil de node
#endif
        std::vector<std::string> arguments;
        std::istringstream mots(Remplacer(cas[0], Marque, Données));
        for (std::string mot; mots >> mot;)
            arguments.push_back(mot);
        const SortieOutil sortie = LancerVelmorAnalyse(arguments);
        EXPECT_EQ(sortie.Code, std::stoi(cas[1]));
        EXPECT_EQ(Marqué(sortie.Texte.substr(0, sortie.Texte.find('\n'))),
                  Remplacer(cas[3], "<version>", VELMOR_VERSION));
        // Une erreur d'usage rappelle l'utilisation, et rien d'autre.
        const bool usage = cas[1] == "2";
        const std::string erreurs =
            (cas[2].empty() ? "" : "velmor-analyse : " + cas[2] + "\n") + (usage ? rappel : "");
        const std::string lues = Marqué(sortie.Erreurs);
        EXPECT_EQ(usage ? lues : lues.substr(0, erreurs.size()), erreurs);
        EXPECT_EQ(lues.empty(), erreurs.empty());
    }
}

// Les expressions sont celles des lignes du résultat attendu qui ne sont pas des fautes.
TEST(VelmorAnalyse, CalculeChaqueExpressionEnTexteEtEnJson)
{
    const std::string attendu = LireTout(CheminDonnées("outil-calcul.txt"));
    std::vector<std::string> arguments{"--calcul"};
    for (const std::string& ligne : Lignes(attendu))
        if (!ligne.starts_with("  "))
            arguments.push_back(ligne.substr(0, std::min(ligne.find(" = "), ligne.find(" : sans résultat"))));
    const SortieOutil texte = LancerVelmorAnalyse(arguments);
    EXPECT_EQ(texte.Texte, attendu);
    EXPECT_EQ(texte.Erreurs, "velmor-analyse : 5 calculs sans faute, 5 en faute.\n");
    EXPECT_EQ(texte.Code, 1);
    arguments.insert(arguments.begin(), "--json");
    EXPECT_EQ(LancerVelmorAnalyse(arguments).Texte, LireTout(CheminDonnées("outil-calcul.jsonl")));
}

// Une faute par paire de parenthèses vides, mais l'expression n'est écrite qu'une fois.
TEST(VelmorAnalyse, EcritUneSortieProportionnelleALEntree)
{
    std::string vides;
    for (int i = 0; i < 2000; ++i)
        vides += "()";
    const SortieOutil sortie = LancerVelmorAnalyse({"--calcul", vides});
    EXPECT_EQ(sortie.Texte.find(vides), 0u);
    EXPECT_EQ(sortie.Texte.find(vides, 1), std::string::npos);
    EXPECT_EQ(std::count(sortie.Texte.begin(), sortie.Texte.end(), '\n'), 2001);
}

TEST(VelmorAnalyse, SortAvecUnQuandLaSortieNePeutEtreEcrite)
{
    for (const char* redirection : {">/dev/full", ">&-"}) {
        SCOPED_TRACE(redirection);
        const SortieOutil sortie = LancerVelmorAnalyse({"--calcul", "RAC(2)"}, redirection);
        EXPECT_EQ(sortie.Code, 1);
        EXPECT_NE(sortie.Erreurs.find("velmor-analyse : écriture impossible sur la sortie standard"),
                  std::string::npos)
            << sortie.Erreurs;
    }
}

// Les fichiers sont les lignes du résumé attendu qui ne sont pas en retrait ; chaque refus dit sa raison
// sur la sortie d'erreur, et --cible n'ajoute que ses verdicts.
TEST(VelmorAnalyse, ResumeChaqueFigureEtDitPourquoiChaqueFichierEstRefuse)
{
    const std::string attendu = LireTout(CheminDonnées("outil-resume.txt"));
    std::vector<std::string> arguments{"--cible", "carre"};
    std::string sansCible;
    for (const std::string& ligne : Lignes(attendu)) {
        if (!ligne.starts_with("  "))
            arguments.push_back(Remplacer(ligne, Marque, Données));
        if (!ligne.starts_with("  Cible "))
            sansCible += ligne + "\n";
    }
    const SortieOutil sortie = LancerVelmorAnalyse(arguments);
    EXPECT_EQ(Marqué(sortie.Texte), attendu);
    EXPECT_EQ(Marqué(sortie.Erreurs), LireTout(CheminDonnées("outil-resume-erreurs.txt")));
    EXPECT_EQ(sortie.Code, 1);
    EXPECT_EQ(Marqué(LancerVelmorAnalyse({arguments.begin() + 2, arguments.end()}).Texte), sansCible);
}

TEST(VelmorAnalyse, EcritUnObjetJsonParFigure)
{
    const auto morceaux = LireTableCas("outil-json.tsv");
    std::vector<std::string> arguments{"--json"};
    for (const CasTable& cas : morceaux)
        if (arguments.back() != Données + "/" + cas[0])
            arguments.push_back(Données + "/" + cas[0]);
    const SortieOutil sortie = LancerVelmorAnalyse(arguments);
    EXPECT_EQ(sortie.Code, 1);
    const auto lignes = Lignes(Marqué(sortie.Texte));
    ASSERT_EQ(lignes.size(), arguments.size() - 1);
    for (const CasTable& cas : morceaux) {
        const auto i =
            std::find(arguments.begin(), arguments.end(), Données + "/" + cas[0]) - arguments.begin() - 1;
        const std::string& ligne = lignes[static_cast<std::size_t>(i)];
        EXPECT_NE(ligne.find("\"fichier\":\"" + Marque + "/" + cas[0] + "\""), std::string::npos) << cas.Où;
        EXPECT_NE(ligne.find(cas[1]), std::string::npos) << cas.Où << "\n" << ligne;
    }
}

// Ce qu'un tableur français ouvre tel quel : la marque UTF-8, « ; » entre les colonnes, les champs qui
// en contiennent entre guillemets, une formule désarmée par une apostrophe, et le verdict de la cible.
TEST(VelmorAnalyse, LeCsvSOuvreDansUnTableurAvecLeVerdict)
{
    std::vector<std::string> arguments{"--csv", "--cible", "carre"};
    for (const char* fichier : {"carre-decimal.lum", "triangle-rectangle.lum", "points-sans-polygone.lum",
                                "triangle-tronque.lum", "absent;\"x\".lum"})
        arguments.push_back(Données + "/" + fichier);
    arguments.push_back("=1+1.lum"); // une formule pour un tableur
    const SortieOutil sortie = LancerVelmorAnalyse(arguments);
    EXPECT_EQ(Marqué(sortie.Texte), LireTout(CheminDonnées("outil-cible-carre.csv")));
    EXPECT_EQ(sortie.Code, 1);
}

// Un texte venu d'un fichier ou de son nom ne colore ni n'efface le terminal qui le lit.
TEST(VelmorAnalyse, EchappeLesCaracteresDeControle)
{
    const DossierTemporaire dossier;
    std::string octets = LireTout(Données + "/triangle-rectangle.lum");
    const std::string abscisseB = "\r\n4\r\n0\r\nB";
    octets.replace(octets.find(abscisseB), abscisseB.size(), "\r\n4\x1b[2J\x7f\r\n0\r\nB");
    const SortieOutil sortie = LancerVelmorAnalyse({dossier.Écrire("controle.lum", octets).string()});
    EXPECT_EQ(sortie.Code, 0);
    EXPECT_NE(sortie.Texte.find("B(4\\x1b[2J\\x7f ; 0)"), std::string::npos) << sortie.Texte;
    EXPECT_EQ(sortie.Texte.find_first_of("\x1b\x7f"), std::string::npos);
    const SortieOutil absent = LancerVelmorAnalyse({"a\xc2\x9b.lum"});
    EXPECT_EQ(absent.Texte, "a\\u009b.lum\n  Refusé : fichier introuvable\n");
    EXPECT_TRUE(absent.Erreurs.starts_with("velmor-analyse : a\\u009b.lum : fichier introuvable\n"));
}
