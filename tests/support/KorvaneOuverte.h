// La fenêtre principale chargée puis ouverte à 1024 × 768 pixels ; l'élève y place ses points et trace
// ses polygones par les vrais dialogues ; les fenêtres de texte long sont retenues telles qu'il les a vues.
#pragma once

#include "support/DossierTemporaire.h"
#include "support/Frappe.h"
#include "support/MessagerieEnregistree.h"
#include "support/PlateformeScriptee.h"
#include "support/PointPose.h"
#include "ui/Coordonnees.h"
#include "ui/FormFichier.h"
#include "ui/FormLong.h"
#include "ui/FormSaisie.h"
#include "ui/FormTexteAgrandi.h"
#include "ui/Korvane.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

struct TexteMontré {
    std::string Titre;
    std::string Texte;
    std::string Consigne; // « Bravo ! » quand la fenêtre le montre
    bool operator==(const TexteMontré&) const = default;
};

inline void PrintTo(const TexteMontré& t, std::ostream* os)
{
    *os << "{" << t.Titre << " | " << t.Texte << " | " << t.Consigne << "}";
}

class PlateformeJournal : public PlateformeScriptée {
public:
    void MontrerModal(Fenêtre& fenêtre) override
    {
        PlateformeScriptée::MontrerModal(fenêtre);
        if (auto* texte = dynamic_cast<FormTexteAgrandi*>(&fenêtre))
            Textes.push_back({texte->Form.Caption, texte->TexteE1Ag.Caption,
                              texte->LabConsigne.Visible ? texte->LabConsigne.Caption : ""});
    }

    std::vector<TexteMontré> Textes;
};

// Les textes des lignes qu'une fenêtre des mesures montre.
inline std::vector<std::string> LignesMontrées(const FormMesures& f)
{
    std::vector<std::string> lignes;
    for (const Contrôle& c : f.Lignes)
        if (c.Visible && !c.Caption.empty())
            lignes.push_back(c.Caption);
    return lignes;
}

inline const FigureTracée TriangleABC{{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "0", "3"}}, "ABC"};

class KorvaneOuverte : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.Form_Load();
        Redimensionner(1024, 768);
    }

    void Redimensionner(int largeurPixels, int hauteurPixels)
    {
        k.Form.Width = largeurPixels * plateforme.TwipsParPixel;
        k.Form.Height = hauteurPixels * plateforme.TwipsParPixel;
        k.Form_Resize();
    }

    // L'élève tape le nom par-dessus la proposition, puis les deux coordonnées, et valide.
    static void Remplir(Coordonnées& c, const std::string& nom, const std::string& x, const std::string& y)
    {
        Taper(
            c.NomPoint, nom, [&c](char32_t t) { return c.NomPoint_KeyPress(t); },
            [&c] { c.NomPoint_Change(); });
        c.SaisieX.Caption = x;
        c.SaisieY.Caption = y;
        c.BtonValider_Click();
    }

    // Chaque point par le bouton et son dialogue ; faux dès qu'un point n'est pas ajouté.
    bool Placer(const std::vector<PointPosé>& points)
    {
        for (const PointPosé& p : points) {
            const std::size_t avant = m.NbPoints;
            plateforme.QuandSOuvre<Coordonnées>([p](Coordonnées& c) { Remplir(c, p.Nom, p.X, p.Y); });
            k.Cliquer(k.BtonPointCoor);
            plateforme.OublierScripts(); // refusé avant le dialogue : le script n'a pas servi
            if (m.NbPoints != avant + 1)
                return false;
        }
        return true;
    }

    bool Tracer(const FigureTracée& figure)
    {
        if (!Placer(figure.Points))
            return false;
        plateforme.QuandSOuvre<FormSaisie>([sommets = figure.Sommets](FormSaisie& f) {
            Taper(f.TextPolySeg, sommets, [&f](char32_t t) { return f.TextPolySeg_KeyPress(t); });
            f.BtonOk_Click();
        });
        k.Cliquer(k.BtonPolygone);
        plateforme.OublierScripts();
        return m.PolygoneTracé;
    }

    // Les longueurs que montre la première page de leur fenêtre.
    std::vector<std::string> LongueursMontrées()
    {
        std::vector<std::string> lignes;
        plateforme.QuandSOuvre<FormLong>([&lignes](FormLong& f) {
            lignes = LignesMontrées(f);
            f.BtonOk_Click();
        });
        k.Cliquer(k.BtonLong);
        return lignes;
    }

    // Les marques de ce genre et de cette teinte (et de cette épaisseur si elle est donnée).
    std::size_t Compter(GenreMarque genre, Couleur teinte, std::optional<int> épaisseur = {}) const
    {
        const auto& marques = k.Ecran.Marques();
        return static_cast<std::size_t>(
            std::count_if(marques.begin(), marques.end(), [&](const Marque& marque) {
                return marque.Genre == genre && marque.Teinte == teinte &&
                       (!épaisseur || marque.Épaisseur == *épaisseur);
            }));
    }

    Modulebas m;
    PlateformeJournal plateforme;
    Korvane k{m, plateforme};
};

// Une maison temporaire : son dossier des documents existe avant le chargement, qui le prend.
class KorvaneAvecDocuments : public KorvaneOuverte {
protected:
    KorvaneAvecDocuments()
    {
        std::filesystem::create_directory(Documents());
        plateforme.DossierDocuments = Documents();
    }

    std::string Documents() const { return (maison.Chemin() / "Documents").string(); }
    std::string Figures() const { return Documents() + "/Velmor"; }

    // Le dialogue du système rend ce chemin (rien : l'élève annule), puis l'élève valide la confirmation.
    void Ouvrir(std::optional<std::string> chemin)
    {
        plateforme.RéponsesOuvrir.push_back(std::move(chemin));
        plateforme.QuandSOuvre<FormFichier>([](FormFichier& f) { f.BtonOk_Click(); });
        k.Cliquer(k.ItemOuvrirFig);
    }
    void Sauvegarder(std::optional<std::string> chemin)
    {
        plateforme.RéponsesEnregistrer.push_back(std::move(chemin));
        plateforme.QuandSOuvre<FormFichier>([](FormFichier& f) { f.BtonOk_Click(); });
        k.Cliquer(k.ItemEnregistrer);
    }

    DossierTemporaire maison;
};
