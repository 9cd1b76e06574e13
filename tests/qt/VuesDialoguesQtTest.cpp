// Les vues Qt des petites fenêtres, hors écran : widgets, clics, fermeture.
#include "platform/qt/FabriqueVues.h"
#include "platform/qt/PlateformeQt.h"
#include "ui/FormMessage.h"
#include "ui/FormTexteAgrandi.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Cherche le bouton de légende donnée dans la fenêtre modale ouverte et le clique.
void CliquerDansLaFenêtreActive(const QString& légende)
{
    QTimer::singleShot(0, [légende] {
        QWidget* active = QApplication::activeModalWidget();
        ASSERT_NE(active, nullptr);
        for (QPushButton* bouton : active->findChildren<QPushButton*>()) {
            if (bouton->text() == légende && bouton->isVisible()) {
                bouton->click();
                return;
            }
        }
        ADD_FAILURE() << "pas de bouton visible " << légende.toStdString();
    });
}

} // namespace

TEST(VueFormMessage, MontreLeTexteEtSeFermeSurOk)
{
    Modulebas m;
    PlateformeQt plateforme;
    m.TitreMessage = "Polygone";
    m.TexteMessage = "Il faut donner au moins 3 points !";
    QString texteVu;
    QString titreVu;
    QTimer::singleShot(0, [&] {
        QWidget* active = QApplication::activeModalWidget();
        ASSERT_NE(active, nullptr);
        titreVu = active->windowTitle();
        for (QLabel* étiquette : active->findChildren<QLabel*>())
            texteVu += étiquette->text();
    });
    CliquerDansLaFenêtreActive(QStringLiteral("Ok"));
    plateforme.MontrerFormMessage(m);
    EXPECT_EQ(titreVu, QStringLiteral("Polygone"));
    EXPECT_EQ(texteVu, QStringLiteral("Il faut donner au moins 3 points !"));
    EXPECT_EQ(m.TitreMessage, "");
}

TEST(VueFormTexteAgrandi, SeulValiderRemplitTexteRetour)
{
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);
    for (const QString& bouton : {QStringLiteral("Annuler"), QStringLiteral("Valider")}) {
        SCOPED_TRACE(bouton.toStdString());
        Modulebas m;
        PlateformeQt plateforme;
        FormTexteAgrandi fenêtre(m, principale);
        fenêtre.TexteE1Ag.Caption = "Construction d'un carré";
        fenêtre.BtonValider.Visible = true;
        fenêtre.BtonAnnuler.Visible = true;
        CliquerDansLaFenêtreActive(bouton);
        plateforme.MontrerModal(fenêtre);
        EXPECT_TRUE(fenêtre.EstFermée());
        EXPECT_EQ(m.TexteRetour, bouton == QStringLiteral("Valider") ? "Construction d'un carré" : "");
    }
}

TEST(FabriqueVues, ConnaitChaquePetiteFenetre)
{
    Modulebas m;
    const Contrôle principale;
    FormMessage message(m, principale);
    FormTexteAgrandi texte(m, principale);
    EXPECT_NE(FabriquerVue(message, nullptr), nullptr);
    EXPECT_NE(FabriquerVue(texte, nullptr), nullptr);
}
