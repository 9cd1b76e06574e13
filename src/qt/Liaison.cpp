#include "qt/Liaison.h"

#include "qt/Activable.h"
#include "qt/Recopie.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace {

// Filtre des touches d'une zone de texte : le modèle voit chaque caractère avant le widget, comme
// KeyPress (8 effacement arrière, 13 entrée, 27 échappement) ; il peut le remplacer ou l'annuler (0).
class FiltreTouches : public QObject {
public:
    FiltreTouches(QLineEdit* zone, std::function<void(char32_t&)> touche, std::function<bool()> fermée)
        : QObject(zone), zone(zone), touche(std::move(touche)), fermée(std::move(fermée))
    {
    }

    bool eventFilter(QObject* objet, QEvent* évènement) override
    {
        if (objet != zone || évènement->type() != QEvent::KeyPress)
            return false;
        auto* frappe = static_cast<QKeyEvent*>(évènement);
        char32_t code = 0;
        switch (frappe->key()) {
        case Qt::Key_Backspace:
            code = 8;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = 13;
            break;
        case Qt::Key_Escape:
            code = 27;
            break;
        default:
            if (const QList<uint> codes = frappe->text().toUcs4(); codes.size() == 1 && codes[0] >= 32)
                code = codes[0];
            else
                return false; // flèches, tabulation : le widget les garde
        }
        const char32_t tapé = code;
        touche(code);
        if (fermée() || code == 0)
            return true;
        if (code == tapé || code < 32)
            return false;
        zone->insert(QString::fromUcs4(&code, 1));
        return true;
    }

private:
    QLineEdit* zone;
    std::function<void(char32_t&)> touche; // lance le gestionnaire et rafraîchit
    std::function<bool()> fermée;
};

// Un bouton de la fenêtre principale : Tab l'atteint sans que la souris déplace le focus, Espace ou Entrée
// le pressent, et il signale le survol (les boutons du zoom remettent la flèche).
class BoutonRéactif : public QPushButton {
public:
    BoutonRéactif(std::function<void()> survol, QWidget* parent)
        : QPushButton(parent), survol(std::move(survol))
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void mouseMoveEvent(QMouseEvent* évènement) override
    {
        if (survol)
            survol();
        QPushButton::mouseMoveEvent(évènement);
    }
    void keyPressEvent(QKeyEvent* évènement) override
    {
        if (évènement->key() == Qt::Key_Return || évènement->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(évènement);
    }

private:
    std::function<void()> survol;
};

Qt::Alignment AlignementQt(Alignement a)
{
    switch (a) {
    case Alignement::Gauche:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignement::Centre:
        return Qt::AlignCenter;
    case Alignement::Droite:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignement::HautGauche:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void PoserBordure(QFrame* cadre, Bordure bord)
{
    switch (bord) {
    case Bordure::Naturelle:
        break;
    case Bordure::Aucune:
        cadre->setFrameShape(QFrame::NoFrame);
        break;
    case Bordure::Simple:
    case Bordure::Épaisse:
        cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
        cadre->setLineWidth(bord == Bordure::Épaisse ? 2 : 1);
        break;
    case Bordure::Gravée:
        cadre->setFrameStyle(QFrame::Box | QFrame::Sunken);
        break;
    case Bordure::Enfoncée:
        cadre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
}

Flèche VersFlèche(int touche)
{
    return touche == Qt::Key_Left    ? Flèche::Gauche
           : touche == Qt::Key_Right ? Flèche::Droite
           : touche == Qt::Key_Up    ? Flèche::Haut
                                     : Flèche::Bas;
}

} // namespace

Liaison::Liaison(QWidget* racine, const Fenêtre& modèle, Gérer gérer)
    : racine(racine), modèle(modèle), gérer(std::move(gérer))
{
}

void Liaison::Construire(Déclaration d, QMenuBar* barre, const std::map<const Contrôle*, Fabrique>& propres)
{
    déclaration = std::move(d);
    principale = déclaration.ParDéfaut.empty();
    for (const ContrôleDéclaré& c : déclaration.Contrôles) {
        if (c.Sorte == Genre::ÉlémentMenu || c.Sorte == Genre::Séparateur) {
            CréerMenu(c, barre);
        } else if (c.Tableau) {
            tableaux.push_back({&c, Parent(c), {}, {}});
        } else if (const auto propre = propres.find(c.Modèle); propre != propres.end()) {
            QWidget* widget = propre->second(Parent(c));
            widgets[c.Modèle] = widget;
            Lier(widget, *c.Modèle);
        } else {
            widgets[c.Modèle] = Créer(c, Parent(c), c.Clic, c.Survol);
        }
        if (!c.Nom.empty() && widgets.contains(c.Modèle))
            widgets[c.Modèle]->setObjectName(VersQString(c.Nom));
    }
    PoserRaccourcis();
    OrdonnerClavier();
}

QWidget* Liaison::Parent(const ContrôleDéclaré& d) const
{
    return d.Dans ? Widget(*d.Dans) : racine;
}

QWidget* Liaison::Widget(const Contrôle& c) const
{
    const auto trouvé = widgets.find(&c);
    return trouvé == widgets.end() ? nullptr : trouvé->second;
}

QWidget* Liaison::Créer(const ContrôleDéclaré& d, QWidget* parent, std::function<void()> clic,
                        std::function<void()> survol)
{
    switch (d.Sorte) {
    case Genre::Bouton:
    case Genre::Option:
        return CréerBouton(d, parent, std::move(clic), std::move(survol));
    case Genre::ZoneTexte:
        return CréerZoneTexte(d, parent);
    case Genre::Liste:
        return CréerListe(d, parent);
    default:
        return CréerÉtiquette(d, parent, std::move(clic), std::move(survol));
    }
}

// Étiquettes, cadres et images : un clic ou un survol les rend actifs comme un bouton.
QWidget* Liaison::CréerÉtiquette(const ContrôleDéclaré& d, QWidget* parent, std::function<void()> clic,
                                 std::function<void()> survol)
{
    auto* étiquette = new QLabel(parent);
    étiquette->setWordWrap(!d.UneLigne);
    étiquette->setAlignment(AlignementQt(d.Aligné));
    PoserBordure(étiquette, d.Bord);
    if (d.Gras) {
        QFont gras = étiquette->font();
        gras.setBold(true);
        étiquette->setFont(gras);
    }
    if (d.Traversable)
        étiquette->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (clic || survol) {
        std::function<void()> survolGéré;
        if (survol)
            survolGéré = [this, survol = std::move(survol)] { gérer(survol); };
        std::function<bool(int)> flèche;
        if (d.SurFlèche)
            flèche = [this, &d](int touche) {
                // Le focus suit la flèche jusqu'au contrôle que le gestionnaire désigne.
                Contrôle* voisin = nullptr;
                gérer([&] { voisin = d.SurFlèche(VersFlèche(touche)); });
                if (voisin && Widget(*voisin))
                    Widget(*voisin)->setFocus(Qt::TabFocusReason);
                return voisin != nullptr;
            };
        new Activable(
            étiquette,
            [this, clic = std::move(clic)] {
                if (clic)
                    gérer(clic);
            },
            std::move(survolGéré), std::move(flèche));
    }
    if (d.Modèle)
        Lier(étiquette, *d.Modèle,
             [étiquette, &c = *d.Modèle] { étiquette->setText(VersLégende(c.Caption)); });
    return étiquette;
}

// Dans un dialogue, Entrée presse le bouton par défaut ; dans la fenêtre principale, celui qui a le focus.
QWidget* Liaison::CréerBouton(const ContrôleDéclaré& d, QWidget* parent, std::function<void()> clic,
                              std::function<void()> survol)
{
    Contrôle& c = *d.Modèle;
    if (d.Sorte == Genre::Option) {
        auto* option = new QRadioButton(parent);
        QObject::connect(option, &QRadioButton::clicked, option, [this, &c, clic = std::move(clic)] {
            c.Checked = true;
            gérer(clic);
        });
        Lier(option, c, [option, &c] {
            option->setText(VersQString(c.Caption));
            option->setChecked(c.Checked);
        });
        return option;
    }
    QPushButton* bouton = nullptr;
    if (principale) {
        bouton =
            new BoutonRéactif(survol ? [this, survol] { gérer(survol); } : std::function<void()>(), parent);
    } else {
        bouton = new QPushButton(parent);
        bouton->setAutoDefault(false);
    }
    QObject::connect(bouton, &QPushButton::clicked, bouton, [this, clic = std::move(clic)] {
        if (clic)
            gérer(clic);
    });
    Lier(bouton, c, [bouton, &c] { bouton->setText(VersQString(c.Caption)); });
    return bouton;
}

// La légende du contrôle tient le texte tapé.
QWidget* Liaison::CréerZoneTexte(const ContrôleDéclaré& d, QWidget* parent)
{
    Contrôle& c = *d.Modèle;
    if (d.Multiligne) {
        auto* zone = new QPlainTextEdit(parent);
        zone->setReadOnly(d.LectureSeule);
        PoserBordure(zone, d.Bord);
        if (!d.AuClavier)
            zone->setFocusPolicy(Qt::NoFocus);
        if (d.Défile) {
            zone->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            zone->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        QObject::connect(zone, &QPlainTextEdit::textChanged, zone, [this, zone, &c] {
            if (!enRecopie)
                c.Caption = VersTexte(zone->toPlainText());
        });
        Lier(zone, c, [zone, &c] {
            const QString texte = VersQString(c.Caption);
            if (zone->toPlainText() != texte)
                zone->setPlainText(texte);
        });
        return zone;
    }

    auto* zone = new QLineEdit(parent);
    QObject::connect(zone, &QLineEdit::textChanged, zone,
                     [this, &c, changement = d.Changement](const QString& t) {
                         if (enRecopie)
                             return;
                         c.Caption = VersTexte(t);
                         if (changement)
                             gérer(changement);
                     });
    if (d.Touche) {
        // Le modèle décide d'après le curseur, puis le widget insère là où il l'a laissé.
        auto touche = [this, zone, z = d.Zone, f = d.Touche](char32_t& code) {
            gérer([&] {
                if (z)
                    z->SelStart = static_cast<std::size_t>(zone->cursorPosition());
                if (!f(code))
                    code = 0;
                if (z)
                    zone->setCursorPosition(static_cast<int>(z->SelStart));
            });
        };
        zone->installEventFilter(new FiltreTouches(zone, touche, [this] { return modèle.EstFermée(); }));
    }
    Lier(zone, c, [zone, &c, z = d.Zone] {
        const QString texte = VersQString(c.Caption);
        if (zone->text() != texte)
            zone->setText(texte);
        // La zone en faute reçoit le focus, ses caractères fautifs sélectionnés.
        if (z && z->DemandeFocus) {
            z->DemandeFocus = false;
            zone->setFocus(Qt::OtherFocusReason);
            zone->setSelection(static_cast<int>(z->SelStart), static_cast<int>(z->SelLength));
        }
    });
    return zone;
}

QWidget* Liaison::CréerListe(const ContrôleDéclaré& d, QWidget* parent)
{
    auto* liste = new QListWidget(parent);
    QObject::connect(liste, &QListWidget::currentRowChanged, liste, [this, &d](int ligne) {
        if (ligne >= 0 && ligne != *d.LigneChoisie)
            gérer([&d, ligne] { d.ClicÉlément(static_cast<std::size_t>(ligne)); });
    });
    Lier(liste, *d.Modèle, [liste, &d] {
        const QSignalBlocker bloqueur(liste);
        if (liste->count() != static_cast<int>(d.Lignes->size())) {
            liste->clear();
            for (const std::string& ligne : *d.Lignes)
                liste->addItem(VersQString(ligne));
        }
        liste->setCurrentRow(*d.LigneChoisie);
    });
    return liste;
}

// Un élément dont d'autres se déclarent dedans est un menu ; sinon c'est une commande, ou un trait.
void Liaison::CréerMenu(const ContrôleDéclaré& d, QMenuBar* barre)
{
    Contrôle& c = *d.Modèle;
    QMenu* menuParent = d.Dans ? actions.at(d.Dans)->menu() : nullptr;
    if (d.Sorte == Genre::Séparateur) {
        menuParent->addSeparator();
        return;
    }
    const bool sousMenu = std::any_of(déclaration.Contrôles.begin(), déclaration.Contrôles.end(),
                                      [&c](const ContrôleDéclaré& autre) { return autre.Dans == &c; });
    QAction* action = nullptr;
    if (sousMenu) {
        action = (menuParent ? menuParent->addMenu(QString()) : barre->addMenu(QString()))->menuAction();
    } else {
        action = menuParent ? menuParent->addAction(QString()) : barre->addAction(QString());
        QObject::connect(action, &QAction::triggered, action, [this, clic = d.Clic] {
            if (clic)
                gérer(clic);
        });
    }
    actions[&c] = action;
    Lier(nullptr, c, [action, &c] {
        action->setText(VersQString(c.Caption));
        action->setEnabled(c.Enabled);
        action->setVisible(c.Visible);
        action->setCheckable(c.Checked);
        action->setChecked(c.Checked);
    });
}

// Une commande de menu montre son raccourci à côté de sa légende et ne le prend que lorsqu'elle est active ;
// celui d'un bouton passe par une action de la fenêtre, qui fait ce que fait le clic déclaré.
void Liaison::PoserRaccourcis()
{
    for (const Raccourci& raccourci : déclaration.Raccourcis) {
        QAction* action = nullptr;
        if (const auto trouvée = actions.find(raccourci.Commande); trouvée != actions.end()) {
            action = trouvée->second;
        } else {
            const auto déclaré =
                std::find_if(déclaration.Contrôles.begin(), déclaration.Contrôles.end(),
                             [&](const ContrôleDéclaré& d) { return d.Modèle == raccourci.Commande; });
            action = new QAction(racine);
            racine->window()->addAction(action);
            QObject::connect(action, &QAction::triggered, action,
                             [this, clic = déclaré->Clic] { gérer(clic); });
        }
        action->setShortcut(QKeySequence(VersQString(raccourci.Touches)));
    }
}

void Liaison::Lier(QWidget* widget, const Contrôle& c, std::function<void()> recopierPropre)
{
    liens.push_back({widget, &c, std::move(recopierPropre)});
}

bool Liaison::Synchroniser(TableauLié& tableau)
{
    const ContrôleDéclaré& d = *tableau.déclaré;
    const std::vector<Contrôle>& contrôles = *d.Tableau;
    const bool changé = tableau.widgets.size() != contrôles.size();
    while (tableau.widgets.size() > contrôles.size()) {
        // Le rafraîchissement peut venir d'un gestionnaire lancé par ce widget même (une fenêtre modale
        // qu'il ouvre) : le widget ne disparaît qu'une fois rendu à la boucle d'évènements.
        tableau.widgets.back()->hide();
        tableau.widgets.back()->deleteLater();
        tableau.widgets.pop_back();
    }
    while (tableau.widgets.size() < contrôles.size()) {
        // Un élément d'un tableau se désigne par son indice : son adresse change quand le tableau grandit.
        const std::size_t i = tableau.widgets.size();
        std::function<void()> clic, survol;
        if (d.ClicÉlément)
            clic = [&d, i] { d.ClicÉlément(i); };
        if (d.SurvolÉlément)
            survol = [&d, i] { d.SurvolÉlément(i); };
        tableau.widgets.push_back(Créer(d, tableau.parent, std::move(clic), std::move(survol)));
    }
    for (const Contrôle* élément : tableau.éléments)
        widgets.erase(élément);
    tableau.éléments.clear();
    for (std::size_t i = 0; i < tableau.widgets.size(); ++i) {
        widgets[&contrôles[i]] = tableau.widgets[i];
        tableau.éléments.push_back(&contrôles[i]);
        RecopierContrôle(*tableau.widgets[i], contrôles[i]);
        if (auto* étiquette = qobject_cast<QLabel*>(tableau.widgets[i]))
            étiquette->setText(VersLégende(contrôles[i].Caption));
    }
    return changé;
}

// Tab suit l'ordre de la déclaration, les éléments d'un tableau à leur place dans l'ordre des indices ;
// un contrôle qui se dit après un autre le suit.
void Liaison::OrdonnerClavier()
{
    std::vector<QWidget*> ordre;
    const std::function<void(const ContrôleDéclaré&)> ajouter = [&](const ContrôleDéclaré& d) {
        std::vector<QWidget*> siens;
        if (d.Tableau)
            siens = std::find_if(tableaux.begin(), tableaux.end(), [&d](const TableauLié& t) {
                        return t.déclaré == &d;
                    })->widgets;
        else if (QWidget* w = Widget(*d.Modèle))
            siens = {w};
        for (QWidget* w : siens)
            if (w->focusPolicy() & Qt::TabFocus)
                ordre.push_back(w);
        for (const ContrôleDéclaré& suivant : déclaration.Contrôles)
            if (suivant.ClavierAprès && suivant.ClavierAprès == d.Modèle)
                ajouter(suivant);
    };
    for (const ContrôleDéclaré& d : déclaration.Contrôles)
        if (!d.ClavierAprès)
            ajouter(d);
    for (std::size_t i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

void Liaison::Recopier()
{
    enRecopie = true;
    for (const Lien& lien : liens) {
        if (lien.widget)
            RecopierContrôle(*lien.widget, *lien.contrôle);
        if (lien.recopierPropre)
            lien.recopierPropre();
    }
    bool changé = false;
    for (TableauLié& tableau : tableaux)
        changé |= Synchroniser(tableau);
    if (changé)
        OrdonnerClavier();
    // Le bouton par défaut suit celui que le modèle montre.
    if (!déclaration.ParDéfaut.empty()) {
        const auto montré = std::find_if(déclaration.ParDéfaut.begin(), déclaration.ParDéfaut.end(),
                                         [](const Contrôle* c) { return c->Visible; });
        const Contrôle* défaut =
            montré != déclaration.ParDéfaut.end() ? *montré : déclaration.ParDéfaut.back();
        static_cast<QPushButton*>(Widget(*défaut))->setDefault(true);
    }
    enRecopie = false;
}

bool Liaison::Annuler()
{
    const Contrôle* annulation = déclaration.Annulation;
    if (!annulation || !annulation->Visible || !annulation->Enabled)
        return false;
    std::find_if(déclaration.Contrôles.begin(), déclaration.Contrôles.end(),
                 [annulation](const ContrôleDéclaré& d) { return d.Modèle == annulation; })
        ->Clic();
    return true;
}

void RetenirPosition(Contrôle& form, QPoint pixels)
{
    form.Left = static_cast<int>(std::lround(pixels.x() * TwipsParPixelX()));
    form.Top = static_cast<int>(std::lround(pixels.y() * TwipsParPixelY()));
}
