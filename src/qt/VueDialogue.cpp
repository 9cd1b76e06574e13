#include "qt/VueDialogue.h"

#include "qt/Recopie.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

// Filtre des touches d'une zone de texte : le modèle voit chaque caractère avant le widget, comme
// KeyPress (8 effacement arrière, 13 entrée, 27 échappement) ; il peut le remplacer ou l'annuler (0).
class FiltreTouches : public QObject {
public:
    FiltreTouches(QLineEdit* zone, std::function<void(char32_t&)> touche, std::function<bool()> après)
        : QObject(zone), zone(zone), touche(std::move(touche)), après(std::move(après))
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
        const bool fermée = après();
        if (fermée || code == 0)
            return true;
        if (code == tapé || code < 32)
            return false;
        zone->insert(QString::fromUcs4(&code, 1));
        return true;
    }

private:
    QLineEdit* zone;
    std::function<void(char32_t&)> touche;
    std::function<bool()> après; // rafraîchit ; vrai si le modèle s'est fermé
};

} // namespace

VueDialogue::VueDialogue(Fenêtre& modèle, QWidget* parent) : QDialog(parent), modèle(modèle)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

void VueDialogue::Montrer()
{
    modèle.Form_Load();
    Rafraîchir();
    if (!modèle.EstFermée())
        exec();
}

void VueDialogue::Lier(QWidget* widget, const Contrôle& c, std::function<void()> recopierPropre)
{
    liaison.Lier(widget, c, std::move(recopierPropre));
}

QLabel* VueDialogue::Étiquette(Contrôle& c)
{
    auto* étiquette = new QLabel(this);
    étiquette->setWordWrap(true);
    étiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    liaison.LierÉtiquette(étiquette, c);
    return étiquette;
}

QPushButton* VueDialogue::Bouton(Contrôle& c, std::function<void()> clic)
{
    auto* bouton = new QPushButton(this);
    bouton->setAutoDefault(false);
    connect(bouton, &QPushButton::clicked, this, [this, clic = std::move(clic)] { Gérer(clic); });
    liaison.LierBouton(bouton, c);
    return bouton;
}

QRadioButton* VueDialogue::BoutonOption(Contrôle& c, std::function<void()> clic)
{
    auto* option = new QRadioButton(this);
    connect(option, &QRadioButton::clicked, this, [this, &c, clic = std::move(clic)] {
        c.Checked = true;
        Gérer(clic);
    });
    Lier(option, c, [option, &c] {
        option->setText(VersQString(c.Caption));
        option->setChecked(c.Checked);
    });
    return option;
}

QLineEdit* VueDialogue::ZoneTexte(Contrôle& c, std::function<void()> changement,
                                  std::function<void(char32_t&)> touche)
{
    auto* zone = new QLineEdit(this);
    connect(zone, &QLineEdit::textChanged, this,
            [this, &c, changement = std::move(changement)](const QString& t) {
                if (rafraîchissement)
                    return;
                c.Caption = VersTexte(t);
                if (changement)
                    Gérer(changement);
            });
    if (touche)
        zone->installEventFilter(new FiltreTouches(zone, std::move(touche), [this] {
            Rafraîchir();
            if (modèle.EstFermée())
                done(QDialog::Accepted);
            return modèle.EstFermée();
        }));
    Lier(zone, c, [zone, &c] {
        const QString texte = VersQString(c.Caption);
        if (zone->text() != texte)
            zone->setText(texte);
    });
    return zone;
}

QPlainTextEdit* VueDialogue::ZoneTexteMultiligne(Contrôle& c, bool lectureSeule)
{
    auto* zone = new QPlainTextEdit(this);
    zone->setReadOnly(lectureSeule);
    connect(zone, &QPlainTextEdit::textChanged, this, [this, zone, &c] {
        if (!rafraîchissement)
            c.Caption = VersTexte(zone->toPlainText());
    });
    Lier(zone, c, [zone, &c] {
        const QString texte = VersQString(c.Caption);
        if (zone->toPlainText() != texte)
            zone->setPlainText(texte);
    });
    return zone;
}

void VueDialogue::Gérer(const std::function<void()>& gestionnaire)
{
    gestionnaire();
    Rafraîchir();
    if (modèle.EstFermée())
        done(QDialog::Accepted);
}

void VueDialogue::Rafraîchir()
{
    rafraîchissement = true;
    const Contrôle& form = modèle.Form;
    setWindowTitle(VersTitre(form.Caption));
    const QRect cadre = RectanglePixels(form);
    if (size() != cadre.size())
        setFixedSize(cadre.size());
    if (pos() != cadre.topLeft())
        move(cadre.topLeft());
    QPalette palette = QApplication::palette(this);
    if (form.BackColor)
        palette.setColor(QPalette::Window, VersQColor(*form.BackColor));
    setPalette(palette);
    liaison.Recopier();
    rafraîchissement = false;
}

// L'élève peut déplacer le dialogue : le modèle garde sa position.
void VueDialogue::moveEvent(QMoveEvent* évènement)
{
    QDialog::moveEvent(évènement);
    RetenirPosition(modèle.Form, pos());
}

// La croix du cadre et la touche Échap passent par Form_QueryUnload, qui décide de fermer ou non.
void VueDialogue::closeEvent(QCloseEvent* évènement)
{
    if (!modèle.EstFermée()) {
        modèle.Form_QueryUnload();
        Rafraîchir();
    }
    if (modèle.EstFermée())
        évènement->accept();
    else
        évènement->ignore();
}

void VueDialogue::reject()
{
    if (!modèle.EstFermée()) {
        modèle.Form_QueryUnload();
        Rafraîchir();
    }
    if (modèle.EstFermée())
        QDialog::reject();
}
