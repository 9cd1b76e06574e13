// La fenêtre principale réelle, hors écran : menus, touches d'accès, canevas peint.
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"
#include "qt/WidgetCanevas.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class VueKorvaneQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        plateforme.DéfinirFenêtrePrincipale(k.Form, &vue);
        vue.Démarrer();
        QApplication::processEvents();
    }

    Modulebas m;
    PlateformeQt plateforme;
    Korvane k{m, plateforme};
    VueKorvane vue{k};
};

} // namespace

TEST_F(VueKorvaneQt, LaFenetreSeConstruitAvecSesMenusEtLeursTouchesDAcces)
{
    EXPECT_EQ(vue.windowTitle(), QStringLiteral("Jeu Velmor (construction de figures cibles)"));
    EXPECT_EQ(vue.size(), QSize(800, 600));
    const QList<QAction*> menus = vue.menuBar()->actions();
    QStringList titres;
    for (QAction* menu : menus)
        titres << menu->text();
    EXPECT_EQ(titres, (QStringList{"&Fichier", "&Exercices", "&Lumarc", "&Options", "&?"}));
    EXPECT_EQ(QKeySequence::mnemonic(menus[4]->text()), QKeySequence(Qt::ALT | Qt::Key_Question));

    QMenu* lumarc = menus[2]->menu();
    ASSERT_NE(lumarc, nullptr);
    const QList<QAction*> éléments = lumarc->actions();
    ASSERT_EQ(éléments.size(), 8);
    EXPECT_EQ(éléments[2]->text(), QStringLiteral("&Numéroter les quadrants "));
    EXPECT_TRUE(éléments[1]->isChecked());  // le quadrillage
    EXPECT_TRUE(éléments[3]->isEnabled());  // placer un point
    EXPECT_FALSE(éléments[5]->isEnabled()); // polygone
    EXPECT_EQ(QKeySequence::mnemonic(éléments[5]->text()), QKeySequence(Qt::ALT | Qt::Key_O));

    QStringList boutons;
    for (QPushButton* bouton : vue.findChildren<QPushButton*>())
        if (bouton->isVisibleTo(&vue) && !bouton->text().isEmpty())
            boutons << bouton->text();
    EXPECT_TRUE(boutons.contains(QStringLiteral("M (x,y)")));
    EXPECT_FALSE(boutons.contains(QStringLiteral("Analyse")));
}

TEST_F(VueKorvaneQt, UnPixelSurUneLigneDuQuadrillageEnALaCouleur)
{
    WidgetCanevas* canevas = vue.Canevas();
    const QImage image = canevas->grab().toImage();
    ASSERT_FALSE(image.isNull());
    const Repère& r = k.Ecran.RepèreCourant();
    const auto colonne = [&](double x) { return r.VersPixels({x, 0}, image.width(), image.height()).X; };
    const auto rangée = [&](double y) { return r.VersPixels({0, y}, image.width(), image.height()).Y; };
    // Sur la verticale x = 3, à mi-hauteur entre deux horizontales.
    const int x = static_cast<int>(std::floor(colonne(3.0 * m.Unité)));
    const int y = static_cast<int>(rangée(2.5 * m.Unité));
    EXPECT_EQ(image.pixelColor(x, y), QColor(0, 255, 255));
    // Sur l'axe des abscisses, loin des verticales.
    const int xAxe = static_cast<int>(colonne(4.5 * m.Unité));
    const int yAxe = static_cast<int>(std::round(rangée(0)));
    EXPECT_EQ(image.pixelColor(xAxe, yAxe), QColor(100, 100, 0));
}

TEST_F(VueKorvaneQt, LeZoomRecopieLEchelleSurSonEtiquette)
{
    QPushButton* moins = nullptr;
    for (QPushButton* bouton : vue.findChildren<QPushButton*>())
        if (bouton->text() == QStringLiteral("-"))
            moins = bouton;
    ASSERT_NE(moins, nullptr);
    const std::int32_t xMax = m.XMax;
    moins->click();
    EXPECT_EQ(m.XMax, xMax + 1000);
    QStringList textes;
    for (QLabel* étiquette : vue.findChildren<QLabel*>())
        textes << étiquette->text();
    EXPECT_TRUE(textes.contains(QString::fromStdString(k.EtiEchelle.Caption)));
    EXPECT_NE(k.EtiEchelle.Caption, " 1");
}

// Le message du bonus s'ouvre au milieu du gestionnaire, après le score et l'effacement de la figure :
// derrière lui la fenêtre montre déjà ce nouvel état, et de nouveau ce que le message a changé en se fermant.
TEST_F(VueKorvaneQt, DerriereUnMessageLaFenetreMontreLEtatDejaChange)
{
    const auto montré = [this](const QString& texte) {
        for (QWidget* w : vue.findChildren<QWidget*>()) {
            const auto* étiquette = qobject_cast<QLabel*>(w);
            const auto* bouton = qobject_cast<QPushButton*>(w);
            if (((étiquette && étiquette->text() == texte) || (bouton && bouton->text() == texte)) &&
                w->isVisibleTo(&vue))
                return true;
        }
        return false;
    };
    bool scoreDerrière = false;
    bool analyseDerrière = false;
    bool scoreAprès = false;
    QTimer::singleShot(0, [&] {
        scoreDerrière = montré(QStringLiteral("Score : 1/1"));
        analyseDerrière = montré(QStringLiteral("Analyse"));
        k.EtiScore.Caption = "Score : 2/2";
        if (QWidget* message = QApplication::activeModalWidget())
            message->close();
    });
    vue.Gérer([&] {
        k.EtiScore.Caption = "Score : 1/1";
        k.BtonVelmor.Visible = true;
        k.AfficherTexte("Bonus", "Un bonus !", BoutonsTexte::Fermer);
        scoreAprès = montré(QStringLiteral("Score : 2/2"));
    });
    EXPECT_TRUE(scoreDerrière);
    EXPECT_TRUE(analyseDerrière);
    EXPECT_TRUE(scoreAprès);
}

// Les raccourcis usuels passent par la vraie table des raccourcis de Qt : la commande de menu montre le sien,
// le bouton du zoom le prend, et une commande inactive (rien à annuler) ne fait rien.
TEST_F(VueKorvaneQt, LesRaccourcisUsuelsFontCeQueFontLeursCommandes)
{
    vue.activateWindow();
    QApplication::processEvents();
    const auto presser = [this](int touche) {
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::ControlModifier,
                        touche == Qt::Key_Plus ? QStringLiteral("+") : QStringLiteral("-"));
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &vue, &appui);
    };

    QMenu* fichier = vue.menuBar()->actions()[0]->menu();
    ASSERT_NE(fichier, nullptr);
    EXPECT_EQ(fichier->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));

    const std::int32_t xMax = m.XMax;
    presser(Qt::Key_Minus);
    EXPECT_EQ(m.XMax, xMax + 1000);
    presser(Qt::Key_Plus);
    EXPECT_EQ(m.XMax, xMax);

    ASSERT_FALSE(k.BtonAnnule.Enabled && k.BtonAnnule.Visible);
    QKeyEvent annuler(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, QStringLiteral("z"));
    QApplication::sendEvent(&vue, &annuler);
    EXPECT_EQ(m.NbPoints, 0u);
}
