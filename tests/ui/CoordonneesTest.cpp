#include "ui/Coordonnees.h"

#include "calc/MessagesCalcul.h"
#include "support/Frappe.h"
#include "support/PlateformeScriptee.h"
#include "support/TableCas.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

struct DialogueCoordonnées {
    DialogueCoordonnées() { m.NomSaisi = "A"; }

    Modulebas m;
    PlateformeScriptée plateforme;
    const Contrôle principale = Dessiné("", 600, 300, 12000, 9000);
    std::optional<Coordonnées> form;

    Coordonnées& Ouvrir()
    {
        form.emplace(m, plateforme, principale);
        form->Form_Load();
        return *form;
    }

    // Tape les deux coordonnées et appuie sur OK.
    void Valider(std::string_view x, std::string_view y)
    {
        ::Taper(form->SaisieX, x, [](char32_t) { return true; });
        ::Taper(form->SaisieY, y, [](char32_t) { return true; });
        form->BtonValider_Click();
    }
};

} // namespace

TEST(Coordonnees, LimitesConsigneEtCaseDePositionALOuverturePuisRenduesParLAnnulation)
{
    for (const CasTable& c : LireTableCas("dialogues-ouverture.tsv")) {
        SCOPED_TRACE(c.Où);
        DialogueCoordonnées d;
        d.m.Unité = std::stoi(c[0]);
        d.m.XMax = std::stoi(c[1]);
        d.m.YMax = std::stoi(c[2]);
        d.m.Précision = static_cast<std::uint8_t>(std::stoi(c[3]));
        d.m.ModeModifPoint = c[4] == "1";
        d.m.PositionSaisie = static_cast<std::uint8_t>(std::stoi(c[5]));
        d.m.PositionSuivante = static_cast<std::uint8_t>(std::stoi(c[6]));
        Coordonnées& f = d.Ouvrir();
        EXPECT_EQ(f.EtiLimiteX.Caption, c[7]);
        EXPECT_EQ(f.EtiLimiteY.Caption, c[8]);
        EXPECT_EQ(f.LabCons.Caption,
                  "Donner les coordonnées du point avec au plus " + c[9] + " (ou changer la précision) :");
        const std::size_t marquée = std::stoul(c[10]), autre = marquée % 4 + 1;
        for (std::size_t i = 1; i <= 4; ++i)
            EXPECT_EQ(f.Position[i].Checked, i == marquée) << i;
        EXPECT_NE(f.Position[marquée].BackColor, f.Position[autre].BackColor);
        EXPECT_EQ(d.m.PositionSaisie, marquée);
        EXPECT_EQ(d.m.PositionSuivante, marquée + 1);

        f.Position_Click(autre);
        EXPECT_TRUE(f.Position[autre].Checked && !f.Position[marquée].Checked);
        c[11] == "cadre" ? f.Form_QueryUnload() : f.BtonAnnuler_Click();
        EXPECT_EQ(d.m.NomSaisi, "A");
        EXPECT_EQ(d.m.PositionSaisie, std::stoi(c[5]));
        EXPECT_EQ(d.m.PositionSuivante, std::stoi(c[6]));
    }
}

TEST(Coordonnees, LeNomEstToujoursLaDerniereLettre)
{
    for (const CasTable& c : LireTableCas("dialogues-nom-point.tsv")) {
        SCOPED_TRACE(c.Où);
        DialogueCoordonnées d;
        Coordonnées& f = d.Ouvrir();
        // Le curseur au début : la frappe le renvoie d'abord en fin de texte.
        f.NomPoint.SelStart = 0;
        std::string frappe = c[0];
        for (std::size_t i; (i = frappe.find("\\b")) != std::string::npos;)
            frappe.replace(i, 2, 1, RetourArrière);
        Taper(
            f.NomPoint, frappe, [&f](char32_t k) { return f.NomPoint_KeyPress(k); },
            [&f] { f.NomPoint_Change(); });
        if (!c[1].empty()) {
            f.NomPoint.Caption = c[1];
            f.NomPoint_Change();
        }
        EXPECT_EQ(f.NomPoint.Caption, c[2]);
    }
}

TEST(Coordonnees, ChaqueSaisieEstAccepteeRefuseeOuMontreLaFauteDeSonCalcul)
{
    const std::map<std::string, std::string> messages = {
        {"abscisse", "La saisie de l'abscisse n'est pas correcte !"},
        {"ordonnée", "La saisie de l'ordonnée n'est pas correcte !"},
        {"nom", "Il faut donner un nom à un point."},
        {"nombres", "Les coordonnées du point doivent être saisies sous forme de nombres décimaux."},
        {"long", "Ce calcul est trop long : 1\u00a0000 caractères au plus."}};
    for (const CasTable& c : LireTableCas("coordonnees.tsv")) {
        SCOPED_TRACE(c.Où);
        DialogueCoordonnées d;
        d.m.NomSaisi = c[0];
        Coordonnées& f = d.Ouvrir();
        d.Valider(c[1], c[2]);
        const bool accepté = c[3] == "accepté";
        EXPECT_EQ(f.EstFermée(), accepté);
        EXPECT_EQ(f.Validé(), accepté);
        EXPECT_EQ(d.m.XSaisi, accepté ? c[4] : "");
        std::vector<MessageTitré> refus;
        std::istringstream clés(c[3] == "refusé" ? c[4] : "");
        for (std::string clé; clés >> clé;)
            refus.push_back({"Saisie des coordonnées", messages.at(clé)});
        EXPECT_EQ(d.plateforme.Journal.Messages, refus);
        const auto& système = d.plateforme.MessagesSystème;
        ASSERT_EQ(système.size(), c[3] == "faute" ? 1u : 0u);
        if (c[3] == "faute") {
            EXPECT_EQ(système[0].Texte, MessageFaute(static_cast<CodeFaute>(std::stoi(c[4]))));
            EXPECT_EQ(système[0].Icône,
                      c[5] == "critique" ? IcôneMessage::Critique : IcôneMessage::Information);
            EXPECT_TRUE(f.SaisieX.DemandeFocus);
            EXPECT_EQ(f.SaisieX.SelStart, std::stoul(c[6]));
            EXPECT_EQ(f.SaisieX.SelLength, std::stoul(c[7]));
        }
    }
}

TEST(Coordonnees, UneFauteParGroupeEtLOrdonneeApresLAbscisse)
{
    DialogueCoordonnées d;
    Coordonnées& f = d.Ouvrir();
    d.Valider("2", "()+()");
    ASSERT_EQ(d.plateforme.MessagesSystème.size(), 2u);
    EXPECT_EQ(d.plateforme.MessagesSystème[1].Texte, MessageFaute(CodeFaute::ParenthèsesVides));
    EXPECT_FALSE(f.SaisieX.DemandeFocus);
    EXPECT_TRUE(f.SaisieY.DemandeFocus);
    EXPECT_EQ(f.SaisieY.SelLength, 1u);

    // Corrigée, l'ordonnée passe : le point est rendu en entier.
    f.SaisieY.Caption = "4,25";
    f.BtonValider_Click();
    EXPECT_EQ(d.m.YSaisi, "4.25");
}
