// La fenêtre principale réelle : ses widgets montrent l'état du modèle (menus, disposition, canevas,
// lecteur d'écran) et ses touches déclenchent les commandes du modèle.
#include "qt/FenetreQt.h"
#include "model/DescriptionFigure.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <set>

namespace {

// Chaque commande de menu montre la légende, l'activation et la coche de son contrôle, et chaque touche
// d'accès d'une légende est unique dans son menu.
void VérifierMenus(const std::vector<EntréeMenu>& entrées, const QList<QAction*>& actions)
{
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entrées.size()));
    std::set<QKeySequence> touches;
    for (std::size_t i = 0; i < entrées.size(); ++i) {
        const Contrôle& c = *entrées[i].Item;
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(action->text(), VersQString(c.Caption));
        EXPECT_EQ(action->isEnabled(), c.Enabled);
        EXPECT_EQ(action->isVisible(), c.Visible);
        EXPECT_EQ(action->isChecked(), c.Checked);
        const QKeySequence touche = QKeySequence::mnemonic(action->text());
        EXPECT_TRUE(!c.Visible || touche.isEmpty() || touches.insert(touche).second)
            << "touche d'accès en double";
        if (!entrées[i].Sous.empty()) {
            ASSERT_NE(action->menu(), nullptr);
            VérifierMenus(entrées[i].Sous, action->menu()->actions());
        }
    }
}

bool Montré(const QWidget& vue, const QString& texte)
{
    for (const QLabel* étiquette : vue.findChildren<QLabel*>())
        if (étiquette->text() == texte && étiquette->isVisibleTo(&vue))
            return true;
    for (const QPushButton* bouton : vue.findChildren<QPushButton*>())
        if (bouton->text() == texte && bouton->isVisibleTo(&vue))
            return true;
    return false;
}

} // namespace

TEST_F(FenetreQt, MenusEtControlesSuiventLeModeleAToutesLesTailles)
{
    for (const QSize taille : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024)}) {
        SCOPED_TRACE(taille.width());
        vue.resize(taille);
        QApplication::processEvents();
        EXPECT_EQ(vue.windowTitle(), VersQString(k.Form.Caption));
        VérifierMenus(k.Menus, vue.menuBar()->actions());
        std::string fautif;
        EXPECT_TRUE(ToutTientDansSonParent(&vue, fautif)) << fautif;
        Ouvrir("triangle-rectangle.lum");
    }
}

// Les raccourcis passent par la vraie table des raccourcis de Qt : le zoom recopie l'échelle sur son
// étiquette, et une commande inactive (rien à annuler) ne fait rien.
TEST_F(FenetreQt, LesRaccourcisFontCeQueFontLeursCommandes)
{
    const std::int32_t xMax = m.XMax;
    Presser(Qt::CTRL | Qt::Key_Minus, QStringLiteral("-"));
    EXPECT_GT(m.XMax, xMax);
    EXPECT_TRUE(Montré(vue, VersLégende(k.EtiEchelle.Caption)));
    Presser(Qt::CTRL | Qt::Key_Plus, QStringLiteral("+"));
    EXPECT_EQ(m.XMax, xMax);

    ASSERT_FALSE(k.BtonAnnule.Enabled && k.BtonAnnule.Visible);
    Presser(Qt::CTRL | Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(m.NbPoints, 0u);
    // Chaque raccourci du modèle est posé sur une action de la fenêtre, celle du menu s'il y en a une.
    const QList<QAction*> actions = vue.findChildren<QAction*>();
    for (const Raccourci& r : k.Raccourcis) {
        const QKeySequence touches(VersQString(r.Touches));
        EXPECT_TRUE(std::ranges::any_of(actions, [&](const QAction* a) { return a->shortcut() == touches; }))
            << r.Touches;
    }
}

// Le message du bonus s'ouvre au milieu du gestionnaire : derrière lui la fenêtre montre déjà l'état
// changé, et de nouveau ce que le message a changé en se fermant.
TEST_F(FenetreQt, DerriereUnMessageLaFenetreMontreLEtatDejaChange)
{
    bool scoreDerrière = false, analyseDerrière = false, scoreAprès = false;
    DansLaModale([&](QWidget*) {
        scoreDerrière = Montré(vue, QStringLiteral("Score : 1/1"));
        analyseDerrière = Montré(vue, QStringLiteral("Analyse"));
        k.EtiScore.Caption = "Score : 2/2";
    });
    vue.Gérer([&] {
        k.EtiScore.Caption = "Score : 1/1";
        k.BtonVelmor.Visible = true;
        k.AfficherTexte("Bonus", "Un bonus !", BoutonsTexte::Fermer);
        scoreAprès = Montré(vue, QStringLiteral("Score : 2/2"));
    });
    EXPECT_TRUE(scoreDerrière);
    EXPECT_TRUE(analyseDerrière);
    EXPECT_TRUE(scoreAprès);
}

// Ce qui est peint a les teintes des marques du modèle, et le dernier trait tracé reste dessus.
TEST_F(FenetreQt, LeCanevasPeintLesMarquesDuModele)
{
    Ouvrir("triangle-rectangle.lum");
    Clic(k.ItemTépais);
    const QImage image = vue.Canevas()->grab().toImage();
    std::set<QRgb> peintes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            peintes.insert(image.pixel(x, y));
    ASSERT_FALSE(k.Ecran.Marques().empty());
    for (const Marque& marque : k.Ecran.Marques())
        EXPECT_TRUE(peintes.contains(VersQColor(marque.Teinte).rgb()))
            << VersQColor(marque.Teinte).name().toStdString();

    // Le côté BC ne longe aucun axe : son milieu n'est que sous lui.
    const auto côté = std::ranges::find_if(k.Ecran.Marques() | std::views::reverse, [](const Marque& marque) {
        return marque.Genre == GenreMarque::Ligne && marque.X1 != marque.X2 && marque.Y1 != marque.Y2;
    });
    ASSERT_NE(côté, (k.Ecran.Marques() | std::views::reverse).end());
    const QPointF milieu = (Pixel(4, 0) + Pixel(0, 3)) / 2;
    EXPECT_EQ(image.pixelColor(milieu.toPoint()), VersQColor(côté->Teinte));
}

// Un lecteur d'écran nomme chaque contrôle atteint par Tab, dit la figure du repère, et lit la phrase de
// l'analyse et les longueurs.
TEST_F(FenetreQt, LeLecteurDEcranNommeLesControlesEtLitLaFigure)
{
    Ouvrir("triangle-rectangle.lum");
    for (QWidget* w : vue.findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&vue)) {
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty())
                << w->metaObject()->className() << " sans nom, bulle " << w->toolTip().toStdString();
        }
    }
    QAccessibleInterface* repère = QAccessible::queryAccessibleInterface(vue.Canevas());
    EXPECT_FALSE(repère->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(repère->text(QAccessible::Description), VersQString(DescriptionFigure(m)));
    EXPECT_TRUE(repère->text(QAccessible::Description).contains(QStringLiteral("ABC")));

    const auto lu = [this](Contrôle& commande) {
        QString textes;
        DansLaModale([&textes](QWidget* fenêtre) {
            for (QWidget* w : fenêtre->findChildren<QWidget*>()) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
                textes += accessible->text(QAccessible::Name) + '\n';
                if (QAccessibleTextInterface* texte = accessible->textInterface())
                    textes += texte->text(0, texte->characterCount()) + '\n';
            }
        });
        Clic(commande);
        return textes;
    };
    EXPECT_TRUE(lu(k.BtonVelmor).contains(QStringLiteral("ABC est un triangle rectangle.")));
    EXPECT_TRUE(lu(k.BtonLong).contains(QStringLiteral("BC = 5")));

    Clic(k.BtonEfface);
    EXPECT_EQ(repère->text(QAccessible::Description), VersQString(DescriptionFigure(m)));
    EXPECT_FALSE(repère->text(QAccessible::Description).contains(QStringLiteral("ABC")));
}
