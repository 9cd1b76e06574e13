// La fenêtre et velmor-analyse disent la même chose de chaque figure de tests/data : la phrase de
// l'Analyse, les longueurs et les angles, lus dans la fenêtre par ses propres commandes.
#include "PartieKorvane.h"
#include "files/ChargementFigure.h"
#include "files/FichierFigure.h"
#include "support/LancerOutil.h"
#include "ui/FormAngle.h"

#include <sstream>

namespace {

// La ligne de l'outil qui commence par ce préfixe, sans lui ; vide s'il n'y en a pas.
std::string LigneOutil(const std::string& sortie, const std::string& préfixe)
{
    std::istringstream lignes(sortie);
    for (std::string ligne; std::getline(lignes, ligne);)
        if (ligne.starts_with(préfixe))
            return ligne.substr(préfixe.size());
    return {};
}

std::string Joindre(const std::vector<std::string>& tableau)
{
    std::string texte;
    for (const std::string& ligne : tableau)
        if (!ligne.empty())
            texte += (texte.empty() ? "" : " ; ") + ligne;
    return texte;
}

std::vector<std::filesystem::path> FiguresDesDonnées()
{
    std::vector<std::filesystem::path> figures;
    for (const auto& entrée : std::filesystem::directory_iterator(VELMOR_DONNEES_TESTS))
        if (entrée.path().extension() == ".lum")
            figures.push_back(entrée.path());
    return figures;
}

class KorvaneOutilAccord : public KorvaneAvecDocuments,
                           public ::testing::WithParamInterface<std::filesystem::path> {};

} // namespace

TEST_P(KorvaneOutilAccord, LaFenetreEtLOutilNommentEtMesurentPareilChaqueFigure)
{
    const SortieOutil outil = LancerVelmorAnalyse({GetParam().string()});
    const bool lue = outil.Texte.find("\n  Refusé : ") == std::string::npos;
    const bool polygone = !LigneOutil(outil.Texte, "  Polygone : ").empty();
    Ouvrir(GetParam().string());
    // Les deux refusent les mêmes fichiers et voient les mêmes polygones.
    EXPECT_EQ(m.ModeFichier, lue);
    EXPECT_EQ(k.BtonVelmor.Visible && k.BtonVelmor.Enabled, lue && polygone);
    if (!lue || !polygone)
        return;
    k.Cliquer(k.BtonVelmor);
    ASSERT_FALSE(plateforme.Textes.empty());
    const std::string phrase = plateforme.Textes.back().Texte;
    EXPECT_NE(outil.Texte.find("\n  " + phrase + "\n"), std::string::npos) << phrase << "\n" << outil.Texte;
    if (k.BtonLong.Enabled) {
        plateforme.QuandSOuvre<FormLong>([](FormLong& f) { f.BtonOk_Click(); });
        k.Cliquer(k.BtonLong);
        EXPECT_EQ(Joindre(m.TabLongueurs), LigneOutil(outil.Texte, "  Longueurs : "));
    }
    if (k.BtonAngle.Enabled) {
        plateforme.QuandSOuvre<FormAngle>([](FormAngle& f) { f.BtonOk_Click(); });
        k.Cliquer(k.BtonAngle);
        EXPECT_EQ(Joindre(m.TabAngles), LigneOutil(outil.Texte, "  Angles : "));
    }
}

INSTANTIATE_TEST_SUITE_P(FiguresDesDonnées, KorvaneOutilAccord, ::testing::ValuesIn(FiguresDesDonnées()));

// Un professeur juge avec --cible ce que le jeu aurait jugé : pour chaque cible et chaque figure que sa
// cible laisse tracer, le même verdict et la même phrase que la fenêtre après Analyse.
class KorvaneOutilVerdicts : public PartieKorvane {};

TEST_F(KorvaneOutilVerdicts, LOutilJugeChaqueFigureCommeLeJeu)
{
    DossierTemporaire classe;
    std::vector<std::string> fichiers;
    for (std::size_t f = 0; f < FiguresRéussies().size(); ++f) {
        ASSERT_TRUE(Tracer(FiguresRéussies()[f]));
        fichiers.push_back(classe
                               .Écrire("figure" + std::to_string(f) + ".lum",
                                       ÉcrireOctetsFigure(FigureDuModèle(m, true, true)))
                               .string());
        k.Cliquer(k.BtonEfface);
    }
    for (std::size_t c = 0; c < NbCibles; ++c) {
        std::vector<std::string> arguments{"--json", "--cible", std::string(TableCibles[c].Nom)};
        arguments.insert(arguments.end(), fichiers.begin(), fichiers.end());
        std::istringstream lignes(LancerVelmorAnalyse(arguments).Texte);
        for (std::size_t f = 0; f < fichiers.size(); ++f) {
            SCOPED_TRACE(std::string(TableCibles[c].Nom) + ", figure " + std::to_string(f));
            std::string ligne;
            ASSERT_TRUE(std::getline(lignes, ligne));
            if (FiguresRéussies()[f].Points.size() != TableCibles[c].NbSommets)
                continue; // le jeu ne laisse pas tracer cette figure pour cette cible
            k.Cliquer(k.ItemRéinitialiser);
            Choisir(c);
            ASSERT_TRUE(Tracer(FiguresRéussies()[f]));
            k.Cliquer(k.BtonVelmor);
            const bool réussie = m.Score == 2;
            const std::string verdict = plateforme.Textes.back().Texte;
            EXPECT_NE(ligne.find(réussie ? "\"reussie\":true" : "\"reussie\":false"), std::string::npos)
                << ligne;
            EXPECT_NE(ligne.find("\"verdict\":\"" + verdict + "\""), std::string::npos) << verdict << "\n"
                                                                                        << ligne;
        }
    }
}
