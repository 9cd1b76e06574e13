#include "qt/VueKorvane.h"

#include "qt/Activable.h"
#include "qt/Recopie.h"
#include "qt/WidgetCanevas.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace {

// Le fond de la fenêtre : le pointeur qui s'y promène efface la mise en évidence des cibles.
class Fond : public QWidget {
public:
    Fond(std::function<void()> survol, QWidget* parent) : QWidget(parent), survol(std::move(survol))
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent*) override { survol(); }

private:
    std::function<void()> survol;
};

// Un bouton qui signale le survol (les boutons du zoom remettent la flèche). Tab l'atteint sans que la
// souris déplace le focus ; Espace ou Entrée le pressent.
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

// Les images des boutons d'outils, dessinées à la taille d'une icône.
QIcon Icône(const std::function<void(QPainter&)>& dessin)
{
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(QColor(0, 0, 200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    dessin(peintre);
    return QIcon(image);
}

void LigneBrisée(QPainter& p)
{
    const QPointF sommets[] = {{3, 19}, {8, 6}, {14, 15}, {21, 4}};
    p.drawPolyline(sommets, 4);
}

void Longueur(QPainter& p)
{
    p.drawLine(QPointF(4, 12), QPointF(20, 12));
    p.drawLine(QPointF(4, 7), QPointF(4, 17));
    p.drawLine(QPointF(20, 7), QPointF(20, 17));
}

void Angle(QPainter& p)
{
    p.drawLine(QPointF(4, 20), QPointF(21, 20));
    p.drawLine(QPointF(4, 20), QPointF(16, 5));
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.drawArc(QRectF(-4, 12, 16, 16), 0, 52 * 16);
}

void Gomme(QPainter& p)
{
    p.translate(12, 12);
    p.rotate(-35);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(240, 160, 170));
    p.drawRect(QRectF(-9, -5, 11, 10));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, -5, 7, 10));
}

// L'image du score : une médaille, qu'on clique pour voir et imprimer son score.
QPixmap Médaille(QSize taille)
{
    QPixmap image(taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double l = taille.width();
    const double h = taille.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    const QPointF rubanGauche[] = {{l * 0.30, 0}, {l * 0.48, 0}, {l * 0.55, h * 0.45}, {l * 0.40, h * 0.45}};
    const QPointF rubanDroit[] = {{l * 0.52, 0}, {l * 0.70, 0}, {l * 0.60, h * 0.45}, {l * 0.45, h * 0.45}};
    p.drawPolygon(rubanGauche, 4);
    p.drawPolygon(rubanDroit, 4);
    p.setPen(QPen(QColor(150, 110, 0), 1.5));
    p.setBrush(QColor(240, 200, 40));
    p.drawEllipse(QPointF(l / 2, h * 0.65), l * 0.27, h * 0.27);
    return image;
}

// Range des widgets d'un même parent en lignes (Horizontal : de haut en bas, chaque ligne de gauche à
// droite) ou en colonnes (Vertical : de gauche à droite, chaque colonne de haut en bas). Une ligne réunit
// les widgets dont le bord tombe dans la première moitié du premier d'entre eux.
void RangerEnLignes(std::vector<QWidget*>& widgets, Qt::Orientation sens)
{
    const bool lignes = sens == Qt::Horizontal;
    const auto début = [lignes](const QWidget* w) { return lignes ? w->y() : w->x(); };
    const auto épaisseur = [lignes](const QWidget* w) { return lignes ? w->height() : w->width(); };
    const auto avance = [lignes](const QWidget* w) { return lignes ? w->x() : w->y(); };
    const auto parAvance = [&avance](const QWidget* a, const QWidget* b) { return avance(a) < avance(b); };

    std::stable_sort(widgets.begin(), widgets.end(),
                     [&début](const QWidget* a, const QWidget* b) { return début(a) < début(b); });
    auto premier = widgets.begin();
    for (auto w = widgets.begin(); w != widgets.end(); ++w) {
        if (début(*w) >= début(*premier) + épaisseur(*premier) / 2) {
            std::stable_sort(premier, w, parAvance);
            premier = w;
        }
    }
    std::stable_sort(premier, widgets.end(), parAvance);
}

} // namespace

VueKorvane::VueKorvane(Korvane& modèle) : modèle(modèle)
{
    fond = new Fond([this] { Gérer([this] { this->modèle.Form_MouseMove(); }); }, this);
    setCentralWidget(fond);
    ConstruireMenus(nullptr, modèle.Menus);
    PoserRaccourcis();

    canevas = new WidgetCanevas(
        modèle.Ecran, [this] { Rafraîchir(); }, fond);
    liaison.Lier(canevas, modèle.Ecran.Cadre, [this] {
        if (this->modèle.Ecran.DemandeFocus) {
            canevas->setFocus();
            this->modèle.Ecran.DemandeFocus = false;
        }
        canevas->update();
    });
    for (Contrôle* c : {&modèle.EtiO, &modèle.EtiI, &modèle.EtiJ, &modèle.EtiX, &modèle.EtiY})
        Étiquette(*c, canevas);
    for (Contrôle& c : modèle.EtiQuad)
        Étiquette(c, canevas);
    tableaux.push_back({&modèle.EtiPoint,
                        [this](std::size_t i) -> QWidget* {
                            auto* étiquette = new QLabel(canevas);
                            étiquette->setAttribute(Qt::WA_TransparentForMouseEvents);
                            Q_UNUSED(i);
                            return étiquette;
                        },
                        {}});

    for (Contrôle* c : {&modèle.BtonPointCoor, &modèle.BtonModifPoint, &modèle.BtonAnnule, &modèle.BtonVelmor,
                        &modèle.BtonFermer, &modèle.BtonAbandon, &modèle.BtonEchMoins, &modèle.BtonEchPlus})
        Bouton(*c, fond);
    Bouton(modèle.BtonPolygone, fond)->setIcon(Icône(LigneBrisée));
    Bouton(modèle.BtonLong, fond)->setIcon(Icône(Longueur));
    Bouton(modèle.BtonAngle, fond)->setIcon(Icône(Angle));
    QPushButton* efface = Bouton(modèle.BtonEfface, fond);
    efface->setIcon(Icône(Gomme));
    efface->setIconSize(QSize(12, 12));
    for (Contrôle* c : {&modèle.EtiStatut, &modèle.EtiEchelle})
        Étiquette(*c, fond);
    Étiquette(modèle.LabelEch, fond)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* cadreCouleurs = Forme(modèle.FrameCouleur, fond);
    for (Contrôle& c : modèle.EtiCoul)
        ÉtiquetteActive(c, cadreCouleurs);
    ÉtiquetteActive(modèle.EtiCoulSuite, cadreCouleurs)->setAlignment(Qt::AlignCenter);

    QLabel* étape = Étiquette(modèle.EtiEtape, fond);
    étape->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont gras = étape->font();
    gras.setBold(true);
    étape->setFont(gras);
    Étiquette(modèle.EtiComEtape, fond);
    Étiquette(modèle.LabEtape, fond);
    Étiquette(modèle.EtiRéponse, fond);
    Étiquette(modèle.LabAfficheScore, fond);
    Forme(modèle.Shape3, fond);
    Forme(modèle.ShapeScore, fond);
    médaille = ÉtiquetteActive(modèle.ImaBton, fond);
    médaille->setAlignment(Qt::AlignCenter);
    for (Contrôle* c : {&modèle.EtiScore, &modèle.EtiBonus})
        Étiquette(*c, fond)->setAlignment(Qt::AlignCenter);
    for (Contrôle& c : modèle.Etixy)
        Étiquette(c, fond);

    // Les formes d'une ligne de cible répondent à la souris ; Tab ne s'arrête qu'une fois par ligne, sur son
    // texte.
    const auto ligneActive = [this](std::vector<Contrôle>& tableau, bool auClavier) {
        return [this, &tableau, auClavier](std::size_t i) -> QWidget* {
            // Un élément d'un tableau se désigne par son indice : son adresse change quand le tableau
            // grandit.
            auto clic = [this, &tableau, i] {
                Gérer([this, &tableau, i] { this->modèle.CliquerÉlément(tableau, i); });
            };
            auto survol = [this, &tableau, i] {
                Gérer([this, &tableau, i] { this->modèle.SurvolerÉlément(tableau, i); });
            };
            auto* ligne = new QLabel(fond);
            new Activable(ligne, clic, survol);
            if (!auClavier)
                ligne->setFocusPolicy(Qt::NoFocus);
            return ligne;
        };
    };
    tableaux.push_back({&modèle.ShapeTypeFig1, ligneActive(modèle.ShapeTypeFig1, false), {}});
    tableaux.push_back({&modèle.ShapeTypeFig2, ligneActive(modèle.ShapeTypeFig2, false), {}});
    tableaux.push_back({&modèle.LabTypeFig, ligneActive(modèle.LabTypeFig, true), {}});

    auto* panneauExo = Forme(modèle.PictureExo, fond);
    Étiquette(modèle.EtiNomExo, panneauExo);
    Étiquette(modèle.EtiExercice, panneauExo);
    Bouton(modèle.BtonOk, panneauExo);
    Bouton(modèle.BtonSuite, panneauExo);
}

void VueKorvane::Démarrer()
{
    modèle.Form_Load();
    Rafraîchir();
    show();
}

void VueKorvane::Gérer(const std::function<void()>& gestionnaire)
{
    gestionnaire();
    Rafraîchir();
}

QLabel* VueKorvane::Étiquette(const Contrôle& c, QWidget* parent)
{
    auto* étiquette = new QLabel(parent);
    étiquette->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    étiquette->setWordWrap(true);
    liaison.LierÉtiquette(étiquette, c);
    return étiquette;
}

QLabel* VueKorvane::ÉtiquetteActive(Contrôle& c, QWidget* parent)
{
    auto* étiquette = new QLabel(parent);
    new Activable(
        étiquette, [this, &c] { Gérer([this, &c] { modèle.Cliquer(c); }); },
        [this, &c] { Gérer([this, &c] { modèle.Survoler(c); }); });
    liaison.LierÉtiquette(étiquette, c);
    return étiquette;
}

QPushButton* VueKorvane::Bouton(Contrôle& c, QWidget* parent)
{
    auto* bouton = new BoutonRéactif([this, &c] { Gérer([this, &c] { modèle.Survoler(c); }); }, parent);
    connect(bouton, &QPushButton::clicked, this, [this, &c] { Gérer([this, &c] { modèle.Cliquer(c); }); });
    liaison.LierBouton(bouton, c);
    return bouton;
}

QWidget* VueKorvane::Forme(const Contrôle& c, QWidget* parent)
{
    auto* forme = new QWidget(parent);
    liaison.Lier(forme, c);
    return forme;
}

void VueKorvane::ConstruireMenus(QMenu* menu, const std::vector<EntréeMenu>& entrées)
{
    for (const EntréeMenu& entrée : entrées) {
        Contrôle& c = *entrée.Item;
        QAction* action = nullptr;
        if (c.Séparateur) {
            menu->addSeparator();
            continue;
        }
        if (!entrée.Sous.empty()) {
            QMenu* sousMenu = menu ? menu->addMenu(QString()) : menuBar()->addMenu(QString());
            ConstruireMenus(sousMenu, entrée.Sous);
            action = sousMenu->menuAction();
        } else {
            action = menu ? menu->addAction(QString()) : menuBar()->addAction(QString());
            connect(action, &QAction::triggered, this,
                    [this, &c] { Gérer([this, &c] { modèle.Cliquer(c); }); });
            actionsDesMenus[&c] = action;
        }
        liaison.Lier(nullptr, c, [action, &c] {
            action->setText(VersQString(c.Caption));
            action->setEnabled(c.Enabled);
            action->setVisible(c.Visible);
            action->setCheckable(c.Checked);
            action->setChecked(c.Checked);
        });
    }
}

// Une commande de menu montre son raccourci à côté de sa légende et ne le prend que lorsqu'elle est active ;
// celui d'un bouton passe par une action de la fenêtre, et Cliquer ne fait rien d'un bouton inactif.
void VueKorvane::PoserRaccourcis()
{
    for (const Raccourci& raccourci : modèle.Raccourcis) {
        QAction* action = nullptr;
        if (const auto trouvée = actionsDesMenus.find(raccourci.Commande); trouvée != actionsDesMenus.end()) {
            action = trouvée->second;
        } else {
            action = new QAction(this);
            addAction(action);
            Contrôle& c = *raccourci.Commande;
            connect(action, &QAction::triggered, this,
                    [this, &c] { Gérer([this, &c] { modèle.Cliquer(c); }); });
        }
        action->setShortcut(QKeySequence(VersQString(raccourci.Touches)));
    }
}

void VueKorvane::SynchroniserTableau(TableauLié& tableau)
{
    while (tableau.widgets.size() > tableau.contrôles->size()) {
        // Le rafraîchissement peut venir d'un gestionnaire lancé par ce widget même (une fenêtre modale
        // qu'il ouvre) : le widget ne disparaît qu'une fois rendu à la boucle d'évènements.
        tableau.widgets.back()->hide();
        tableau.widgets.back()->deleteLater();
        tableau.widgets.pop_back();
    }
    while (tableau.widgets.size() < tableau.contrôles->size())
        tableau.widgets.push_back(tableau.créer(tableau.widgets.size()));
    for (std::size_t i = 0; i < tableau.widgets.size(); ++i) {
        const Contrôle& c = (*tableau.contrôles)[i];
        RecopierContrôle(*tableau.widgets[i], c);
        if (auto* étiquette = dynamic_cast<QLabel*>(tableau.widgets[i]))
            étiquette->setText(VersLégende(c.Caption));
    }
}

// Tab suit l'ordre de lecture : les outils de gauche de haut en bas, puis les couleurs, le zoom, et le
// panneau de droite ; dans un cadre (les couleurs, l'exercice) ligne par ligne. Les contrôles se placent
// d'après la taille de la fenêtre et les lignes des cibles vont et viennent : l'ordre se refait avec eux.
void VueKorvane::OrdonnerTabulation()
{
    std::vector<std::pair<QWidget*, std::vector<QWidget*>>> groupes; // un widget du fond, ses contrôles
    for (QWidget* w : fond->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        QWidget* groupe = w;
        while (groupe->parentWidget() != fond)
            groupe = groupe->parentWidget();
        auto trouvé = std::find_if(groupes.begin(), groupes.end(),
                                   [groupe](const auto& g) { return g.first == groupe; });
        if (trouvé == groupes.end())
            trouvé = groupes.insert(groupes.end(), {groupe, {}});
        trouvé->second.push_back(w);
    }
    std::vector<QWidget*> têtes;
    for (auto& [groupe, contrôles] : groupes)
        têtes.push_back(groupe);
    RangerEnLignes(têtes, Qt::Vertical);

    std::vector<QPointer<QWidget>> ordre;
    for (QWidget* tête : têtes) {
        auto& contrôles = std::find_if(groupes.begin(), groupes.end(), [tête](const auto& g) {
                              return g.first == tête;
                          })->second;
        RangerEnLignes(contrôles, Qt::Horizontal);
        ordre.insert(ordre.end(), contrôles.begin(), contrôles.end());
    }
    if (ordre == ordreTabulation)
        return;
    ordreTabulation = ordre;
    for (std::size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

void VueKorvane::SynchroniserTaille()
{
    const QRect voulu = RectanglePixels(modèle.Form);
    if (size() != voulu.size())
        resize(voulu.size());
}

void VueKorvane::Rafraîchir()
{
    if (enRafraîchissement)
        return;
    enRafraîchissement = true;
    setWindowTitle(VersTitre(modèle.Form.Caption));
    QPalette palette = fond->palette();
    if (modèle.Form.BackColor)
        palette.setColor(QPalette::Window, VersQColor(*modèle.Form.BackColor));
    fond->setPalette(palette);
    fond->setCursor(CurseurQt(modèle.Form.MousePointer));
    liaison.Recopier();
    for (TableauLié& tableau : tableaux)
        SynchroniserTableau(tableau);
    if (médaille->pixmap().size() != médaille->size())
        médaille->setPixmap(Médaille(médaille->size()));
    SynchroniserTaille();
    OrdonnerTabulation();
    enRafraîchissement = false;
}

// La fenêtre compte sa barre de menus ; les contrôles se placent dessous, dans le fond.
void VueKorvane::resizeEvent(QResizeEvent* évènement)
{
    QMainWindow::resizeEvent(évènement);
    if (enRafraîchissement)
        return;
    modèle.Form.Width = static_cast<int>(std::lround(width() * TwipsParPixelX()));
    modèle.Form.Height = static_cast<int>(std::lround(height() * TwipsParPixelY()));
    Gérer([this] { modèle.Form_Resize(); });
}

void VueKorvane::moveEvent(QMoveEvent* évènement)
{
    QMainWindow::moveEvent(évènement);
    RetenirPosition(modèle.Form, pos());
}

void VueKorvane::closeEvent(QCloseEvent* évènement)
{
    if (!modèle.EstFermée())
        modèle.Form_QueryUnload();
    évènement->accept();
}
