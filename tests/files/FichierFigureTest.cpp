#include "files/FichierFigure.h"

#include "support/DossierTemporaire.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

// Le triangle A(0 ; 0), B(4 ; 0), C(0 ; 3) à l'échelle de départ, axes tracés, sans quadrillage.
FigureFichier TriangleRectangle()
{
    FigureFichier figure;
    figure.Points = {{"0", "0", "A", 1, false}, {"4", "0", "B", 1, false}, {"0", "3", "C", 1, false}};
    figure.Tracés = {"Point A", "Point B", "Point C", "Polygone ABC"};
    figure.AxesAffichés = true;
    figure.QuadrillageAffiché = false;
    return figure;
}

// Les lignes d'un fichier, chacune suivie de CR LF, telles qu'écrites (Windows-1252).
std::string Fichier(std::initializer_list<std::string_view> lignes)
{
    std::string octets;
    for (const auto ligne : lignes)
        octets.append(ligne).append("\r\n");
    return octets;
}

// Le fichier du triangle où « remplacées » lignes, à partir de la ligne « ligne » (comptée depuis 1), sont
// remplacées par « nouvelles ».
std::string TriangleModifié(std::size_t ligne, std::initializer_list<std::string_view> nouvelles,
                            std::size_t remplacées = 1)
{
    const auto octets = LireTout(Données / "triangle-rectangle.lum");
    std::vector<std::string> lignes;
    for (std::size_t début = 0; début < octets.size();) {
        const auto fin = octets.find("\r\n", début);
        lignes.push_back(octets.substr(début, fin - début));
        début = fin + 2;
    }
    lignes.erase(lignes.begin() + static_cast<long>(ligne - 1),
                 lignes.begin() + static_cast<long>(ligne - 1 + remplacées));
    lignes.insert(lignes.begin() + static_cast<long>(ligne - 1), nouvelles.begin(), nouvelles.end());
    std::string résultat;
    for (const auto& l : lignes)
        résultat += l + "\r\n";
    return résultat;
}

} // namespace

TEST(FichierFigure, LeTriangleDeLExempleSEcritOctetPourOctetEtSeRelitEntier)
{
    EXPECT_EQ(ÉcrireOctetsFigure(TriangleRectangle()), LireTout(Données / "triangle-rectangle.lum"));
    const auto lecture = LireFichierFigure(Données / "triangle-rectangle.lum");
    ASSERT_TRUE(lecture.Figure);
    EXPECT_FALSE(lecture.Refus);
    EXPECT_EQ(*lecture.Figure, TriangleRectangle());
}

TEST(FichierFigure, UnFichierLuPuisReecritEstIdentique)
{
    for (const auto* nom : {"triangle-rectangle.lum", "hexagone-calcule.lum", "points-sans-polygone.lum"}) {
        SCOPED_TRACE(nom);
        const auto octets = LireTout(Données / nom);
        const auto lecture = LireOctetsFigure(octets);
        ASSERT_TRUE(lecture.Figure);
        EXPECT_EQ(ÉcrireOctetsFigure(*lecture.Figure), octets);
    }
}

TEST(FichierFigure, EcritLesNombresEtLesTextesSousLeursFormes)
{
    struct Cas {
        const char* nom;
        FigureFichier figure;
        std::size_t ligne; // à partir de 1
        std::string attendu;
    };
    FigureFichier virgule;
    virgule.Points = {{"2,5", "-1,25+RAC(2)", "A", 0, true}, {"1", " 3", ",", 1, false}};
    FigureFichier demi;
    demi.RapportZoom = 0.5;
    FigureFichier unZoom;
    unZoom.RapportZoom = RapportZoom(450, 5500);
    FigureFichier minuscule;
    minuscule.RapportZoom = 0.00001;
    FigureFichier précis;
    précis.Précision = 11;
    const Cas cas[] = {
        {"virgule de l'abscisse", virgule, 5, "2.5"},
        {"virgule de l'ordonnée", virgule, 6, "-1.25+RAC(2)"},
        {"position 0", virgule, 8, " 0 "},
        {"marque", virgule, 9, "True"},
        {"blanc de tête gardé entre guillemets", virgule, 11, "\" 3\""},
        {"virgule d'un nom entre guillemets", virgule, 12, "\",\""},
        {"rapport d'un demi sans zéro", demi, 3, " .5"},
        {"rapport à 15 chiffres", unZoom, 3, " .818181818181818"},
        {"rapport en exposant", minuscule, 3, " 1E-05"},
        {"onze décimales", précis, 11, " 11 "},
        {"aucun point", précis, 4, " 0 "},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const auto octets = ÉcrireOctetsFigure(c.figure);
        std::size_t début = 0;
        for (std::size_t i = 1; i < c.ligne; ++i)
            début = octets.find("\r\n", début) + 2;
        EXPECT_EQ(octets.substr(début, octets.find("\r\n", début) - début), c.attendu);
    }
}

TEST(FichierFigure, LitLesChampsSelonLeursRegles)
{
    struct Cas {
        const char* nom;
        std::string octets;
        FigureFichier attendu;
    };
    FigureFichier deuxPoints;
    deuxPoints.Points = {{"1.5", "2", "A", 2, true}, {"RAC(2)", " 3", "b", 4, false}};
    deuxPoints.Tracés = {"Point A", "Point b"};
    deuxPoints.RapportZoom = 0.5;
    deuxPoints.Précision = 2;
    FigureFichier sansOptions = deuxPoints;
    sansOptions.AxesAffichés.reset();
    sansOptions.QuadrillageAffiché.reset();
    const auto base = [](std::string_view points, std::string_view axes, std::string_view grille) {
        return "Figure du logiciel Lumarc\r\nExemple de classe\r\n .5\r\n 2 \r\n" + std::string(points) +
               " 2 \r\nPoint A\r\nPoint b\r\nrep\xE8re\r\n" + std::string(axes) + "\r\nquadrillage\r\n" +
               std::string(grille) +
               "\r\npr\xE9"
               "cision\r\n 2 \r\n";
    };
    const Cas cas[] = {
        {"un champ par ligne",
         base("1.5\r\n2\r\nA\r\n 2 \r\nTrue\r\nRAC(2)\r\n\" 3\"\r\nb\r\n 4 \r\nFalse\r\n", " 1", " 1"),
         deuxPoints},
        {"plusieurs champs par ligne, blancs de tête sautés",
         base("1.5,  2, A\r\n 2 ,True,RAC(2)\r\n\" 3\"x,b, 4 ,False\r\n", " 1", " 1"), deuxPoints},
        {"fins de ligne LF seules",
         [&] {
             auto octets = base("1.5\r\n2\r\nA\r\n 2 \r\nTrue\r\nRAC(2)\r\n\" 3\"\r\nb\r\n 4 \r\nFalse\r\n",
                                " 1", " 1");
             std::erase(octets, '\r');
             return octets;
         }(),
         deuxPoints},
        {"options ni 1 ni 0", base("1.5,2,A, 2 ,True,RAC(2),\" 3\",b, 4 ,False\r\n", " oui", ""),
         sansOptions},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const auto lecture = LireOctetsFigure(c.octets);
        ASSERT_TRUE(lecture.Figure);
        EXPECT_EQ(*lecture.Figure, c.attendu);
    }
}

TEST(FichierFigure, RefuseLesFichiersAvantDeRendreUneFigure)
{
    struct Cas {
        const char* nom;
        std::string octets;
        std::string_view titre;
        std::string_view texte;
        bool lectureRatée;
    };
    constexpr auto Fichier_ = TitreGestionFichier;
    constexpr auto Illisible = TexteFichierIllisible;
    std::string deuxCentCinquanteEtUn = Fichier({"Figure du logiciel Lumarc", "Exemple", " 1", " 251 "});
    for (int i = 0; i < 251; ++i)
        deuxCentCinquanteEtUn += Fichier({"0", "0", "A", " 1 ", "False"});
    deuxCentCinquanteEtUn += Fichier({" 0 ", "repère", " 1", "quadrillage", " 1", "précision", " 1 "});
    const Cas cas[] = {
        {"autre programme", Fichier({"Figure du logiciel Velmor", "Exemple"}), Fichier_,
         TexteFichierIncompatible, true},
        {"fichier vide", "", Fichier_, Illisible, true},
        {"deuxième ligne sans Exemple", TriangleModifié(2, {"Modèle"}), TitreGestionFigures,
         TexteFichierNonConforme, false},
        {"s'arrête après l'en-tête", Fichier({"Figure du logiciel Lumarc", "Exemple"}), Fichier_, Illisible,
         true},
        {"s'arrête après les points", TriangleModifié(20, {}, 11), Fichier_, Illisible, true},
        {"moins de tracés qu'annoncés", TriangleModifié(20, {" 9 "}), Fichier_, Illisible, true},
        {"nombre de points illisible", TriangleModifié(4, {"trois"}), Fichier_, Illisible, true},
        {"nombre de points au-delà d'un octet", TriangleModifié(4, {" 256 "}), Fichier_, Illisible, true},
        {"plus de 250 points", deuxCentCinquanteEtUn, Fichier_, Illisible, true},
        {"position 5", TriangleModifié(8, {" 5 "}), Fichier_, Illisible, true},
        {"marque ni True ni False", TriangleModifié(9, {"Vrai"}), Fichier_, Illisible, true},
        {"rapport nul", TriangleModifié(3, {" 0"}), Fichier_, Illisible, true},
        {"rapport négatif", TriangleModifié(3, {"-.5"}), Fichier_, Illisible, true},
        {"rapport qui n'est pas un nombre", TriangleModifié(3, {" un"}), Fichier_, Illisible, true},
        {"rapport infini", TriangleModifié(3, {" inf"}), Fichier_, Illisible, true},
        {"polygone de deux sommets", TriangleModifié(24, {"Polygone AB"}), Fichier_, Illisible, true},
        {"polygone sur un point absent", TriangleModifié(24, {"Polygone ABX"}), Fichier_, Illisible, true},
        {"précision absente", TriangleModifié(30, {}), Fichier_, Illisible, true},
        {"précision négative", TriangleModifié(30, {" -1 "}), Fichier_, Illisible, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const auto lecture = LireOctetsFigure(c.octets);
        EXPECT_FALSE(lecture.Figure);
        ASSERT_TRUE(lecture.Refus);
        EXPECT_EQ(lecture.Refus->Message.Titre, c.titre);
        EXPECT_EQ(lecture.Refus->Message.Texte, c.texte);
        EXPECT_EQ(lecture.Refus->LectureRatée, c.lectureRatée);
    }
}

TEST(FichierFigure, UnFichierAbsentEstIllisible)
{
    const auto lecture = LireFichierFigure(Données / "absent.lum");
    ASSERT_TRUE(lecture.Refus);
    EXPECT_EQ(lecture.Refus->Message,
              (MessageTitré{"Gestion des fichier", std::string(TexteFichierIllisible)}));
}

TEST(FichierFigure, LePolygoneReconstruitEstLePremierDeLHistorique)
{
    auto figure = TriangleRectangle();
    EXPECT_EQ(PolygoneDeLaFigure(figure), "ABC");
    figure.Tracés.push_back("Polygone CBA");
    EXPECT_EQ(PolygoneDeLaFigure(figure), "ABC");
    figure.Tracés = {"Point A", "Point B", "Point C"};
    EXPECT_EQ(PolygoneDeLaFigure(figure), std::nullopt);
}

TEST(FichierFigure, LeRapportRedonneLeXMaxDuZoom)
{
    for (std::int32_t xMax = 500; xMax <= 20000; xMax += 250) {
        SCOPED_TRACE(xMax);
        const auto octets = [&] {
            FigureFichier figure;
            figure.RapportZoom = RapportZoom(450, xMax);
            return ÉcrireOctetsFigure(figure);
        }();
        const auto lecture = LireOctetsFigure(octets);
        ASSERT_TRUE(lecture.Figure);
        EXPECT_EQ(XMaxDuRapport(450, lecture.Figure->RapportZoom), xMax);
    }
    EXPECT_EQ(XMaxDuRapport(450, 1e-300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(XMaxDuRapport(450, 1e300), 1);
    EXPECT_EQ(XMaxDuRapport(450, 3), 1500);
}

TEST(FichierFigure, EnregistrerRemplaceLeFichierEtLeDit)
{
    DossierTemporaire dossier;
    const auto chemin = dossier.Écrire("figure.lum", "ancienne figure");
    std::filesystem::permissions(chemin,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const auto résultat = EnregistrerFichierFigure(chemin, TriangleRectangle());
    EXPECT_TRUE(résultat.Réussi);
    EXPECT_EQ(résultat.Message, (MessageTitré{"Gestion des fichier", "Figure sauvegardée !"}));
    EXPECT_EQ(LireTout(chemin), LireTout(Données / "triangle-rectangle.lum"));
    EXPECT_EQ(std::filesystem::status(chemin).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 1);
}

TEST(FichierFigure, UnEnregistrementRateLaisseLAncienFichierIntact)
{
    DossierTemporaire dossier;
    const MessageTitré raté{"Gestion des fichier", "Problème d'accès, La figure n'a pas pu être sauvegardée"};

    // Un dossier au nom de la figure ne peut pas être remplacé par un fichier.
    const auto occupé = dossier.Chemin() / "occupé.lum";
    std::filesystem::create_directory(occupé);
    dossier.Écrire("occupé.lum/dedans", "à garder");
    auto résultat = EnregistrerFichierFigure(occupé, TriangleRectangle());
    EXPECT_FALSE(résultat.Réussi);
    EXPECT_EQ(résultat.Message, raté);
    EXPECT_EQ(LireTout(occupé / "dedans"), "à garder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 1);

    résultat = EnregistrerFichierFigure(dossier.Chemin() / "absent" / "figure.lum", TriangleRectangle());
    EXPECT_FALSE(résultat.Réussi);
    EXPECT_EQ(résultat.Message, raté);
}
