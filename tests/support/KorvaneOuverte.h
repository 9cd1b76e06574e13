// La fenêtre principale chargée puis ouverte à 1024 × 768 pixels, et des figures posées dans le modèle
// comme la construction les ajoute ; les fenêtres de texte long sont retenues telles que l'élève les a vues.
#pragma once

#include "support/MessagerieEnregistree.h"
#include "support/PlateformeScriptee.h"
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

struct PointPosé {
    const char* Nom;
    const char* X;
    const char* Y;
};

struct FigureTracée {
    std::vector<PointPosé> Points;
    const char* Sommets;
};

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
        k.Form.Width = largeurPixels * 15;
        k.Form.Height = hauteurPixels * 15;
        k.Form_Resize();
    }

    // Faux dès qu'un point est refusé.
    bool Placer(const std::vector<PointPosé>& points)
    {
        for (const PointPosé& p : points) {
            m.NomSaisi = p.Nom;
            m.XSaisi = p.X;
            m.YSaisi = p.Y;
            m.PositionSaisie = 1;
            if (!k.Opérations.AjouterPoint())
                return false;
            k.AppliquerActivation(m.NbPoints == 1   ? ÉtapeConstruction::PremierPoint
                                  : m.NbPoints == 3 ? ÉtapeConstruction::TroisièmePoint
                                                    : ÉtapeConstruction::AutrePoint);
        }
        return true;
    }

    bool Tracer(const FigureTracée& figure)
    {
        if (!Placer(figure.Points))
            return false;
        m.ChaîneSommets = figure.Sommets;
        k.Opérations.AjouterPolygone();
        k.AppliquerActivation(ÉtapeConstruction::PolygoneConstruit);
        return true;
    }

    // Les marques de ce genre et de cette teinte (et de cette épaisseur si elle est donnée).
    std::size_t Compter(GenreMarque genre, Couleur teinte, std::optional<int> épaisseur = {}) const
    {
        return static_cast<std::size_t>(std::ranges::count_if(k.Ecran.Marques(), [&](const Marque& marque) {
            return marque.Genre == genre && marque.Teinte == teinte &&
                   (!épaisseur || marque.Épaisseur == *épaisseur);
        }));
    }

    Modulebas m;
    PlateformeJournal plateforme;
    Korvane k{m, plateforme};
};
