// Une partie jouée au clavier seul dans la vraie fenêtre, d'après le scénario de qt-jeu-au-clavier.tsv.
#include "qt/FenetreQt.h"
#include "support/TableCas.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMainWindow>
#include <map>

namespace {

// Le widget qui reçoit les touches : le menu ouvert, sinon celui qui a le focus. La plateforme hors écran
// ne rend pas l'activation à la fenêtre principale quand un dialogue se ferme : on le fait comme le
// gestionnaire de fenêtres.
QWidget* Destinataire()
{
    if (!QApplication::activeWindow() && !QApplication::activeModalWidget())
        for (QWidget* fenêtre : QApplication::topLevelWidgets())
            if (fenêtre->isVisible() && qobject_cast<QMainWindow*>(fenêtre)) {
                fenêtre->activateWindow();
                QApplication::processEvents();
            }
    if (QWidget* menu = QApplication::activePopupWidget())
        return menu;
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

void Frapper(QKeyCombination touche, const QString& texte)
{
    for (const QEvent::Type genre : {QEvent::KeyPress, QEvent::KeyRelease})
        if (QWidget* cible = Destinataire()) {
            QKeyEvent frappe(genre, touche.key(), touche.keyboardModifiers(), texte);
            QApplication::sendEvent(cible, &frappe);
        }
}

// Le texte qu'une vraie frappe porte : l'espace et les lettres sans Ctrl.
QString TexteDe(QKeyCombination touche)
{
    const int code = touche.key();
    if (code == Qt::Key_Space ||
        (code >= Qt::Key_A && code <= Qt::Key_Z && !(touche.keyboardModifiers() & Qt::ControlModifier)))
        return QString(QChar(code)).toLower();
    return {};
}

QString Nom(const QWidget* w)
{
    if (const auto* bouton = qobject_cast<const QAbstractButton*>(w); bouton && !bouton->text().isEmpty())
        return bouton->text().trimmed();
    if (const auto* étiquette = qobject_cast<const QLabel*>(w); étiquette && !étiquette->text().isEmpty())
        return étiquette->text().trimmed();
    return w->objectName().isEmpty() ? w->toolTip() : w->objectName();
}

// Les étapes se jouent une à une depuis la boucle d'évènements : une touche qui ouvre une fenêtre modale ne
// rend la main qu'à sa fermeture, les suivantes se jouent donc dans la boucle de cette fenêtre. Une étape
// qui rend faux se rejoue plus tard.
class Clavier {
public:
    explicit Clavier(std::map<std::string, std::function<int()>> grandeurs) : grandeurs(std::move(grandeurs))
    {
    }

    void Ajouter(const CasTable& c)
    {
        const std::string& action = c[0];
        if (action == "tab")
            Tabuler(QString::fromStdString(c[1]));
        else if (action == "touche")
            Touche(QKeySequence(QString::fromStdString(c[1]))[0]);
        else if (action == "taper")
            for (QChar lettre : QString::fromStdString(c[1]))
                Étape([lettre] { return Frapper(QKeyCombination(Qt::Key(0)), lettre), true; });
        else if (action == "attendre")
            Étape([this, quoi = c[1]] {
                return quoi == "modale"        ? QApplication::activeModalWidget() != nullptr
                       : quoi == "sans-modale" ? QApplication::activeModalWidget() == nullptr
                       : quoi == "menu"        ? QApplication::activePopupWidget() != nullptr
                                               : grandeurs.at(quoi)() != 0;
            });
        else if (action == "vérifier")
            Étape([this, c] {
                EXPECT_EQ(grandeurs.at(c[1])(), std::stoi(c[2])) << c.Où;
                return true;
            });
        else if (action == "point")
            Point(c);
        else
            ADD_FAILURE() << c.Où << " : action inconnue";
    }

    // Au-delà du délai, les fenêtres modales restées ouvertes se ferment et le jeu échoue.
    bool Jouer()
    {
        délai = QDeadlineTimer(20000);
        QTimer::singleShot(0, [this] { Suivante(); });
        while (!fini)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return !échec;
    }

private:
    void Étape(std::function<bool()> étape) { étapes.push_back(std::move(étape)); }
    void Touche(QKeyCombination touche)
    {
        Étape([touche] { return Frapper(touche, TexteDe(touche)), true; });
    }

    void Tabuler(const QString& nom)
    {
        Étape([nom] {
            for (int essai = 0; essai < 80; ++essai) {
                if (const QWidget* focus = QApplication::focusWidget(); focus && Nom(focus) == nom)
                    return true;
                Frapper(Qt::Key_Tab, {});
            }
            ADD_FAILURE() << "Tab n'atteint pas " << nom.toStdString();
            return true;
        });
    }

    // Le curseur du nom au début : le modèle le remet en fin, où la lettre tapée remplace l'ancienne.
    void Point(const CasTable& c)
    {
        for (const char* touche : {"tab\tM (x,y)", "touche\tSpace", "attendre\tmodale"})
            Ajouter(Ligne(touche));
        for (const auto& [zone, texte, début] : {std::tuple{"SaisieX", c[2], "Ctrl+A"},
                                                 {"SaisieY", c[3], "Ctrl+A"},
                                                 {"NomPoint", c[1], "Home"}}) {
            Tabuler(QString::fromLatin1(zone));
            Touche(QKeySequence(QString::fromLatin1(début))[0]);
            Ajouter(Ligne("taper\t" + texte));
        }
        if (!c[4].empty()) {
            Tabuler(QStringLiteral("Position1"));
            Touche(QKeySequence(QString::fromStdString(c[4]))[0]);
            Tabuler(QStringLiteral("NomPoint"));
        }
        for (const char* touche : {"touche\tReturn", "attendre\tsans-modale"})
            Ajouter(Ligne(touche));
    }

    static CasTable Ligne(const std::string& texte)
    {
        CasTable c{"point", {}};
        std::istringstream champs(texte);
        for (std::string champ; std::getline(champs, champ, '\t');)
            c.Colonnes.push_back(champ);
        return c;
    }

    void Suivante()
    {
        if (délai.hasExpired() && !échec) {
            ADD_FAILURE() << "le jeu n'a pas fini à temps, " << étapes.size() << " étapes restantes";
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
        // La suivante est programmée avant : une étape qui ouvre une fenêtre modale n'en revient qu'à sa
        // fermeture.
        QTimer::singleShot(10, [this] { Suivante(); });
        if (!étape())
            étapes.push_front(étape);
    }

    std::map<std::string, std::function<int()>> grandeurs;
    std::deque<std::function<bool()>> étapes;
    QDeadlineTimer délai;
    bool échec = false;
    bool fini = false;
};

} // namespace

TEST_F(FenetreQt, UnePartieSeJoueAuClavierSeul)
{
    Clavier clavier({{"score", [this] { return m.Score; }},
                     {"points", [this] { return static_cast<int>(m.NbPoints); }},
                     {"cible", [this] { return int{m.CibleEnCours}; }},
                     {"exercice", [this] { return int{m.ExerciceEnCours}; }},
                     {"position", [this] { return m.NbPoints ? m.Points[m.NbPoints].Position : -1; }}});
    for (const CasTable& c : LireTableCas("qt-jeu-au-clavier.tsv"))
        clavier.Ajouter(c);
    EXPECT_TRUE(clavier.Jouer());
}
