// Une cible et un exercice joués au clavier seul dans la vraie fenêtre : Tab, Espace, Entrée, les flèches,
// les lettres des menus et des zones de texte ; aucune souris, aucun appel direct au modèle.
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Le widget qui reçoit les touches : le menu ouvert, sinon celui qui a le focus. La plateforme hors écran
// ne rend pas l'activation à la fenêtre principale quand un dialogue se ferme : on le fait comme le
// gestionnaire de fenêtres.
QWidget* Destinataire()
{
    if (!QApplication::activeWindow() && !QApplication::activeModalWidget()) {
        for (QWidget* fenêtre : QApplication::topLevelWidgets()) {
            if (fenêtre->isVisible() && qobject_cast<QMainWindow*>(fenêtre)) {
                fenêtre->activateWindow();
                QApplication::processEvents();
            }
        }
    }
    if (QWidget* menu = QApplication::activePopupWidget())
        return menu;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

QString Nom(const QWidget* w)
{
    if (const auto* bouton = qobject_cast<const QAbstractButton*>(w); bouton && !bouton->text().isEmpty())
        return bouton->text().trimmed();
    if (const auto* étiquette = qobject_cast<const QLabel*>(w); étiquette && !étiquette->text().isEmpty())
        return étiquette->text().trimmed();
    return w->toolTip();
}

// Les touches se frappent une à une depuis la boucle d'évènements : une touche qui ouvre une fenêtre modale
// ne rend la main qu'à sa fermeture, les suivantes se frappent donc dans la boucle de cette fenêtre.
class Clavier {
public:
    void Touche(int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier, QString texte = {})
    {
        étapes.push_back([=] {
            Frapper(touche, modificateurs, texte);
            return true;
        });
    }

    void Taper(const QString& texte)
    {
        for (QChar c : texte)
            Touche(0, Qt::NoModifier, QString(c));
    }

    // Tab jusqu'au contrôle de ce nom (sa légende, ou sa bulle pour un bouton à image, ou son nom d'objet).
    void TabulerJusquÀ(const QString& nom)
    {
        étapes.push_back([nom] {
            for (int essai = 0; essai < 80; ++essai) {
                if (const QWidget* focus = QApplication::focusWidget();
                    focus && (Nom(focus) == nom || focus->objectName() == nom))
                    return true;
                Frapper(Qt::Key_Tab, Qt::NoModifier, {});
            }
            ADD_FAILURE() << "Tab n'atteint pas " << nom.toStdString();
            return true;
        });
    }

    // Une étape qui se répète jusqu'à ce que sa condition soit vraie.
    void Attendre(std::function<bool()> condition) { étapes.push_back(std::move(condition)); }

    // Joue les étapes ; au-delà du délai, les fenêtres modales restées ouvertes se ferment et le jeu échoue
    // plutôt que de rester bloqué.
    bool Jouer(int délaiMs = 20000)
    {
        délai = QDeadlineTimer(délaiMs);
        QTimer::singleShot(0, [this] { Suivante(); });
        while (!fini)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return !échec;
    }

private:
    static void Frapper(int touche, Qt::KeyboardModifiers modificateurs, const QString& texte)
    {
        QWidget* cible = Destinataire();
        if (!cible)
            return;
        QKeyEvent appui(QEvent::KeyPress, touche, modificateurs, texte);
        QApplication::sendEvent(cible, &appui);
        if (QWidget* encore = Destinataire()) {
            QKeyEvent relâche(QEvent::KeyRelease, touche, modificateurs, texte);
            QApplication::sendEvent(encore, &relâche);
        }
    }

    // La suivante est programmée avant de jouer celle-ci : une étape qui ouvre une fenêtre modale n'en
    // revient qu'à sa fermeture.
    void Suivante()
    {
        if (délai.hasExpired() && !échec) {
            échec = true;
            étapes.clear();
        }
        if (étapes.empty()) {
            if (QWidget* modale = QApplication::activeModalWidget()) {
                if (échec)
                    modale->close();
                QTimer::singleShot(10, [this] { Suivante(); });
            } else {
                fini = true;
            }
            return;
        }
        const std::function<bool()> étape = étapes.front();
        étapes.pop_front();
        QTimer::singleShot(10, [this] { Suivante(); });
        if (!étape())
            étapes.push_front(étape);
    }

    std::deque<std::function<bool()>> étapes;
    QDeadlineTimer délai;
    bool échec = false;
    bool fini = false;
};

class JeuAuClavier : public ::testing::Test {
protected:
    void SetUp() override
    {
        plateforme.DéfinirFenêtrePrincipale(k.Form, &vue);
        vue.Démarrer();
        vue.activateWindow();
        QApplication::processEvents();
    }

    // Le bouton « M (x,y) », chaque zone atteinte par Tab et remplie, puis Entrée pour OK.
    void PlacerPoint(const QString& nom, const QString& x, const QString& y, int flèche = 0)
    {
        clavier.TabulerJusquÀ(QStringLiteral("M (x,y)"));
        clavier.Touche(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        clavier.Attendre([] { return QApplication::activeModalWidget() != nullptr; });
        for (const auto& [zone, texte] :
             {std::pair{"SaisieX", x}, std::pair{"SaisieY", y}, std::pair{"NomPoint", nom}}) {
            clavier.TabulerJusquÀ(QString::fromLatin1(zone));
            clavier.Touche(Qt::Key_A, Qt::ControlModifier);
            clavier.Taper(texte);
        }
        // La case de l'étiquette : Tab l'atteint, une flèche choisit la voisine.
        if (flèche) {
            clavier.TabulerJusquÀ(QStringLiteral("Position1"));
            clavier.Touche(flèche);
            clavier.TabulerJusquÀ(QStringLiteral("NomPoint"));
        }
        clavier.Touche(Qt::Key_Return);
        clavier.Attendre([] { return QApplication::activeModalWidget() == nullptr; });
    }

    Modulebas m;
    PlateformeQt plateforme;
    Korvane k{m, plateforme};
    VueKorvane vue{k};
    Clavier clavier;
};

} // namespace

TEST_F(JeuAuClavier, UneCibleSeJoueJusquAuScore)
{
    clavier.TabulerJusquÀ(QStringLiteral("Triangle rectangle"));
    clavier.Touche(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    clavier.Attendre([] { return QApplication::activeModalWidget() != nullptr; });
    clavier.Touche(Qt::Key_Return); // Valider, le bouton par défaut
    clavier.Attendre([] { return QApplication::activeModalWidget() == nullptr; });
    PlacerPoint("A", "0", "0");
    PlacerPoint("B", "4", "0");
    PlacerPoint("C", "0", "3");

    clavier.TabulerJusquÀ(QStringLiteral("Trace une ligne brisée"));
    clavier.Touche(Qt::Key_Return);
    clavier.Attendre([] { return QApplication::activeModalWidget() != nullptr; });
    clavier.Taper(QStringLiteral("ABC"));
    clavier.Touche(Qt::Key_Return);
    clavier.Attendre([] { return QApplication::activeModalWidget() == nullptr; });

    clavier.TabulerJusquÀ(QStringLiteral("Analyse"));
    clavier.Touche(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    clavier.Attendre([] { return QApplication::activeModalWidget() != nullptr; });
    clavier.Touche(Qt::Key_Return); // Fermer, le bouton par défaut du verdict
    ASSERT_TRUE(clavier.Jouer());
    EXPECT_EQ(m.Score, 2);
    EXPECT_FALSE(m.CibleEnCours);
}

TEST_F(JeuAuClavier, UnExerciceSeMeneJusquASaFin)
{
    clavier.Touche(Qt::Key_E, Qt::AltModifier, QStringLiteral("e"));
    clavier.Attendre([] { return QApplication::activePopupWidget() != nullptr; });
    clavier.Touche(Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    clavier.Attendre([] { return QApplication::activePopupWidget() != nullptr; });
    clavier.Touche(Qt::Key_T, Qt::NoModifier, QStringLiteral("t"));
    clavier.Attendre([this] { return m.ExerciceEnCours; });
    clavier.TabulerJusquÀ(QStringLiteral("-->")); // la suite de l'énoncé
    clavier.Touche(Qt::Key_Return);
    PlacerPoint("B", "-3", "-2");
    PlacerPoint("C", "3", "-2");
    PlacerPoint("A", "0", "-2+3*RAC(3)", Qt::Key_Right);
    clavier.Attendre([this] {
        EXPECT_EQ(m.NbPoints, 3);
        EXPECT_EQ(m.Points[3].Position, 4) << "la flèche droite va de la case haut-gauche à haut-droite";
        return true;
    });
    clavier.TabulerJusquÀ(QStringLiteral("x")); // la fin de l'exercice
    clavier.Touche(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    ASSERT_TRUE(clavier.Jouer());
    EXPECT_FALSE(m.ExerciceEnCours);
    EXPECT_EQ(m.NbPoints, 0) << "OK termine l'exercice et efface sa figure";
}
