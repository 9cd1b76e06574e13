// Les vrais widgets du dialogue des coordonnées, hors écran : frappe au clavier, OK, fautes de calcul.
#include "calc/MessagesCalcul.h"
#include "qt/PlateformeQt.h"
#include "support/DialogueQt.h"
#include "ui/Coordonnees.h"
#include "ui/FormSaisie.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Chaque caractère arrive au widget comme une vraie frappe : le filtre de la vue le voit d'abord.
void Frapper(QWidget* widget, const QString& texte)
{
    for (QChar c : texte) {
        const int touche = c == u'\b' ? int{Qt::Key_Backspace} : int{c.toUpper().unicode()};
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, c == u'\b' ? QString() : QString(c));
        QApplication::sendEvent(widget, &appui);
        QKeyEvent relâche(QEvent::KeyRelease, touche, Qt::NoModifier, c == u'\b' ? QString() : QString(c));
        QApplication::sendEvent(widget, &relâche);
    }
}

void Appuyer(QWidget* widget, Qt::Key touche, const QString& texte)
{
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(widget, &appui);
}

struct Modèle {
    Modulebas m = [] {
        Modulebas m;
        m.Unité = 300;
        m.XMax = 3000;
        m.YMax = 2250;
        m.NomSaisi = "A";
        m.PositionSuivante = 1;
        return m;
    }();
    PlateformeQt plateforme;
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);
    Coordonnées fenêtre{m, plateforme, principale};
};

} // namespace

TEST(VueCoordonnees, LeNomTapeEtOKRendentLePoint)
{
    Modèle d;
    QString nomVu;
    QTimer::singleShot(0, [&] {
        auto* nom = Enfant<QLineEdit>("NomPoint");
        ASSERT_NE(nom, nullptr);
        nom->setFocus();
        nom->setCursorPosition(0);
        // Le curseur au début revient en fin de texte : b remplace A ; un chiffre ne passe pas.
        Frapper(nom, "b1");
        nomVu = nom->text();
        Frapper(Enfant<QLineEdit>("SaisieX"), ",5");
        Frapper(Enfant<QLineEdit>("SaisieY"), "RAC(4)");
        Enfant<QPushButton>("BtonValider")->click();
    });
    d.plateforme.MontrerModal(d.fenêtre);
    EXPECT_EQ(nomVu, QStringLiteral("b"));
    EXPECT_TRUE(d.fenêtre.EstFermée());
    EXPECT_TRUE(d.fenêtre.Validé());
    EXPECT_EQ(d.m.NomSaisi, "b");
    EXPECT_EQ(d.m.XSaisi, "0.5");
    EXPECT_EQ(d.m.YSaisi, "RAC(4)");
    EXPECT_EQ(d.m.PositionSaisie, 1);
}

TEST(VueCoordonnees, UneFauteDeCalculSelectionneLeCaractereFautif)
{
    Modèle d;
    QString titre;
    QString texte;
    QString sélection;
    QTimer::singleShot(0, [&] {
        Frapper(Enfant<QLineEdit>("SaisieX"), "RAC(-4)");
        Frapper(Enfant<QLineEdit>("SaisieY"), "1");
        // La boîte du système s'ouvre pendant le clic : on la lit puis on la ferme.
        QTimer::singleShot(0, [&] {
            auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(boîte, nullptr);
            titre = boîte->windowTitle();
            texte = boîte->text();
            boîte->accept();
        });
        Enfant<QPushButton>("BtonValider")->click();
        sélection = Enfant<QLineEdit>("SaisieX")->selectedText();
        Enfant<QPushButton>("BtonAnnuler")->click();
    });
    d.plateforme.MontrerModal(d.fenêtre);
    EXPECT_EQ(titre, QString::fromUtf8(TitreAnalyseCalcul.data(), TitreAnalyseCalcul.size()));
    EXPECT_EQ(texte.toStdString(), MessageRacineNégative);
    EXPECT_EQ(sélection, QStringLiteral("-"));
    EXPECT_FALSE(d.fenêtre.Validé());
    EXPECT_EQ(d.m.XSaisi, "");
}

TEST(VueCoordonnees, EchapDansLeNomAnnule)
{
    Modèle d;
    QTimer::singleShot(0, [&] {
        auto* nom = Enfant<QLineEdit>("NomPoint");
        Frapper(nom, "z");
        Appuyer(nom, Qt::Key_Escape, "\x1b");
    });
    d.plateforme.MontrerModal(d.fenêtre);
    EXPECT_TRUE(d.fenêtre.EstFermée());
    EXPECT_FALSE(d.fenêtre.Validé());
    EXPECT_EQ(d.m.NomSaisi, "A");
}

TEST(VueFormSaisie, SeulesLesMajusculesSeTapentEtEntreeValide)
{
    Modulebas m;
    PlateformeQt plateforme;
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);
    FormSaisie fenêtre(m, plateforme, principale);
    QTimer::singleShot(0, [&] {
        auto* noms = Enfant<QLineEdit>("TextPolySeg");
        Frapper(noms, "Ab1CDe,E\b");
        // Entrée passe le filtre : elle valide le dialogue.
        Appuyer(noms, Qt::Key_Return, "\r");
    });
    plateforme.MontrerModal(fenêtre);
    EXPECT_TRUE(fenêtre.EstFermée());
    EXPECT_EQ(m.ChaîneSommets, "ACD");
}
