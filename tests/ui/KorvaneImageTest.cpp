// L'image de la figure depuis la fenêtre principale : quand elle se fait, ce qu'elle montre, où elle va.
#include "support/KorvaneOuverte.h"

#include <filesystem>
#include <fstream>
#include <tuple>

namespace {

const std::string Triangle = VELMOR_DONNEES_TESTS "/triangle-rectangle.lum";

class KorvaneImageTest : public KorvaneAvecDocuments {
protected:
    void Exporter(std::optional<FichierTypé> réponse)
    {
        plateforme.RéponsesTypées.push_back(std::move(réponse));
        k.Cliquer(k.ItemExporterFig);
    }
};

} // namespace

TEST_F(KorvaneImageTest, LExportPartDesDocumentsEtLeTypeChoisiDonneFormatEtExtension)
{
    ASSERT_TRUE(Tracer(TriangleABC));
    k.RedessinerTout(); // les points posés dans le modèle prennent leurs noms
    Exporter(FichierTypé{Documents() + "/triangle", 2});
    ASSERT_EQ(plateforme.DialoguesTypés.size(), 1u);
    const auto& dialogue = plateforme.DialoguesTypés[0];
    EXPECT_EQ(dialogue.Dossier, Documents() + "/Velmor");
    EXPECT_EQ(dialogue.NomProposé, "Figure du 2026-12-07");

    ASSERT_EQ(plateforme.ImagesEnregistrées.size(), 1u);
    const auto& svg = plateforme.ImagesEnregistrées[0];
    EXPECT_EQ(svg.Chemin, Documents() + "/triangle.svg");
    EXPECT_EQ(svg.Format, FormatImage::Svg);
    // Le repère et les noms des points, tels qu'affichés ; pas de titre ni de légende hors impression.
    EXPECT_EQ(svg.Étiquettes, (std::vector<std::string>{"O", "I", "J", "A", "B", "C"}));
    EXPECT_EQ(svg.Marques, k.Ecran.Marques().size());
    EXPECT_TRUE(svg.Titre.empty() && svg.Légende.empty());

    // Une extension connue tapée reste seule et choisit le type ; l'image double reste un PNG double.
    for (const auto& [nom, type, format] : {std::tuple{"double.png", 1, FormatImage::PngDouble},
                                            {"y.pdf", 0, FormatImage::Pdf},
                                            {"Y.SVG", 1, FormatImage::Svg}}) {
        Exporter(FichierTypé{Documents() + "/" + nom, static_cast<std::size_t>(type)});
        EXPECT_EQ(plateforme.ImagesEnregistrées.back().Chemin, Documents() + "/" + nom);
        EXPECT_EQ(plateforme.ImagesEnregistrées.back().Format, format) << nom;
    }

    // Le nom final qui existe déjà demande confirmation ; l'annuler n'écrit rien.
    std::ofstream(Documents() + "/existe.png") << "ancienne";
    for (const bool valider : {false, true}) {
        plateforme.QuandSOuvre<FormFichier>([valider](FormFichier& f) {
            EXPECT_EQ(f.LabMessage.Caption,
                      "Attention, le fichier «existe.png» existe déjà, il va être écrasé. Confirmation ?");
            valider ? f.BtonOk_Click() : f.BtonAnnuler_Click();
        });
        Exporter(FichierTypé{Documents() + "/existe", 0});
        EXPECT_EQ(plateforme.ImagesEnregistrées.size(), valider ? 5u : 4u);
    }

    // Annuler ne fait rien, un disque qui refuse le fichier le dit.
    Exporter(std::nullopt);
    EXPECT_EQ(plateforme.ImagesEnregistrées.size(), 5u);
    plateforme.ÉcritureRéussie = false;
    Exporter(FichierTypé{Documents() + "/refus", 3});
    AttendreMessage(plateforme.Journal, "Gestion des fichiers",
                    "Problème d'accès, l'image de la figure n'a pas pu être enregistrée");

    // Une figure lue propose le nom de son fichier.
    k.OuvrirFichierFigure(Triangle);
    Exporter(std::nullopt);
    EXPECT_EQ(plateforme.DialoguesTypés.back().NomProposé, "triangle-rectangle");
}

// L'option ajoute la phrase que montre l'Analyse et les longueurs que montre leur fenêtre, à chaque image.
TEST_F(KorvaneImageTest, LOptionAjouteLaPhraseDeLAnalyseEtLesLongueurs)
{
    ASSERT_TRUE(Tracer(TriangleABC));
    k.Cliquer(k.BtonVelmor);
    ASSERT_EQ(plateforme.Textes.size(), 1u);

    k.Cliquer(k.ItemAnalyseImage);
    EXPECT_TRUE(k.ItemAnalyseImage.Checked);
    k.Cliquer(k.ItemCopierFig);
    ASSERT_EQ(plateforme.ImagesCopiées.size(), 1u);
    EXPECT_EQ(plateforme.ImagesCopiées[0].Légende,
              (std::vector<std::string>{plateforme.Textes[0].Texte,
                                        "Longueurs des côtés : AB = 4 ; BC = 5 ; CA = 3"}));

    // Sans polygone, rien à analyser : l'image reste seule.
    k.Cliquer(k.BtonAnnule);
    k.Cliquer(k.ItemCopierFig);
    EXPECT_TRUE(plateforme.ImagesCopiées.back().Légende.empty());
    k.Cliquer(k.ItemAnalyseImage);
    EXPECT_FALSE(k.ItemAnalyseImage.Checked);
}

TEST_F(KorvaneImageTest, LaFigureImprimeePorteSonNomEtLaDateEtSesEchecsLeDisent)
{
    ASSERT_TRUE(Placer({{"A", "1", "1"}}));
    plateforme.ImprimanteChoisie = true;
    k.Cliquer(k.ItemImprimerFig);
    // Un nom de fichier n'est jamais du balisage, et un caractère de commande n'a pas sa place en XML.
    plateforme.Date = {1, 1, 2027};
    const std::string nom = Documents() + "/a & <b>\x1b.lum";
    std::filesystem::copy_file(Triangle, nom);
    k.OuvrirFichierFigure(nom);
    k.Cliquer(k.ItemImprimerFig);
    ASSERT_EQ(plateforme.ImagesImprimées.size(), 2u);
    EXPECT_EQ(plateforme.ImagesImprimées[0].Titre, "Figure libre, le 7 décembre 2026");
    EXPECT_EQ(plateforme.ImagesImprimées[1].Titre, "a & <b>\x1b.lum, le 1er janvier 2027");
    EXPECT_NE(plateforme.ImagesImprimées[1].Svg.find(">a &amp; &lt;b&gt;.lum, le 1er"), std::string::npos);

    plateforme.ImpressionRéussie = false;
    k.Cliquer(k.ItemImprimerFig);
    AttendreMessage(plateforme.Journal, "Gestion sortie imprimante", "Problème d'imprimante");
    plateforme.Journal.Messages.clear();
    plateforme.ImprimanteChoisie = false;
    k.Cliquer(k.ItemImprimerFig);
    AttendreMessage(plateforme.Journal, "Gestion sortie imprimante", "Impression annulée");
}

// Le dessin SVG d'un décagone imprimé avec son analyse (titre, légende coupée, étiquettes, marques) :
// le fichier attendu est relu par les tests du bureau et par ceux de node, qui l'écrivent donc octet
// pour octet pareil.
TEST_F(KorvaneImageTest, LeDessinSvgEstLeMemeAuBureauEtDansLaPage)
{
    const std::vector<PointPosé> sommets{{"A", "0", "0"},  {"B", "2", "0"}, {"C", "4", "1"}, {"D", "5", "3"},
                                         {"E", "4", "5"},  {"F", "2", "6"}, {"G", "0", "6"}, {"H", "-2", "5"},
                                         {"K", "-3", "3"}, {"L", "-2", "1"}};
    ASSERT_TRUE(Tracer({sommets, "ABCDEFGHKL"}));
    k.RedessinerTout();
    k.Cliquer(k.ItemAnalyseImage);
    plateforme.ImprimanteChoisie = true;
    k.Cliquer(k.ItemImprimerFig);
    ASSERT_EQ(plateforme.ImagesImprimées.size(), 1u);
    EXPECT_EQ(plateforme.ImagesImprimées[0].Svg, LireTout(VELMOR_DONNEES_TESTS "/figure-imprimee.svg"));
}

// Le dialogue n'offre que les formats de la plateforme, et le rang choisi désigne l'un d'eux ; sans aucun,
// l'image ne se fait pas.
TEST_F(KorvaneImageTest, LExportNOffreQueLesFormatsDeLaPlateforme)
{
    plateforme.Formats = {FormatImage::Png, FormatImage::Svg};
    ASSERT_TRUE(Tracer(TriangleABC));
    Exporter(FichierTypé{Documents() + "/a", 1});
    Exporter(FichierTypé{Documents() + "/b.pdf", 0});
    EXPECT_EQ(plateforme.DialoguesTypés.back().Types,
              (std::vector<std::string>{"Image PNG (*.png)", "Dessin SVG (*.svg)"}));
    ASSERT_EQ(plateforme.ImagesEnregistrées.size(), 2u);
    EXPECT_EQ(plateforme.ImagesEnregistrées[0].Chemin, Documents() + "/a.svg");
    EXPECT_EQ(plateforme.ImagesEnregistrées[0].Format, FormatImage::Svg);
    EXPECT_EQ(plateforme.ImagesEnregistrées[1].Chemin, Documents() + "/b.pdf.png");

    plateforme.Formats.clear();
    k.Cliquer(k.BtonAnnule);
    EXPECT_FALSE(k.ItemExporterFig.Enabled || k.ItemImprimerFig.Enabled || k.ItemCopierFig.Enabled);
}
