// Une partie jouée comme la fenêtre principale enchaîne les règles du jeu, fenêtres montrées comprises.
#pragma once

#include "game/AnalyseFigure.h"
#include "game/JeuCibles.h"
#include "game/Mention.h"
#include "model/Modulebas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Une figure qui atteint chaque cible, telle que l'analyse la nomme.
struct FigureAnalysée {
    const char* Description;
    const char* Figure;
};

inline constexpr FigureAnalysée FiguresRéussies[NbCibles] = {
    {"ABC est un triangle rectangle", "Triangle rectangle"},
    {"ABC est un triangle isocèle en A", "Triangle isocèle en A"},
    {"ABCD est un trapèze", "Trapèze"},
    {"ABCD est un trapèze isocèle", "Trapèze isocèle"},
    {"ABCD est un trapèze rectangle", "Trapèze rectangle"},
    {"ABCD est un parallélogramme", "Parallélogramme"},
    {"ABCD est un cerf-volant", "Cerf-volant"},
    {"ABCD est un losange", "Losange"},
    {"ABCD est un rectangle", "Rectangle"},
    {"ABCD est un carré", "Carré"},
};

struct PartieJeu {
    Modulebas m;
    std::size_t NumCible = 0;
    std::vector<MessageTitré> Fenêtres;
    std::string EtiBonus = "Bonus : 0";
    bool Finie = false;

    void Choisir(std::size_t num)
    {
        ASSERT_TRUE(ChoixPossible(m));
        Fenêtres.push_back(ConfirmationChoix(TableCibles[num]));
        NumCible = num;
        EngagerCible(m, TableCibles[num]);
    }

    void Analyser(const FigureAnalysée& figure)
    {
        Fenêtres.push_back(JugerAnalyse(m, TableCibles[NumCible], figure.Description, figure.Figure));
        if (!m.FigureRéussie)
            return;
        SuiteRéussite suite = ConclureRéussite(m);
        if (suite.MessageBonus) {
            Fenêtres.push_back(*suite.MessageBonus);
            EtiBonus = "Bonus : " + std::to_string(m.Bonus);
        }
        Suivre(suite.Suite);
    }

    void Réussir(std::size_t num)
    {
        Choisir(num);
        Analyser(FiguresRéussies[num]);
    }

    void Abandonner(std::size_t num)
    {
        Choisir(num);
        Suivre(AbandonnerCible(m));
    }

    void Suivre(SuiteDuJeu suite)
    {
        if (suite == SuiteDuJeu::ProposerFigure) {
            PréparerChoix(m);
            return;
        }
        for (const MessageTitré& fenêtre : NoteFinale(m))
            Fenêtres.push_back(fenêtre);
        Finie = true;
    }

    // Les textes montrés depuis l'indice donné, sans les confirmations de choix.
    std::vector<std::string> TextesDepuis(std::size_t début) const
    {
        std::vector<std::string> textes;
        for (std::size_t i = début; i < Fenêtres.size(); ++i)
            if (Fenêtres[i].Titre != "Choix de la figure")
                textes.push_back(Fenêtres[i].Texte);
        return textes;
    }
};
