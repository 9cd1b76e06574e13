#include "qt/VueKorvane.h"

#include "qt/Recopie.h"
#include "qt/WidgetCanevas.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// Une étiquette qui réagit au clic et au survol, comme les lignes des cibles et les couleurs.
class ÉtiquetteRéactive : public QLabel {
public:
    ÉtiquetteRéactive(std::function<void()> clic, std::function<void()> survol, QWidget* parent)
        : QLabel(parent), clic(std::move(clic)), survol(std::move(survol))
    {
        setMouseTracking(true);
    }

protected:
    void mousePressEvent(QMouseEvent* évènement) override
    {
        if (évènement->button() == Qt::LeftButton)
            clic();
    }
    void mouseMoveEvent(QMouseEvent*) override { survol(); }

private:
    std::function<void()> clic;
    std::function<void()> survol;
};

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

// Un bouton qui signale le survol (les boutons du zoom remettent la flèche).
class BoutonRéactif : public QPushButton {
public:
    BoutonRéactif(std::function<void()> survol, QWidget* parent)
        : QPushButton(parent), survol(std::move(survol))
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void mouseMoveEvent(QMouseEvent* évènement) override
    {
        survol();
        QPushButton::mouseMoveEvent(évènement);
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

} // namespace

VueKorvane::VueKorvane(Korvane& modèle) : modèle(modèle)
{
    fond = new Fond([this] { Gérer([this] { this->modèle.Form_MouseMove(); }); }, this);
    setCentralWidget(fond);
    ConstruireMenus(nullptr, modèle.Menus);
    PoserRaccourcis();

    canevas = new WidgetCanevas(
        modèle.Ecran, [this] { Rafraîchir(); }, fond);
    liens.push_back({canevas, &modèle.Ecran.Cadre, [this] {
                         if (this->modèle.Ecran.DemandeFocus) {
                             canevas->setFocus();
                             this->modèle.Ecran.DemandeFocus = false;
                         }
                         canevas->update();
                     }});
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

    const auto ligneActive = [this](std::vector<Contrôle>& tableau) {
        return [this, &tableau](std::size_t i) -> QWidget* {
            // Un élément d'un tableau se désigne par son indice : son adresse change quand le tableau
            // grandit.
            auto clic = [this, &tableau, i] {
                Gérer([this, &tableau, i] { this->modèle.CliquerÉlément(tableau, i); });
            };
            auto survol = [this, &tableau, i] {
                Gérer([this, &tableau, i] { this->modèle.SurvolerÉlément(tableau, i); });
            };
            return new ÉtiquetteRéactive(clic, survol, fond);
        };
    };
    tableaux.push_back({&modèle.ShapeTypeFig1, ligneActive(modèle.ShapeTypeFig1), {}});
    tableaux.push_back({&modèle.ShapeTypeFig2, ligneActive(modèle.ShapeTypeFig2), {}});
    tableaux.push_back({&modèle.LabTypeFig, ligneActive(modèle.LabTypeFig), {}});

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
    liens.push_back({étiquette, &c, [étiquette, &c] { étiquette->setText(VersLégende(c.Caption)); }});
    return étiquette;
}

QLabel* VueKorvane::ÉtiquetteActive(Contrôle& c, QWidget* parent)
{
    auto* étiquette =
        new ÉtiquetteRéactive([this, &c] { Gérer([this, &c] { modèle.Cliquer(c); }); },
                              [this, &c] { Gérer([this, &c] { modèle.Survoler(c); }); }, parent);
    liens.push_back({étiquette, &c, [étiquette, &c] { étiquette->setText(VersLégende(c.Caption)); }});
    return étiquette;
}

QPushButton* VueKorvane::Bouton(Contrôle& c, QWidget* parent)
{
    auto* bouton = new BoutonRéactif([this, &c] { Gérer([this, &c] { modèle.Survoler(c); }); }, parent);
    connect(bouton, &QPushButton::clicked, this, [this, &c] { Gérer([this, &c] { modèle.Cliquer(c); }); });
    liens.push_back({bouton, &c, [bouton, &c] { bouton->setText(VersQString(c.Caption)); }});
    return bouton;
}

QWidget* VueKorvane::Forme(const Contrôle& c, QWidget* parent)
{
    auto* forme = new QWidget(parent);
    liens.push_back({forme, &c, [] {}});
    return forme;
}

void VueKorvane::ConstruireMenus(QMenu* menu, const std::vector<EntréeMenu>& entrées)
{
    for (const EntréeMenu& entrée : entrées) {
        Contrôle& c = *entrée.Item;
        QAction* action = nullptr;
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
        liens.push_back({nullptr, &c, [action, &c] {
                             action->setText(VersQString(c.Caption));
                             action->setEnabled(c.Enabled);
                             action->setVisible(c.Visible);
                             action->setCheckable(c.Checked);
                             action->setChecked(c.Checked);
                         }});
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
    setWindowTitle(VersQString(modèle.Form.Caption));
    QPalette palette = fond->palette();
    if (modèle.Form.BackColor)
        palette.setColor(QPalette::Window, VersQColor(*modèle.Form.BackColor));
    fond->setPalette(palette);
    fond->setCursor(CurseurQt(modèle.Form.MousePointer));
    for (const Lien& lien : liens) {
        if (lien.widget)
            RecopierContrôle(*lien.widget, *lien.contrôle);
        lien.recopierPropre();
    }
    for (TableauLié& tableau : tableaux)
        SynchroniserTableau(tableau);
    if (médaille->pixmap().size() != médaille->size())
        médaille->setPixmap(Médaille(médaille->size()));
    SynchroniserTaille();
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
    modèle.Form.Left = static_cast<int>(std::lround(x() * TwipsParPixelX()));
    modèle.Form.Top = static_cast<int>(std::lround(y() * TwipsParPixelY()));
}

void VueKorvane::closeEvent(QCloseEvent* évènement)
{
    if (!modèle.EstFermée())
        modèle.Form_QueryUnload();
    évènement->accept();
}
