// Une partie jouée au clavier seul dans la vraie fenêtre, d'après le scénario de qt-jeu-au-clavier.tsv.
#include "qt/FenetreQt.h"
#include "support/TableCas.h"

#include <QDeadlineTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <map>

namespace {

// Un contrôle se nomme par sa légende (bouton, étiquette ; pas le texte d'une zone), sinon par son nom
// d'objet ou sa bulle.
QString Nom(const QWidget* w)
{
    const QString légende = qobject_cast<const QLineEdit*>(w) ? QString() : w->property("text").toString();
    return !légende.isEmpty()          ? légende.trimmed()
           : w->objectName().isEmpty() ? w->toolTip()
                                       : w->objectName();
}

// Les lignes se jouent une à une depuis la boucle d'évènements : une touche qui ouvre une fenêtre modale
// ne rend la main qu'à sa fermeture, les suivantes se jouent donc dans la boucle de cette fenêtre. La
// suivante est programmée avant de jouer celle-ci ; une ligne qui n'a pas encore pu se jouer se rejoue.
struct Clavier {
    std::vector<CasTable> lignes;
    std::map<std::string, std::function<std::string()>> grandeurs;
    QObject contexte{}; // ses minuteries meurent avec le clavier

    // Au-delà du délai, les fenêtres modales restées ouvertes se ferment et le jeu échoue.
    void Jouer()
    {
        const QDeadlineTimer délai(20000);
        QTimer::singleShot(0, &contexte, [this] { Suivante(); });
        while (!lignes.empty() || QApplication::activeModalWidget()) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            if (délai.hasExpired() && !lignes.empty()) {
                ADD_FAILURE() << "bloqué à " << lignes.front().Où;
                lignes.clear();
            }
            if (lignes.empty() && QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
        }
    }

private:
    void Suivante()
    {
        if (lignes.empty())
            return;
        const CasTable ligne = lignes.front();
        lignes.erase(lignes.begin());
        QTimer::singleShot(10, &contexte, [this] { Suivante(); });
        if (!Jouer(ligne))
            lignes.insert(lignes.begin(), ligne);
    }

    bool Jouer(const CasTable& c)
    {
        const std::string& action = c[0];
        const QString argument = QString::fromStdString(c[1]);
        if (action == "tab") {
            for (int essai = 0; essai < 80; ++essai, Frapper(Qt::Key_Tab))
                if (QApplication::focusWidget() && Nom(QApplication::focusWidget()) == argument)
                    return true;
            ADD_FAILURE() << c.Où << " : Tab n'atteint pas " << c[1];
        } else if (action == "touche") {
            Frapper(QKeySequence(argument)[0]);
        } else if (action == "taper") {
            for (QChar lettre : argument)
                Frapper(QKeyCombination(Qt::Key(0)), lettre);
        } else if (action == "attendre") {
            QWidget* modale = QApplication::activeModalWidget();
            return c[1] == "modale"        ? modale != nullptr
                   : c[1] == "sans-modale" ? modale == nullptr
                   : c[1] == "boîte"       ? qobject_cast<QMessageBox*>(modale) != nullptr
                   : c[1] == "menu"        ? QApplication::activePopupWidget() != nullptr
                                           : !grandeurs.at(c[1])().empty() && grandeurs.at(c[1])() != "0";
        } else if (action == "vérifier") {
            EXPECT_EQ(grandeurs.at(c[1])(), c[2]) << c.Où;
        } else if (action == "point") {
            // Le curseur du nom au début : le modèle le remet en fin, où la lettre tapée remplace l'ancienne.
            std::vector<CasTable> étapes = {
                {c.Où, {"tab", "M (x,y)"}}, {c.Où, {"touche", "Space"}}, {c.Où, {"attendre", "modale"}}};
            for (const auto& [zone, début, texte] : {std::tuple{"SaisieX", "Ctrl+A", c[2]},
                                                     {"SaisieY", "Ctrl+A", c[3]},
                                                     {"NomPoint", "Home", c[1]}})
                étapes.insert(étapes.end(),
                              {{c.Où, {"tab", zone}}, {c.Où, {"touche", début}}, {c.Où, {"taper", texte}}});
            if (!c[4].empty())
                étapes.insert(
                    étapes.end(),
                    {{c.Où, {"tab", "Position1"}}, {c.Où, {"touche", c[4]}}, {c.Où, {"tab", "NomPoint"}}});
            étapes.insert(étapes.end(), {{c.Où, {"touche", "Return"}}, {c.Où, {"attendre", "sans-modale"}}});
            lignes.insert(lignes.begin(), étapes.begin(), étapes.end());
        } else {
            ADD_FAILURE() << c.Où << " : action inconnue";
        }
        return true;
    }
};

} // namespace

TEST_F(FenetreQt, UnePartieSeJoueAuClavierSeul)
{
    Clavier{LireTableCas("qt-jeu-au-clavier.tsv"),
            {{"score", [&] { return std::to_string(m.Score); }},
             {"points", [&] { return std::to_string(m.NbPoints); }},
             {"cible", [&] { return std::to_string(int{m.CibleEnCours}); }},
             {"exercice", [&] { return std::to_string(int{m.ExerciceEnCours}); }},
             {"position", [&] { return std::to_string(m.NbPoints ? m.Points[m.NbPoints].Position : -1); }},
             {"sélection",
              [] {
                  QWidget* modale = QApplication::activeModalWidget();
                  auto* x = modale ? modale->findChild<QLineEdit*>("SaisieX") : nullptr;
                  return x ? x->selectedText().toStdString() : std::string();
              }}}}
        .Jouer();
}
