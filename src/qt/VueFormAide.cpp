// Vue Qt de la fenêtre d'aide : le sommaire en liste, la rubrique dans une zone qui défile.
#include "qt/Recopie.h"
#include "qt/VueDialogue.h"
#include "ui/FormAide.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <cmath>
#include <memory>

namespace {

class VueFormAide : public VueDialogue {
public:
    VueFormAide(FormAide& modèle, QWidget* parent) : VueDialogue(modèle, parent), modèle(modèle)
    {
        Étiquette(modèle.EtiSommaire);
        Sommaire();
        Étiquette(modèle.EtiChap);
        auto* texte = ZoneTexteMultiligne(modèle.TextAide, true);
        // Les longues rubriques défilent verticalement ; les lignes se replient à la largeur.
        texte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        texte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        texte->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        Bouton(modèle.BtonOk, [&modèle] { modèle.BtonOk_Click(); })->setDefault(true);
    }

protected:
    void resizeEvent(QResizeEvent* évènement) override
    {
        VueDialogue::resizeEvent(évènement);
        const int largeur = static_cast<int>(std::lround(évènement->size().width() * TwipsParPixelX()));
        const int hauteur = static_cast<int>(std::lround(évènement->size().height() * TwipsParPixelY()));
        if (largeur == modèle.Form.Width && hauteur == modèle.Form.Height)
            return;
        modèle.Form.Width = largeur;
        modèle.Form.Height = hauteur;
        Gérer([this] { modèle.Form_Resize(); });
    }

private:
    void Sommaire()
    {
        auto* liste = new QListWidget(this);
        connect(liste, &QListWidget::currentRowChanged, this, [this](int ligne) {
            if (ligne >= 0 && ligne != modèle.IndexSommaire)
                Gérer([this, ligne] { modèle.ListChapitresAide_Click(ligne); });
        });
        Lier(liste, modèle.ListChapitresAide, [this, liste] {
            const QSignalBlocker bloqueur(liste);
            if (liste->count() != static_cast<int>(modèle.ÉlémentsSommaire.size())) {
                liste->clear();
                for (const auto& titre : modèle.ÉlémentsSommaire)
                    liste->addItem(VersQString(titre));
            }
            liste->setCurrentRow(modèle.IndexSommaire);
        });
    }

    FormAide& modèle;
};

} // namespace

std::unique_ptr<VueDialogue> CréerVue(FormAide& modèle, QWidget* parent)
{
    return std::make_unique<VueFormAide>(modèle, parent);
}
