// La fenêtre principale réelle : ses widgets montrent l'état du modèle (menus, disposition, canevas,
// lecteur d'écran) et ses touches déclenchent les commandes du modèle.
#include "qt/FenetreQt.h"
#include "model/DescriptionFigure.h"
#include "support/DossierTemporaire.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>

namespace {

// Chaque commande de menu montre la légende, l'activation et la coche de son contrôle, et chaque légende
// visible (hors séparateur) a sa touche d'accès, unique dans son menu.
void VérifierMenus(const std::vector<EntréeMenu>& entrées, const QList<QAction*>& actions)
{
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entrées.size()));
    std::set<QKeySequence> touches;
    for (std::size_t i = 0; i < entrées.size(); ++i) {
        const Contrôle& c = *entrées[i].Item;
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(action->text(), VersQString(c.Caption));
        EXPECT_EQ(std::tuple(action->isEnabled(), action->isVisible(), action->isChecked()),
                  std::tuple(c.Enabled, c.Visible, c.Checked));
        const QKeySequence touche = QKeySequence::mnemonic(action->text());
        const bool séparateur = c.Caption.starts_with("___");
        EXPECT_TRUE(séparateur || !c.Visible || (!touche.isEmpty() && touches.insert(touche).second))
            << "touche d'accès absente ou en double";
        if (!entrées[i].Sous.empty())
            VérifierMenus(entrées[i].Sous, action->menu()->actions());
    }
}

bool Montré(const QWidget& vue, const QString& texte)
{
    for (const QWidget* w : vue.findChildren<QWidget*>()) {
        const auto* étiquette = qobject_cast<const QLabel*>(w);
        const auto* bouton = qobject_cast<const QPushButton*>(w);
        if (((étiquette && étiquette->text() == texte) || (bouton && bouton->text() == texte)) &&
            w->isVisibleTo(&vue))
            return true;
    }
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
        EXPECT_EQ(Débordant(&vue), "");
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

    const QList<QAction*> actions = vue.findChildren<QAction*>();
    for (const Raccourci& r : k.Raccourcis)
        EXPECT_TRUE(std::ranges::any_of(actions, [&](const QAction* a) {
            return a->shortcut() == QKeySequence(VersQString(r.Touches));
        })) << r.Touches;
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
    EXPECT_TRUE(scoreDerrière && analyseDerrière && scoreAprès);
}

// Ce qui est peint a les teintes des marques du modèle, et le côté BC, qui ne longe aucun axe, reste
// dessus.
TEST_F(FenetreQt, LeCanevasPeintLesMarquesDuModele)
{
    Ouvrir("triangle-rectangle.lum");
    Clic(k.ItemTépais);
    const QImage image = vue.Canevas()->grab().toImage();
    VérifierTeintes(image);
    QColor dernierOblique;
    for (const Marque& marque : k.Ecran.Marques())
        if (marque.Genre == GenreMarque::Ligne && marque.X1 != marque.X2 && marque.Y1 != marque.Y2)
            dernierOblique = VersQColor(marque.Teinte);
    ASSERT_TRUE(dernierOblique.isValid());
    EXPECT_EQ(image.pixelColor(((Pixel(4, 0) + Pixel(0, 3)) / 2).toPoint()), dernierOblique);
}

// En mode de modification, le pointeur posé sur B le désigne, et le bouton pressé l'ouvre dans le dialogue
// des coordonnées.
TEST_F(FenetreQt, LaSourisDesigneEtChoisitUnPointDuCanevas)
{
    Ouvrir("triangle-rectangle.lum");
    Clic(k.BtonModifPoint);
    const QPointF b = Pixel(4, 0);
    QMouseEvent survol(QEvent::MouseMove, b, b, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vue.Canevas(), &survol);
    EXPECT_TRUE(k.EtiX.Visible);
    EXPECT_EQ(vue.Canevas()->cursor().shape(), Qt::BitmapCursor);
    QString abscisse;
    DansLaModale([&](QWidget* dialogue) { abscisse = dialogue->findChild<QLineEdit*>("SaisieX")->text(); });
    QMouseEvent appui(QEvent::MouseButtonPress, b, b, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vue.Canevas(), &appui);
    EXPECT_EQ(abscisse, QStringLiteral("4"));
}

// Un lecteur d'écran nomme chaque contrôle atteint par Tab, et le repère dit la figure qu'il montre.
TEST_F(FenetreQt, LeLecteurDEcranNommeLesControlesEtLitLaFigure)
{
    Ouvrir("triangle-rectangle.lum");
    for (QWidget* w : vue.findChildren<QWidget*>()) {
        const QString nom = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed();
        EXPECT_TRUE(!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&vue) || !nom.isEmpty())
            << w->metaObject()->className() << " sans nom, bulle " << w->toolTip().toStdString();
    }
    QAccessibleInterface* repère = QAccessible::queryAccessibleInterface(vue.Canevas());
    EXPECT_FALSE(repère->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(repère->text(QAccessible::Description).contains(QStringLiteral("ABC")));

    Clic(k.BtonEfface);
    EXPECT_EQ(repère->text(QAccessible::Description), VersQString(DescriptionFigure(m)));
    EXPECT_FALSE(repère->text(QAccessible::Description).contains(QStringLiteral("ABC")));
}

// Un nom de fichier qui ressemble à du HTML se lit tel quel, dans les étiquettes comme dans le titre.
TEST_F(FenetreQt, UnNomDeFichierSeMontreEnTexteBrut)
{
    const DossierTemporaire dossier;
    const std::string nom = "<font color=red size=7>ROUGE[*].lum";
    const auto chemin =
        dossier.Écrire(nom, LireTout(std::filesystem::path(VELMOR_DONNEES_TESTS) / "triangle-rectangle.lum"));
    vue.Gérer([&] { k.OuvrirFichierFigure(chemin.string()); });
    QApplication::processEvents();
    const QList<QLabel*> étiquettes = vue.findChildren<QLabel*>();
    const auto montreLeNom = [&](QLabel* l) { return l->isVisible() && l->text().contains("<font"); };
    ASSERT_TRUE(std::ranges::any_of(étiquettes, montreLeNom));
    for (QLabel* étiquette : étiquettes | std::views::filter(montreLeNom))
        EXPECT_EQ(étiquette->textFormat(), Qt::PlainText) << étiquette->text().toStdString();
    k.Form.Caption = nom;
    vue.Rafraîchir();
    EXPECT_EQ(vue.windowHandle()->title(), QString::fromStdString(nom));
}
