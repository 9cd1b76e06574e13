#include "platform/qt/VueDialogue.h"

#include "platform/qt/Recopie.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Filtre des touches d'une zone de texte : le modèle voit chaque caractère avant le widget.
class FiltreTouches : public QObject {
public:
    FiltreTouches(QLineEdit* zone, std::function<void(char32_t&)> touche, std::function<void()> après)
        : QObject(zone), zone(zone), touche(std::move(touche)), après(std::move(après))
    {
    }

    bool eventFilter(QObject* objet, QEvent* évènement) override
    {
        if (objet != zone || évènement->type() != QEvent::KeyPress)
            return false;
        auto* frappe = static_cast<QKeyEvent*>(évènement);
        char32_t code = 0;
        if (frappe->key() == Qt::Key_Backspace)
            code = 8;
        else if (const QList<uint> codes = frappe->text().toUcs4(); codes.size() == 1 && codes[0] >= 32)
            code = codes[0];
        else
            return false; // flèches, tabulation, entrée : le widget les garde
        const char32_t tapé = code;
        touche(code);
        après();
        if (code == 0)
            return true;
        if (code == tapé)
            return false;
        zone->insert(QString::fromUcs4(&code, 1));
        return true;
    }

private:
    QLineEdit* zone;
    std::function<void(char32_t&)> touche;
    std::function<void()> après;
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
    liens.push_back({widget, &c, std::move(recopierPropre)});
}

QLabel* VueDialogue::Étiquette(Contrôle& c)
{
    auto* étiquette = new QLabel(this);
    étiquette->setWordWrap(true);
    étiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lier(étiquette, c, [étiquette, &c] { étiquette->setText(VersQString(c.Caption)); });
    return étiquette;
}

QPushButton* VueDialogue::Bouton(Contrôle& c, std::function<void()> clic)
{
    auto* bouton = new QPushButton(this);
    bouton->setAutoDefault(false);
    connect(bouton, &QPushButton::clicked, this, [this, clic = std::move(clic)] { Gérer(clic); });
    Lier(bouton, c, [bouton, &c] { bouton->setText(VersQString(c.Caption)); });
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

QCheckBox* VueDialogue::CaseÀCocher(Contrôle& c, std::function<void()> clic)
{
    auto* caseÀCocher = new QCheckBox(this);
    connect(caseÀCocher, &QCheckBox::clicked, this, [this, &c, clic = std::move(clic)](bool coché) {
        c.Checked = coché;
        Gérer(clic);
    });
    Lier(caseÀCocher, c, [caseÀCocher, &c] {
        caseÀCocher->setText(VersQString(c.Caption));
        caseÀCocher->setChecked(c.Checked);
    });
    return caseÀCocher;
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
        zone->installEventFilter(new FiltreTouches(zone, std::move(touche), [this] { Rafraîchir(); }));
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
    setWindowTitle(VersQString(form.Caption));
    const QRect cadre = RectanglePixels(form);
    resize(cadre.size());
    move(cadre.topLeft());
    QPalette palette = QApplication::palette(this);
    if (form.BackColor)
        palette.setColor(QPalette::Window, VersQColor(*form.BackColor));
    setPalette(palette);
    for (const Lien& lien : liens) {
        RecopierContrôle(*lien.widget, *lien.contrôle);
        lien.recopierPropre();
    }
    rafraîchissement = false;
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
