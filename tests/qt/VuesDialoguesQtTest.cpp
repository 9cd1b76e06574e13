// Les vues Qt des petites fenêtres, hors écran : widgets, clics, fermeture.
#include "qt/FabriqueVues.h"
#include "qt/PlateformeQt.h"
#include "support/DialogueQt.h"
#include "ui/ChoixPrecision.h"
#include "ui/Coordonnees.h"
#include "ui/FormAngle.h"
#include "ui/FormApropos.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormLong.h"
#include "ui/FormMessage.h"
#include "ui/FormSaisie.h"
#include "ui/FormTexteAgrandi.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void CliquerDansLaFenêtreActive(const QString& légende)
{
    QTimer::singleShot(0, [légende] { Cliquer(légende); });
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

TEST(FabriqueVues, ConnaitChaqueDialogue)
{
    Modulebas m;
    PlateformeQt plateforme;
    const Contrôle principale;
    const std::vector<std::string> lignes{"AB = 1"};
    Coordonnées coordonnées(m, plateforme, principale);
    FormSaisie saisie(m, plateforme, principale);
    FormChoixPoint choix(m, principale);
    ChoixPrécision précision(m, principale);
    FormCouleurs couleurs(m, principale);
    FormLong longueurs(lignes, principale);
    FormAngle angles(lignes, principale);
    FormMessage message(m, principale);
    FormTexteAgrandi texte(m, principale);
    FormApropos apropos(principale);
    for (Fenêtre* f : std::initializer_list<Fenêtre*>{&coordonnées, &saisie, &choix, &précision, &couleurs,
                                                      &longueurs, &angles, &message, &texte, &apropos}) {
        EXPECT_NE(FabriquerVue(*f, nullptr), nullptr) << typeid(*f).name();
    }
}
