// Ce qu'un lecteur d'écran lit de la fenêtre, par l'interface d'accessibilité de Qt : un nom pour chaque
// contrôle qu'on peut atteindre, la figure dite en mots, la phrase de l'analyse et les longueurs.
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"
#include "qt/WidgetCanevas.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class AccessibiliteQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        plateforme.DéfinirFenêtrePrincipale(k.Form, &vue);
        vue.Démarrer();
        vue.Gérer([this] { k.OuvrirFichierFigure(VELMOR_DONNEES_TESTS "/triangle-rectangle.lum"); });
        QApplication::processEvents();
    }

    // Tous les textes que l'interface d'accessibilité donne de la fenêtre modale qui s'ouvre au clic.
    QStringList TextesDeLaFenêtreOuverte(Contrôle& commande)
    {
        QStringList textes;
        QTimer::singleShot(0, [&textes] {
            QWidget* fenêtre = QApplication::activeModalWidget();
            if (!fenêtre)
                return;
            for (QWidget* w : fenêtre->findChildren<QWidget*>()) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
                if (!accessible)
                    continue;
                textes << accessible->text(QAccessible::Name);
                if (QAccessibleTextInterface* texte = accessible->textInterface())
                    textes << texte->text(0, texte->characterCount());
            }
            fenêtre->close();
        });
        vue.Gérer([this, &commande] { k.Cliquer(commande); });
        return textes;
    }

    Modulebas m;
    PlateformeQt plateforme;
    Korvane k{m, plateforme};
    VueKorvane vue{k};
};

} // namespace

TEST_F(AccessibiliteQt, ChaqueControleAtteintParTabANomEtLeRepereDitLaFigure)
{
    QStringList noms;
    for (QWidget* w : vue.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&vue))
            continue;
        const QString nom = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        EXPECT_FALSE(nom.trimmed().isEmpty())
            << w->metaObject()->className() << " sans nom, bulle " << w->toolTip().toStdString();
        noms << nom.trimmed();
    }
    for (const char* attendu : {"Trace une ligne brisée", "Détruit le dernie tracé", "Bleu", "Rouge foncé",
                                "Score", "Zoom avant", "Zoom arrière", "Carré"})
        EXPECT_TRUE(noms.contains(QString::fromUtf8(attendu))) << attendu;

    QAccessibleInterface* repère = QAccessible::queryAccessibleInterface(vue.Canevas());
    EXPECT_EQ(repère->text(QAccessible::Name), QStringLiteral("Repère"));
    EXPECT_EQ(repère->text(QAccessible::Description),
              QStringLiteral("Points : A(0 ; 0), B(4 ; 0), C(0 ; 3). Polygone ABC."));

    vue.Gérer([this] { k.Cliquer(k.BtonEfface); });
    EXPECT_EQ(repère->text(QAccessible::Description), QStringLiteral("Aucun point."));
}

TEST_F(AccessibiliteQt, LaPhraseDeLAnalyseEtLesLongueursSeLisent)
{
    EXPECT_TRUE(TextesDeLaFenêtreOuverte(k.BtonVelmor).join('\n').contains("ABC est un triangle rectangle."));
    const QString longueurs = TextesDeLaFenêtreOuverte(k.BtonLong).join('\n');
    EXPECT_TRUE(longueurs.contains("AB = 4")) << longueurs.toStdString();
    EXPECT_TRUE(longueurs.contains("BC = 5")) << longueurs.toStdString();
}
