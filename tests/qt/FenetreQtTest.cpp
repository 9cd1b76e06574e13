// La fenêtre principale réelle : ses widgets montrent l'état du modèle (menus, disposition, canevas,
// lecteur d'écran) et ses touches déclenchent les commandes du modèle.
#include "qt/FenetreQt.h"
#include "support/DossierTemporaire.h"
#include "ui/CadreFocus.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>

namespace {

// Chaque commande de menu montre la légende, l'activation et la coche de son contrôle, et chaque légende
// visible a sa touche d'accès, unique dans son menu. Un séparateur est un trait de Qt, que le lecteur
// d'écran ne lit pas.
void VérifierMenus(const std::vector<EntréeMenu>& entrées, const QList<QAction*>& actions)
{
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entrées.size()));
    std::set<QKeySequence> touches;
    for (std::size_t i = 0; i < entrées.size(); ++i) {
        const Contrôle& c = *entrées[i].Item;
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(action->isSeparator(), c.Séparateur);
        if (c.Séparateur)
            continue;
        EXPECT_EQ(action->text(), VersQString(c.Caption));
        EXPECT_EQ(std::tuple(action->isEnabled(), action->isVisible(), action->isChecked()),
                  std::tuple(c.Enabled, c.Visible, c.Checked));
        const QKeySequence touche = QKeySequence::mnemonic(action->text());
        EXPECT_TRUE(!c.Visible || (!touche.isEmpty() && touches.insert(touche).second))
            << "touche d'accès absente ou en double";
        if (!entrées[i].Sous.empty())
            VérifierMenus(entrées[i].Sous, action->menu()->actions());
    }
}

// Une étiquette ou un bouton visible montre ce texte.
bool Montré(const QWidget& vue, const QString& texte)
{
    const QList<QWidget*> widgets = vue.findChildren<QWidget*>();
    return std::any_of(widgets.begin(), widgets.end(), [&](const QWidget* w) {
        return w->isVisibleTo(&vue) && w->property("text").toString() == texte;
    });
}

} // namespace

// À chaque taille, rien ne déborde, et la médaille du score, une image, se redessine à la taille de son
// cadre.
TEST_F(FenetreQt, MenusEtControlesSuiventLeModeleAToutesLesTailles)
{
    const QList<QLabel*> étiquettes = vue.findChildren<QLabel*>();
    const auto médaille = std::find_if(étiquettes.begin(), étiquettes.end(), [](QLabel* l) {
        return l->accessibleName() == QStringLiteral("Score");
    });
    ASSERT_NE(médaille, étiquettes.end());
    for (const QSize taille : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024)}) {
        SCOPED_TRACE(taille.width());
        vue.resize(taille);
        QApplication::processEvents();
        VérifierMenus(k.Menus, vue.menuBar()->actions());
        EXPECT_EQ(Débordant(&vue), "");
        const QImage image = (*médaille)->pixmap().toImage();
        QImage vide(image.size(), image.format());
        vide.fill(Qt::transparent);
        EXPECT_EQ(image.size(), (*médaille)->size());
        EXPECT_NE(image, vide);
        Ouvrir("triangle-rectangle.lum");
    }
}

// Les raccourcis passent par la vraie table des raccourcis de Qt : le zoom recopie l'échelle sur son
// étiquette, et une commande inactive (rien à annuler) ne fait rien.
TEST_F(FenetreQt, LesRaccourcisFontCeQueFontLeursCommandes)
{
    const std::int32_t xMax = m.XMax;
    Frapper(Qt::CTRL | Qt::Key_Minus, QStringLiteral("-"));
    EXPECT_GT(m.XMax, xMax);
    EXPECT_TRUE(Montré(vue, VersLégende(k.EtiEchelle.Caption)));
    Frapper(Qt::CTRL | Qt::Key_Plus, QStringLiteral("+"));
    EXPECT_EQ(m.XMax, xMax);
    ASSERT_FALSE(k.BtonAnnule.Enabled && k.BtonAnnule.Visible);
    Frapper(Qt::CTRL | Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(m.NbPoints, 0u);
}

// Le message du bonus s'ouvre au milieu du gestionnaire : derrière lui la fenêtre montre déjà l'état
// changé, et de nouveau ce que le message a changé en se fermant.
TEST_F(FenetreQt, DerriereUnMessageLaFenetreMontreLEtatDejaChange)
{
    bool vu = false;
    DansLaModale([&](QWidget*) {
        vu = Montré(vue, QStringLiteral("Score : 1/1")) && Montré(vue, QStringLiteral("Analyse"));
        k.EtiScore.Caption = "Score : 2/2";
    });
    vue.Gérer([&] {
        k.EtiScore.Caption = "Score : 1/1";
        k.BtonVelmor.Visible = true;
        k.AfficherTexte("Bonus", "Un bonus !", BoutonsTexte::Fermer);
        EXPECT_TRUE(vu && Montré(vue, QStringLiteral("Score : 2/2")));
    });
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

// Au clavier, chaque contrôle actif de la fenêtre, le repère compris, montre un cadre plein sur son bord :
// une bande de deux pixels qui tranche à 3:1 au moins sur le fond juste à côté, puis, s'il en faut une autre,
// une seconde de deux pixels ; la dernière tranche sur ce qu'elle borde. Un lecteur d'écran nomme chaque
// contrôle atteint par Tab ; le repère dit la figure qu'il montre, puis la phrase de l'Analyse
// (Ctrl+Entrée) ; ce qui l'efface est vérifié au modèle.
TEST_F(FenetreQt, LeFocusSeVoitEtLeLecteurDEcranNommeLesControlesEtLitLaFigure)
{
    Ouvrir("triangle-rectangle.lum");
    const auto teinte = [](const QImage& image, int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return Couleur{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                       static_cast<std::uint8_t>(c.blue())};
    };
    for (QWidget* w : vue.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&vue) || !w->isEnabled())
            continue;
        SCOPED_TRACE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString());
        const int y = w->height() / 2;
        const Couleur autour = teinte(w->parentWidget()->grab().toImage(), w->x() - 1, w->y() + y);
        const QImage avant = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        const QImage cadre = w->grab().toImage();
        const Couleur extérieur = teinte(cadre, 0, y);
        EXPECT_TRUE(teinte(cadre, 1, y) == extérieur);
        EXPECT_GE(RapportContraste(extérieur, autour), 3.0);
        const int dernier = teinte(cadre, 2, y) == teinte(avant, 2, y) ? 1 : 3;
        EXPECT_TRUE(teinte(cadre, dernier - 1, y) == teinte(cadre, dernier, y));
        EXPECT_GE(RapportContraste(teinte(cadre, dernier, y), teinte(avant, dernier + 1, y)), 3.0);
    }

    EXPECT_EQ(SansNomAccessible(&vue), "");
    QAccessibleInterface* repère = QAccessible::queryAccessibleInterface(vue.Canevas());
    const auto lu = [repère] { return repère->text(QAccessible::Description); };
    const QString figure = lu();
    EXPECT_TRUE(figure.endsWith(QStringLiteral(" Polygone ABC."))) << figure.toStdString();

    DansLaModale([](QWidget*) {});
    Frapper(Qt::CTRL | Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(lu().startsWith(figure + QStringLiteral(" ABC est un triangle rectangle")))
        << lu().toStdString();
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
    ASSERT_TRUE(std::any_of(étiquettes.begin(), étiquettes.end(), montreLeNom));
    for (QLabel* étiquette : étiquettes)
        EXPECT_TRUE(!montreLeNom(étiquette) || étiquette->textFormat() == Qt::PlainText)
            << étiquette->text().toStdString();
    k.Form.Caption = nom;
    vue.Rafraîchir();
    EXPECT_EQ(vue.windowHandle()->title(), QString::fromStdString(nom));
}
