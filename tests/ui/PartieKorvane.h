// Une partie jouée dans la fenêtre principale : les fenêtres de texte retenues, des figures posées dans le
// modèle comme l'élève les construirait, les cibles choisies et confirmées.
#pragma once

#include "support/PlateformeScriptee.h"
#include "ui/FormTexteAgrandi.h"
#include "ui/Korvane.h"

#include <gtest/gtest.h>
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

// Retient chaque fenêtre des textes longs telle que l'élève l'a vue.
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

// Une figure qui atteint chacune des dix cibles, dans l'ordre de la table.
inline const std::vector<FigureTracée>& FiguresRéussies()
{
    static const std::vector<FigureTracée> figures = {
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "0", "3"}}, "ABC"},
        {{{"A", "0", "4"}, {"B", "-2", "0"}, {"C", "2", "0"}}, "ABC"},
        {{{"A", "0", "0"}, {"B", "6", "0"}, {"C", "4", "2"}, {"D", "1", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "6", "0"}, {"C", "4", "2"}, {"D", "2", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "4", "2"}, {"D", "1", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "5", "2"}, {"D", "1", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "2", "1"}, {"C", "0", "5"}, {"D", "-2", "1"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "3"}, {"C", "4", "8"}, {"D", "0", "5"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "4", "0"}, {"C", "4", "2"}, {"D", "0", "2"}}, "ABCD"},
        {{{"A", "0", "0"}, {"B", "2", "0"}, {"C", "2", "2"}, {"D", "0", "2"}}, "ABCD"},
    };
    return figures;
}

class PartieKorvane : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.Form_Load();
        k.Form.Width = 1024 * 15;
        k.Form.Height = 768 * 15;
        k.Form_Resize();
    }

    // Clic sur la ligne de la cible ; l'élève valide (ou annule) la confirmation.
    void Choisir(std::size_t cible, bool valider = true)
    {
        plateforme.QuandSOuvre<FormTexteAgrandi>([valider](FormTexteAgrandi& f) {
            if (valider)
                f.BtonValider_Click();
            else
                f.BtonAnnuler_Click();
        });
        k.CliquerÉlément(k.LabTypeFig, cible);
    }

    // Les points, comme la construction les ajoute au modèle ; faux dès qu'un point est refusé.
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

    // Les points puis le polygone.
    bool Tracer(const FigureTracée& figure)
    {
        if (!Placer(figure.Points))
            return false;
        m.ChaîneSommets = figure.Sommets;
        k.Opérations.AjouterPolygone();
        k.AppliquerActivation(ÉtapeConstruction::PolygoneConstruit);
        return true;
    }

    void Analyser() { k.Cliquer(k.BtonVelmor); }

    void Réussir(std::size_t cible)
    {
        Choisir(cible);
        ASSERT_TRUE(Tracer(FiguresRéussies()[cible]));
        Analyser();
    }

    void Abandonner(std::size_t cible)
    {
        Choisir(cible);
        k.Cliquer(k.BtonAbandon);
    }

    // Les textes montrés depuis l'indice donné, sans les confirmations des choix.
    std::vector<std::string> TextesDepuis(std::size_t début) const
    {
        std::vector<std::string> textes;
        for (std::size_t i = début; i < plateforme.Textes.size(); ++i)
            if (plateforme.Textes[i].Titre != "Choix de la figure")
                textes.push_back(plateforme.Textes[i].Texte);
        return textes;
    }

    Modulebas m;
    PlateformeJournal plateforme;
    Korvane k{m, plateforme};
};
