// La déclaration de chaque fenêtre : chaque contrôle n'y est qu'une fois, Tab suit son ordre, et chaque
// gestionnaire déclaré est atteint par son évènement sur le widget que la liaison Qt en fait.
#include "qt/FenetreQt.h"
#include "ui/FormAide.h"
#include "ui/FormFichier.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <algorithm>
#include <map>

namespace {

// Chaque gestionnaire déclaré est remplacé par un compteur à son nom (« Clic 3 », « Touche 5 »), qui
// attend un appel, ou un par élément d'un tableau. Il rend la valeur par défaut de son type : une touche
// est refusée, le widget ne l'écrit pas.
class Compteurs {
public:
    void Remplacer(Déclaration& d)
    {
        for (std::size_t i = 0; i < d.Contrôles.size(); ++i) {
            ContrôleDéclaré& c = d.Contrôles[i];
            const std::string n = " " + std::to_string(i);
            const int fois = c.Tableau ? static_cast<int>(c.Tableau->size()) : 1;
            Compter(c.Clic, "Clic" + n);
            Compter(c.Changement, "Changement" + n);
            Compter(c.Survol, "Survol" + n);
            Compter(c.Touche, "Touche" + n);
            Compter(c.SurFlèche, "Flèche" + n);
            Compter(c.ClicÉlément, "ClicÉlément" + n, fois);
            Compter(c.SurvolÉlément, "SurvolÉlément" + n, fois);
        }
    }

    std::map<std::string, int> attendus, vus;

private:
    template <typename R, typename... A>
    void Compter(std::function<R(A...)>& gestionnaire, const std::string& nom, int fois = 1)
    {
        if (!gestionnaire)
            return;
        attendus[nom] = fois;
        gestionnaire = [this, nom](A...) { return ++vus[nom], R(); };
    }
};

void Souris(QWidget* w, QEvent::Type genre)
{
    QMouseEvent évènement(genre, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(w, &évènement);
}

void Touche(QWidget* w, Qt::Key touche, const QString& texte = {})
{
    QKeyEvent frappe(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &frappe);
}

// Les commandes des menus, dans l'ordre de leur déclaration.
void Commandes(const QList<QAction*>& actions, std::vector<QAction*>& commandes)
{
    for (QAction* action : actions) {
        commandes.push_back(action);
        if (action->menu())
            Commandes(action->menu()->actions(), commandes);
    }
}

// Tab suit l'ordre de la déclaration, éléments des tableaux compris ; un contrôle qui se dit après un
// autre le suit. Entre deux widgets voisins dans cet ordre, la chaîne du focus de Qt n'en passe aucun.
void VérifierOrdreClavier(const Liaison& liaison)
{
    const auto& contrôles = liaison.Déclarée().Contrôles;
    std::vector<QWidget*> ordre;
    const auto garder = [&](const Contrôle& c) {
        if (QWidget* w = liaison.Widget(c); w && (w->focusPolicy() & Qt::TabFocus))
            ordre.push_back(w);
    };
    const std::function<void(const ContrôleDéclaré&)> ajouter = [&](const ContrôleDéclaré& c) {
        if (c.Tableau)
            std::for_each(c.Tableau->begin(), c.Tableau->end(), garder);
        else
            garder(*c.Modèle);
        for (const ContrôleDéclaré& suivant : contrôles)
            if (suivant.ClavierAprès && suivant.ClavierAprès == c.Modèle)
                ajouter(suivant);
    };
    for (const ContrôleDéclaré& c : contrôles)
        if (!c.ClavierAprès)
            ajouter(c);
    for (std::size_t i = 0; i + 1 < ordre.size(); ++i) {
        QWidget* w = ordre[i]->nextInFocusChain();
        while (std::find(ordre.begin(), ordre.end(), w) == ordre.end())
            w = w->nextInFocusChain();
        EXPECT_EQ(w, ordre[i + 1]) << "après le widget " << i << " : "
                                   << ordre[i]->objectName().toStdString();
    }
}

// Chaque évènement déclaré, joué une fois sur son widget, atteint son gestionnaire et lui seul.
void VérifierFenêtre(Fenêtre& fenêtre)
{
    SCOPED_TRACE(typeid(fenêtre).name());
    Déclaration d = fenêtre.Déclarer();
    std::set<const void*> déclarés;
    for (const ContrôleDéclaré& c : d.Contrôles)
        EXPECT_TRUE(déclarés.insert(c.Modèle ? static_cast<const void*>(c.Modèle) : c.Tableau).second)
            << "déclaré deux fois : " << c.Nom;
    Compteurs compteurs;
    compteurs.Remplacer(d);

    QMainWindow racine;
    racine.setCentralWidget(new QWidget);
    Liaison liaison(racine.centralWidget(), fenêtre, [](const std::function<void()>& f) { f(); });
    liaison.Construire(d, racine.menuBar());
    liaison.Recopier();

    VérifierOrdreClavier(liaison);
    std::vector<QAction*> commandes;
    Commandes(racine.menuBar()->actions(), commandes);
    std::size_t commande = 0;
    for (const ContrôleDéclaré& c : liaison.Déclarée().Contrôles) {
        if (c.Sorte == Genre::ÉlémentMenu || c.Sorte == Genre::Séparateur) {
            if (c.Clic) {
                commandes.at(commande)->setEnabled(true);
                commandes.at(commande)->trigger();
            }
            ++commande;
            continue;
        }
        if (c.Tableau) {
            for (const Contrôle& élément : *c.Tableau) {
                QWidget* w = liaison.Widget(élément);
                ASSERT_NE(w, nullptr);
                Souris(w, QEvent::MouseMove);
                Souris(w, QEvent::MouseButtonPress);
            }
            continue;
        }
        QWidget* w = liaison.Widget(*c.Modèle);
        ASSERT_NE(w, nullptr) << c.Nom;
        w->setEnabled(true);
        if (auto* bouton = qobject_cast<QAbstractButton*>(w); bouton && c.Clic)
            bouton->click();
        else if (c.Clic)
            Souris(w, QEvent::MouseButtonPress);
        if (c.Survol)
            Souris(w, QEvent::MouseMove);
        if (c.SurFlèche)
            Touche(w, Qt::Key_Right);
        if (auto* zone = qobject_cast<QLineEdit*>(w)) {
            if (c.Touche)
                Touche(w, Qt::Key_A, QStringLiteral("A"));
            if (c.Changement)
                zone->setText(zone->text() + QStringLiteral("x"));
        }
        if (auto* liste = qobject_cast<QListWidget*>(w)) {
            liste->addItem(QStringLiteral("ligne"));
            liste->setCurrentRow(liste->count() - 1);
        }
    }
    EXPECT_EQ(compteurs.vus, compteurs.attendus);
}

} // namespace

TEST_F(FenetreQt, ChaqueDeclarationEstSuivieParTabEtSesGestionnairesAtteints)
{
    VérifierFenêtre(k);
    std::vector<std::unique_ptr<Fenêtre>> fenêtres = Dialogues();
    fenêtres.push_back(std::make_unique<FormFichier>(m, plateforme, k.Form, DialogueFichier::Ouverture));
    fenêtres.push_back(std::make_unique<FormAide>(m, plateforme, k.Form));
    for (const auto& fenêtre : fenêtres)
        VérifierFenêtre(*fenêtre);
}
