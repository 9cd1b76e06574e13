// La fenêtre principale entière, sans écran : une figure lue des octets avant le premier octet nul, puis
// les commandes d'un élève décodées du reste, chacune seulement quand la fenêtre la permet. Chaque fenêtre
// qui s'ouvre reçoit à son tour une réponse décodée des mêmes octets.
#include "support/DossierTemporaire.h"
#include "support/Frappe.h"
#include "support/PlateformeScriptee.h"
#include "ui/ChoixPrecision.h"
#include "ui/Coordonnees.h"
#include "ui/FormAide.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormFichier.h"
#include "ui/FormMesures.h"
#include "ui/FormSaisie.h"
#include "ui/FormScore.h"
#include "ui/FormTexteAgrandi.h"
#include "ui/Korvane.h"

#include "calc/ValeurCoordonnee.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

// Une fenêtre qui refuse de se fermer n'a pas d'issue pour l'élève : c'est un défaut.
void SignalerÉchecScript(const std::string&)
{
    __builtin_trap();
}

namespace {

// Ce qu'un élève tape comme coordonnée : nombres, calculs, et fautes que le dialogue doit refuser.
constexpr std::array<const char*, 20> TextesCoordonnées = {
    "0",         "1",   "-3",      "2,5", "4.5", "RAC(2)", "2*COS(30)", "(1+RAC(5))/2", "1E300", "-9E307",
    "999999999", "1/0", "RAC(-1)", "",    "(",   "ABC",    "0,0000001", "-0,5",         "3^200", "SIN()",
};
// Ce qu'un élève tape comme nom d'image : sans extension, avec celle d'un type ou d'un autre.
constexpr std::array<const char*, 5> NomsImages = {"image", "image.png", "image.PDF", "y.pdf.png", "y.svg"};
constexpr std::string_view LettresNoms = "ABCDEFGHabcZ1é ";
constexpr std::string_view LettresSommets = "ABCDEFGHIZa";

// Un dossier pour tout le processus, effacé à sa sortie avec les figures et les images écrites.
const std::filesystem::path& Dossier()
{
    static const DossierTemporaire dossier;
    return dossier.Chemin();
}

std::string Caractère(FuzzedDataProvider& octets, std::string_view lettres)
{
    // Les lettres sont en ASCII sauf « é » : on le garde entier.
    const std::size_t i = octets.ConsumeIntegralInRange<std::size_t>(0, lettres.size() - 1);
    if (static_cast<unsigned char>(lettres[i]) >= 0x80)
        return std::string(lettres.substr(lettres.find("é"), 2));
    return std::string(1, lettres[i]);
}

class PlateformeFuzz : public PlateformeScriptée {
public:
    explicit PlateformeFuzz(FuzzedDataProvider& octets) : octets(octets) {}

    // L'image écrite existe ensuite : un nouvel export du même nom pose la question de l'écrasement.
    bool EnregistrerImage(const ImageFigure& image, FormatImage format, const std::string& chemin) override
    {
        const bool écrite = PlateformeScriptée::EnregistrerImage(image, format, chemin);
        if (écrite)
            std::ofstream{chemin};
        return écrite;
    }

    void MontrerModal(Fenêtre& fenêtre) override
    {
        fenêtre.Form_Load();
        if (fenêtre.EstFermée())
            return;
        Répondre(fenêtre);
        if (!fenêtre.EstFermée())
            fenêtre.Form_QueryUnload();
        if (!fenêtre.EstFermée())
            __builtin_trap();
    }

private:
    void Répondre(Fenêtre& fenêtre)
    {
        if (auto* f = dynamic_cast<Coordonnées*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormSaisie*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormChoixPoint*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormFichier*>(&fenêtre))
            octets.ConsumeIntegralInRange(0, 7) == 0 ? f->BtonAnnuler_Click() : f->BtonOk_Click();
        else if (auto* f = dynamic_cast<FormMesures*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<ChoixPrécision*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormCouleurs*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormTexteAgrandi*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormScore*>(&fenêtre))
            Répondre(*f);
        else if (auto* f = dynamic_cast<FormAide*>(&fenêtre))
            Répondre(*f);
    }

    void Répondre(Coordonnées& f)
    {
        if (octets.ConsumeBool()) {
            f.NomPoint.SelStart = 0;
            f.NomPoint.SelLength = f.NomPoint.Caption.size();
            const std::string nom = Caractère(octets, LettresNoms);
            if (nom.size() == 1)
                Taper(
                    f.NomPoint, nom, [&f](char32_t t) { return f.NomPoint_KeyPress(t); },
                    [&f] { f.NomPoint_Change(); });
        }
        f.SaisieX.Caption = octets.PickValueInArray(TextesCoordonnées);
        f.SaisieY.Caption = octets.PickValueInArray(TextesCoordonnées);
        f.Position_Click(octets.ConsumeIntegralInRange<std::size_t>(1, Coordonnées::NbPositions));
        octets.ConsumeIntegralInRange(0, 7) == 0 ? f.BtonAnnuler_Click() : f.BtonValider_Click();
    }

    void Répondre(FormSaisie& f)
    {
        std::string sommets;
        for (std::size_t n = octets.ConsumeIntegralInRange<std::size_t>(0, 12); n > 0; --n)
            sommets += Caractère(octets, LettresSommets);
        Taper(f.TextPolySeg, sommets, [&f](char32_t t) { return f.TextPolySeg_KeyPress(t); });
        octets.ConsumeIntegralInRange(0, 7) == 0 ? f.BtonAnnuler_Click() : f.BtonOk_Click();
    }

    void Répondre(FormChoixPoint& f)
    {
        f.OptionPoint_Click(octets.ConsumeIntegralInRange<std::size_t>(1, FormChoixPoint::NbOptions));
        octets.ConsumeBool() ? f.BtonOk_Click() : f.BtonAnnuler_Click();
    }

    void Répondre(FormMesures& f)
    {
        for (std::size_t n = octets.ConsumeIntegralInRange<std::size_t>(0, 3); n > 0; --n)
            octets.ConsumeBool() ? f.BtonSuite_Click() : f.BtonBack_Click();
        f.BtonOk_Click();
    }

    void Répondre(ChoixPrécision& f)
    {
        f.OpPrecis_Click(octets.ConsumeIntegralInRange<std::size_t>(1, ChoixPrécision::NbChoix));
        f.BtonPrecis_Click();
    }

    void Répondre(FormCouleurs& f)
    {
        if (!f.Label2.empty())
            f.Label2_Click(octets.ConsumeIntegralInRange<std::size_t>(0, f.Label2.size() - 1));
        f.BtonOk_Click();
    }

    void Répondre(FormTexteAgrandi& f)
    {
        if (f.BtonFermer.Visible)
            f.BtonFermer_Click();
        else
            octets.ConsumeBool() ? f.BtonValider_Click() : f.BtonAnnuler_Click();
    }

    void Répondre(FormScore& f)
    {
        if (octets.ConsumeBool())
            f.BtonImprimer_Click();
        f.BtonOk_Click();
    }

    void Répondre(FormAide& f)
    {
        if (!f.ÉlémentsSommaire.empty())
            f.ListChapitresAide_Click(
                octets.ConsumeIntegralInRange(0, static_cast<int>(f.ÉlémentsSommaire.size()) - 1));
        f.BtonOk_Click();
    }

    FuzzedDataProvider& octets;
};

// Le menu d'un élément doit être actif lui aussi pour que l'élève l'atteigne.
void CliquerDansMenu(Korvane& k, const Contrôle& menu, const Contrôle& élément)
{
    if (menu.Enabled && menu.Visible)
        k.Cliquer(élément);
}

void Commande(Korvane& k, Modulebas& m, PlateformeFuzz& plateforme, FuzzedDataProvider& octets)
{
    const std::array<Contrôle*, 7> exercices = {&k.ItemSymAxe1, &k.ItemSymAxe2, &k.ItemSymCent, &k.ItemTrans1,
                                                &k.ItemTrans2,  &k.ItemTrans3,  &k.ItemTriEqui};
    switch (octets.ConsumeIntegralInRange(0, 38)) {
    case 0:
        k.Cliquer(k.BtonPointCoor);
        break;
    case 1:
        k.Cliquer(k.BtonPolygone);
        break;
    case 2: {
        // L'outil armé, le pointeur vient sur un point de la figure et le bouton s'enfonce.
        k.Cliquer(k.BtonModifPoint);
        const std::size_t i =
            octets.ConsumeIntegralInRange<std::size_t>(1, std::max<std::size_t>(m.NbPoints, 1));
        const double x = i <= m.NbPoints ? m.Unité * ValeurCoordonnée(m.Points[i].X) : 0;
        const double y = i <= m.NbPoints ? m.Unité * ValeurCoordonnée(m.Points[i].Y) : 0;
        k.Ecran.MouseMove(0, x, y);
        k.Ecran.MouseDown(1, x, y);
        break;
    }
    case 3:
        k.Ecran.MouseMove(0, octets.ConsumeFloatingPointInRange(-1e5, 1e5),
                          octets.ConsumeFloatingPointInRange(-1e5, 1e5));
        break;
    case 4: {
        char32_t échap = 27;
        k.Ecran.KeyPress(échap);
        break;
    }
    case 5:
        k.Cliquer(k.BtonAnnule);
        break;
    case 6:
        k.Cliquer(k.BtonEfface);
        break;
    case 7:
        k.Cliquer(k.BtonEchMoins);
        break;
    case 8:
        k.Cliquer(k.BtonEchPlus);
        break;
    case 9:
        CliquerDansMenu(k, k.MenuLumarc, k.ItemQuadrillage);
        break;
    case 10:
        CliquerDansMenu(k, k.MenuLumarc, k.ItemTracerLumarc);
        break;
    case 11:
        CliquerDansMenu(k, k.MenuLumarc, k.itemNumQuadrants);
        break;
    case 12:
        CliquerDansMenu(k, k.MenuOptions, k.ItemTfin);
        break;
    case 13:
        CliquerDansMenu(k, k.MenuOptions, k.ItemTépais);
        break;
    case 14:
        CliquerDansMenu(k, k.ItemCouleurs, k.ItemCouleurFond);
        break;
    case 15:
        CliquerDansMenu(k, k.ItemCouleurs, k.ItemCouleurTrait);
        break;
    case 16:
        CliquerDansMenu(k, k.ItemCouleurs, k.ItemCouleurInit);
        break;
    case 17:
        CliquerDansMenu(k, k.MenuOptions, k.ItemPrécision);
        break;
    case 18:
        k.Cliquer(k.BtonVelmor);
        break;
    case 19:
        k.Cliquer(k.BtonLong);
        break;
    case 20:
        k.Cliquer(k.BtonAngle);
        break;
    case 21:
        k.CliquerÉlément(k.LabTypeFig, octets.ConsumeIntegralInRange<std::size_t>(0, k.LabTypeFig.size()));
        break;
    case 22:
        if (k.MenuExercices.Enabled)
            CliquerDansMenu(k, k.SousMenuConstructions, *octets.PickValueInArray(exercices));
        break;
    case 23:
        k.Cliquer(k.BtonAbandon);
        break;
    case 24:
        k.Cliquer(k.BtonSuite);
        break;
    case 25:
        k.Cliquer(k.BtonOk);
        break;
    case 26:
        plateforme.AvancerMinuterie(octets.ConsumeIntegralInRange(0, 1500));
        break;
    case 27:
        plateforme.RéponsesEnregistrer.push_back(
            (Dossier() / (octets.ConsumeBool() ? "sauvée" : "sauvée.lum")).string());
        CliquerDansMenu(k, k.MenuFichier, k.ItemEnregistrer);
        break;
    case 28:
        plateforme.RéponsesOuvrir.push_back(
            (Dossier() / (octets.ConsumeBool() ? "sauvée.lum" : "entrée.lum")).string());
        CliquerDansMenu(k, k.MenuFichier, k.ItemOuvrirFig);
        break;
    case 29:
        k.Cliquer(k.BtonFermer);
        break;
    case 30:
        CliquerDansMenu(k, k.MenuFichier, k.ItemFermerFig);
        break;
    case 31:
        CliquerDansMenu(k, k.MenuExercices, k.ItemRéinitialiser);
        break;
    case 32:
        k.Cliquer(k.ImaBton);
        break;
    case 33:
        plateforme.RéponsesTypées.push_back(
            FichierTypé{(Dossier() / octets.PickValueInArray(NomsImages)).string(),
                        octets.ConsumeIntegralInRange<std::size_t>(0, 4)});
        plateforme.ÉcritureRéussie = octets.ConsumeIntegralInRange(0, 7) != 0;
        CliquerDansMenu(k, k.MenuFichier, k.ItemExporterFig);
        break;
    case 34:
        plateforme.ImprimanteChoisie = octets.ConsumeBool();
        plateforme.ImpressionRéussie = octets.ConsumeIntegralInRange(0, 7) != 0;
        CliquerDansMenu(k, k.MenuFichier, k.ItemImprimerFig);
        break;
    case 35:
        CliquerDansMenu(k, k.MenuFichier, k.ItemCopierFig);
        break;
    case 36:
        CliquerDansMenu(k, k.MenuOptions, k.ItemAnalyseImage);
        break;
    case 37:
        // De la fenêtre réduite à presque rien jusqu'à plus grande que l'écran.
        k.Form.Width = octets.ConsumeIntegralInRange(0, 3000) * 15;
        k.Form.Height = octets.ConsumeIntegralInRange(0, 2000) * 15;
        k.Form_Resize();
        break;
    default:
        CliquerDansMenu(k, k.MenuAides, k.ItemAides);
        break;
    }
    // Une réponse préparée pour un dialogue qui ne s'est pas ouvert ne sert pas au suivant.
    plateforme.RéponsesOuvrir.clear();
    plateforme.RéponsesEnregistrer.clear();
    plateforme.RéponsesTypées.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* données, std::size_t taille)
{
    const std::string_view tout(reinterpret_cast<const char*>(données), taille);
    const std::size_t fin = std::min(tout.find('\0'), tout.size());
    const auto entrée = Dossier() / "entrée.lum";
    std::ofstream(entrée, std::ios::binary).write(tout.data(), static_cast<std::streamsize>(fin));
    FuzzedDataProvider octets(données + std::min(fin + 1, taille), taille - std::min(fin + 1, taille));

    Modulebas m;
    PlateformeFuzz plateforme(octets);
    plateforme.DossierDocuments = Dossier().string();
    plateforme.Dossier = VELMOR_DONNEES;
    Korvane k(m, plateforme);
    k.Form_Load();
    k.Form.Width = 1024 * 15;
    k.Form.Height = 768 * 15;
    k.Form_Resize();

    plateforme.RéponsesOuvrir.push_back(entrée.string());
    k.Cliquer(k.ItemOuvrirFig);
    plateforme.RéponsesOuvrir.clear();

    // Assez de commandes pour une figure entière, pas assez pour qu'une entrée devienne lente.
    for (int n = 0; n < 200 && octets.remaining_bytes() > 0; ++n)
        Commande(k, m, plateforme, octets);
    return 0;
}
