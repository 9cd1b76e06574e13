// Les fichiers de figure : lecture, réécriture octet pour octet, refus, et passage par le modèle.
// La fenêtre enregistre déjà (remplacement sûr, lien, lecture seule) et montre chaque refus sans rien perdre.
#include "files/FichierFigure.h"
#include "files/ChargementFigure.h"
#include "files/EcritureFichier.h"
#include "files/LectureFichier.h"

#include "support/DossierTemporaire.h"
#include "support/TableCas.h"

#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

// La figure lue, posée dans le modèle à l'unité de départ, puis reprise pour être enregistrée.
FigureFichier ParLeModèle(const FigureFichier& lue)
{
    Modulebas m;
    ChargerFigure(m, lue);
    m.Unité = 450;
    m.XMax = XMaxDuRapport(m.Unité, lue.RapportZoom);
    return FigureDuModèle(m, lue.AxesAffichés.value_or(true), lue.QuadrillageAffiché.value_or(true));
}

} // namespace

TEST(FichierFigure, ChaqueFichierDeLaTableSeRelitOuEstRefuse)
{
    const std::map<std::string, RefusLecture> refus = {
        {"illisible", {{"Gestion des fichier", std::string(TexteFichierIllisible)}, true}},
        {"incompatible", {{"Gestion des fichier", std::string(TexteFichierIncompatible)}, true}},
        {"non conforme", {{"Gestion des figures", std::string(TexteFichierNonConforme)}, false}},
    };
    for (const CasTable& cas : LireTableCas("fichiers-figure.tsv")) {
        SCOPED_TRACE(cas.Où + " : " + cas[0]);
        const LectureFigure lecture = LireFichierFigure(Données / cas[0]);
        if (refus.contains(cas[1])) {
            EXPECT_FALSE(lecture.Figure);
            ASSERT_TRUE(lecture.Refus);
            EXPECT_EQ(lecture.Refus->Message, refus.at(cas[1]).Message);
            EXPECT_EQ(lecture.Refus->LectureRatée, refus.at(cas[1]).LectureRatée);
            continue;
        }
        ASSERT_TRUE(lecture.Figure);
        EXPECT_FALSE(lecture.Refus);
        const std::string attendu = LireTout(Données / (cas[1] == "identique" ? cas[0] : cas[1]));
        EXPECT_EQ(ÉcrireOctetsFigure(*lecture.Figure), attendu);
        if (cas[2] == "modèle") {
            EXPECT_EQ(ÉcrireOctetsFigure(ParLeModèle(*lecture.Figure)), attendu);
        }
    }
}

TEST(FichierFigure, LesChampsSeLisentEtSEcriventSousLeurForme)
{
    FigureFichier triangle;
    triangle.Points = {{"0", "0", "A", 1, false}, {"4", "0", "B", 1, false}, {"0", "3", "C", 1, false}};
    triangle.Tracés = {"Point A", "Point B", "Point C", "Polygone ABC"};
    triangle.QuadrillageAffiché = false;
    EXPECT_EQ(LireFichierFigure(Données / "triangle-rectangle.lum").Figure, triangle);
    EXPECT_EQ(PolygoneDeLaFigure(triangle), "ABC");
    // Le premier polygone de l'historique est celui qu'on reconstruit.
    triangle.Tracés.push_back("Polygone CBA");
    EXPECT_EQ(PolygoneDeLaFigure(triangle), "ABC");
    triangle.Tracés = {"Point A", "Point B", "Point C"};
    EXPECT_EQ(PolygoneDeLaFigure(triangle), std::nullopt);
    // Le fichier garde la forme tapée, sauf la virgule décimale ; un texte à blanc de tête ou à virgule est
    // entre guillemets.
    triangle.Points = {{"2,5", "-1,25+RAC(2)", ",", 0, true}, {"1", " 3", "B", 1, false}};
    EXPECT_NE(
        ÉcrireOctetsFigure(triangle).find("2.5\r\n-1.25+RAC(2)\r\n\",\"\r\n 0 \r\nTrue\r\n1\r\n\" 3\"\r\n"),
        std::string::npos);
}

TEST(FichierFigure, LeRapportRedonneLeXMaxDuZoom)
{
    for (std::int32_t xMax = 500; xMax <= 20000; xMax += 250) {
        FigureFichier figure;
        figure.RapportZoom = RapportZoom(450, xMax);
        const auto lecture = LireOctetsFigure(ÉcrireOctetsFigure(figure));
        ASSERT_TRUE(lecture.Figure) << xMax;
        EXPECT_EQ(XMaxDuRapport(450, lecture.Figure->RapportZoom), xMax);
    }
    EXPECT_EQ(XMaxDuRapport(450, 1e-300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(XMaxDuRapport(450, 1e300), 1);
    EXPECT_EQ(XMaxDuRapport(450, 3), 1500);
}

// Les tableaux du modèle prennent une place de plus que la figure, l'historique par pas de dix.
TEST(FichierFigure, UneFigureChargeeDonneSesCapacitesAuModele)
{
    Modulebas m;
    m.PolygoneTracé = true;
    ChargerFigure(m, *LireFichierFigure(Données / "hexagone-calcule.lum").Figure);
    EXPECT_EQ(m.CapPoints(), 7u);
    EXPECT_EQ(m.TabLongueurs.size(), 8u);
    EXPECT_EQ(m.CapTracés(), 10u);
    EXPECT_EQ(m.ChaîneSommets, "ABCDEF");
    EXPECT_FALSE(m.PolygoneTracé);
    EXPECT_EQ(m.Précision, 2);

    FigureFichier longue;
    for (char nom = 'A'; nom <= 'L'; ++nom) {
        longue.Points.push_back({"0", "0", std::string(1, nom), 1, false});
        longue.Tracés.push_back(std::string("Point ") + nom);
    }
    Modulebas autre;
    ChargerFigure(autre, longue);
    EXPECT_EQ(autre.CapTracés(), 13u);
    EXPECT_EQ(autre.Tracés[12], "Point L");
    EXPECT_EQ(autre.ChaîneSommets, "");
}

// Chaque échec de l'écriture laisse l'ancien fichier et aucun autre, et dit pourquoi. Le disque plein est
// simulé par la taille de fichier permise au processus : l'écriture s'arrête en route, comme sur un disque
// qui se remplit.
TEST(FichierFigure, UneEcritureRateeLaisseLAncienFichierEtLeDit)
{
    const DossierTemporaire dossier;
    const auto figure = dossier.Écrire("figure.lum", "ancienne");
    std::filesystem::create_directory(dossier.Chemin() / "occupé.lum");
    const std::string octets(4096, 'x');
#ifndef __EMSCRIPTEN__ // node ne borne pas la taille des fichiers d'un processus
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limite), 0);
    rlimit plein = limite;
    plein.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &plein), 0);
    const std::error_code disquePlein = RemplacerFichier(figure, octets, LienFinal::Suivi);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_EQ(disquePlein.value(), EFBIG);
    EXPECT_EQ(LireTout(figure), "ancienne");
#endif
    // Un dossier au nom du fichier ne peut pas être remplacé ; un dossier absent ne reçoit rien.
    EXPECT_EQ(RemplacerFichier(dossier.Chemin() / "occupé.lum", octets, LienFinal::Suivi).value(), EISDIR);
    EXPECT_EQ(RemplacerFichier(dossier.Chemin() / "absent" / "f", octets, LienFinal::Suivi).value(), ENOENT);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 2);

    const auto résultat = EnregistrerFichierFigure(dossier.Chemin() / "occupé.lum", FigureFichier{});
    EXPECT_FALSE(résultat.Réussi);
    EXPECT_EQ(résultat.Message, (MessageTitré{"Gestion des fichier", std::string(TexteSauvegardeRatée)}));

#ifndef __EMSCRIPTEN__ // node ne lance pas d'enfant
    // Un fichier en lecture seule, pour un utilisateur ordinaire : root écrirait tout, l'enfant devient donc
    // « nobody » avant d'écrire, et dit par son code de sortie ce qu'il a vu.
    std::filesystem::permissions(figure, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    constexpr uid_t personne = 65534;
    if (::geteuid() == 0) {
        for (const auto& chemin : {dossier.Chemin(), figure})
            ASSERT_EQ(::chown(chemin.c_str(), personne, personne), 0);
    }
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        if (::geteuid() == 0 && (::setgid(personne) != 0 || ::setuid(personne) != 0))
            ::_exit(2);
        ::_exit(RemplacerFichier(figure, octets, LienFinal::Suivi).value() == EACCES ? 0 : 1);
    }
    int état = 0;
    ASSERT_EQ(::waitpid(enfant, &état, 0), enfant);
    EXPECT_TRUE(WIFEXITED(état) && WEXITSTATUS(état) == 0) << "1 : écrit en lecture seule ; 2 : setuid";
    EXPECT_EQ(LireTout(figure), "ancienne");
#endif
}

// Le lien que l'élève choisit mène au fichier remplacé ; le lien reste un lien.
TEST(FichierFigure, UneEcritureSuitLeLienChoisi)
{
    const DossierTemporaire dossier;
    const auto vraie = dossier.Écrire("vraie.lum", "ancienne");
    std::filesystem::create_symlink("vraie.lum", dossier.Chemin() / "lien.lum");
    EXPECT_FALSE(RemplacerFichier(dossier.Chemin() / "lien.lum", "nouvelle", LienFinal::Suivi));
    EXPECT_TRUE(std::filesystem::is_symlink(dossier.Chemin() / "lien.lum"));
    EXPECT_EQ(LireTout(vraie), "nouvelle");
}

// La lecture de l'outil et de la fenêtre : un fichier de la taille permise se lit en entier ; un octet de
// plus, un dossier, une file nommée ou un périphérique sont refusés sans être lus ni attendus.
TEST(FichierFigure, LeLecteurRefuseCeQuiNEstPasUnFichierDeTaillePermise)
{
    const DossierTemporaire dossier;
    const std::string permis(TailleMaxFichierTexte, 'a');
    ASSERT_EQ(::mkfifo((dossier.Chemin() / "file").c_str(), 0600), 0);
    const std::pair<std::filesystem::path, std::optional<RefusFichier>> cas[] = {
        {dossier.Écrire("permis", permis), std::nullopt},
        {dossier.Écrire("trop", permis + "a"), RefusFichier::TropGrand},
        {dossier.Chemin() / "file", RefusFichier::PasOrdinaire},
        {"/dev/zero", RefusFichier::PasOrdinaire},
        {dossier.Chemin(), RefusFichier::Dossier},
        {dossier.Chemin() / "absent", RefusFichier::Introuvable},
        {"/proc/self/mem", RefusFichier::Illisible},
    };
    for (const auto& [chemin, refus] : cas) {
        SCOPED_TRACE(chemin);
#ifdef __EMSCRIPTEN__
        if (chemin.filename() == "file")
            continue; // node ne fait pas de file nommée : mkfifo y pose un fichier ordinaire
#endif
        const FichierLu lu = LireOctetsFichier(chemin);
        EXPECT_EQ(lu.Octets.has_value(), !refus);
        if (refus)
            EXPECT_EQ(lu.Refus, *refus);
        else
            EXPECT_TRUE(lu.Octets == permis);
    }
    EXPECT_EQ(LireOctetsFichier("/proc/self/mem").ErreurSystème, EIO);
}
