// La vraie fenêtre principale ouverte hors écran sur une plateforme Qt dont seuls les dialogues du système
// sont remplacés : le dialogue des images rend le fichier préparé, l'imprimante est un fichier PDF.
#pragma once

#include "qt/PlateformeQt.h"
#include "qt/Recopie.h"
#include "qt/VueKorvane.h"
#include "qt/WidgetCanevas.h"
#include "support/PlateformeScriptee.h"
#include "ui/ChoixPrecision.h"
#include "ui/Coordonnees.h"
#include "ui/FormAngle.h"
#include "ui/FormApropos.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormLong.h"
#include "ui/FormMessage.h"
#include "ui/FormSaisie.h"
#include "ui/FormScore.h"
#include "ui/FormTexteAgrandi.h"

#include <QAccessible>
#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

// Clique le bouton visible de cette légende dans la fenêtre modale active.
inline void Cliquer(const QString& légende)
{
    if (QWidget* modale = QApplication::activeModalWidget())
        for (QPushButton* bouton : modale->findChildren<QPushButton*>())
            if (bouton->text() == légende && bouton->isVisible())
                return bouton->click();
    ADD_FAILURE() << "pas de bouton visible " << légende.toStdString();
}

// Le widget qui reçoit les touches : le menu ouvert, sinon celui qui a le focus. La plateforme hors écran
// ne rend pas l'activation à la fenêtre de dessous quand une fenêtre se ferme : on le fait comme le
// gestionnaire de fenêtres.
inline QWidget* Destinataire()
{
    if (QWidget* menu = QApplication::activePopupWidget())
        return menu;
    if (!QApplication::activeWindow()) {
        QWidget* dessous = QApplication::activeModalWidget();
        for (QWidget* fenêtre : QApplication::topLevelWidgets())
            if (!dessous && fenêtre->isVisible() && qobject_cast<QMainWindow*>(fenêtre))
                dessous = fenêtre;
        if (dessous) {
            dessous->activateWindow();
            QApplication::processEvents();
        }
    }
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

// Une frappe porte le texte de sa touche : l'espace et les lettres sans Ctrl.
inline void Frapper(QKeyCombination touche, QString texte = {})
{
    const int code = touche.key();
    if (code == Qt::Key_Space ||
        (code >= Qt::Key_A && code <= Qt::Key_Z && !(touche.keyboardModifiers() & Qt::ControlModifier)))
        texte = QString(QChar(code)).toLower();
    for (const QEvent::Type genre : {QEvent::KeyPress, QEvent::KeyRelease})
        if (QWidget* cible = Destinataire()) {
            QKeyEvent frappe(genre, code, touche.keyboardModifiers(), texte);
            QApplication::sendEvent(cible, &frappe);
        }
}

class PlateformeEssai : public PlateformeQt {
public:
    std::optional<FichierTypé> DialogueEnregistrerTypé(const std::string&, const std::vector<std::string>&,
                                                       const std::string&, const std::string&) override
    {
        return Prendre(images);
    }

    bool ChoisirImprimante() override
    {
        Imprimante().setOutputFormat(QPrinter::PdfFormat);
        Imprimante().setOutputFileName(pdf);
        return true;
    }

    // L'image de la fenêtre au moment où elle part à l'imprimante.
    bool ImprimerFenêtre(Fenêtre& fenêtre) override
    {
        const bool imprimé = PlateformeQt::ImprimerFenêtre(fenêtre);
        imprimée = QApplication::activeModalWidget()->grab().toImage();
        return imprimé;
    }

    std::deque<std::optional<FichierTypé>> images;
    QString pdf;
    QImage imprimée;
};

class FenetreQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        plateforme.DéfinirFenêtrePrincipale(k.Form, &vue);
        vue.Démarrer();
        vue.activateWindow();
        QApplication::processEvents();
    }

    void Ouvrir(const std::string& figure)
    {
        vue.Gérer([&] { k.OuvrirFichierFigure(VELMOR_DONNEES_TESTS "/" + figure); });
        QApplication::processEvents();
    }

    void Clic(Contrôle& c)
    {
        vue.Gérer([&] { k.Cliquer(c); });
    }

    // Un point de la figure en pixels du canevas.
    QPointF Pixel(double x, double y) const
    {
        const Repère& r = k.Ecran.RepèreCourant();
        const QSize taille = vue.Canevas()->size();
        const PointPlan p = r.VersPixels(r.DepuisFigure(x, y), taille.width(), taille.height());
        return {p.X, p.Y};
    }

    // Les dialogues qu'un modèle neuf peut montrer sans rien préparer.
    std::vector<std::unique_ptr<Fenêtre>> Dialogues()
    {
        std::vector<std::unique_ptr<Fenêtre>> fenêtres;
        fenêtres.push_back(std::make_unique<Coordonnées>(m, plateforme, k.Form));
        fenêtres.push_back(std::make_unique<FormSaisie>(m, plateforme, k.Form));
        fenêtres.push_back(std::make_unique<FormChoixPoint>(m, k.Form));
        fenêtres.push_back(std::make_unique<ChoixPrécision>(m, k.Form));
        fenêtres.push_back(std::make_unique<FormCouleurs>(m, k.Form));
        fenêtres.push_back(std::make_unique<FormLong>(lignes, k.Form));
        fenêtres.push_back(std::make_unique<FormAngle>(lignes, k.Form));
        fenêtres.push_back(std::make_unique<FormMessage>(m, k.Form));
        fenêtres.push_back(std::make_unique<FormTexteAgrandi>(m, k.Form));
        fenêtres.push_back(std::make_unique<FormApropos>(k.Form));
        fenêtres.push_back(std::make_unique<FormScore>(m, plateforme, k.Form));
        return fenêtres;
    }

    Modulebas m;
    const std::vector<std::string> lignes{"AB = 1"};
    PlateformeEssai plateforme;
    Korvane k{m, plateforme};
    VueKorvane vue{k};
};

// Joue f dans la prochaine fenêtre modale ; celle que f laisse ouverte (un échec) se referme, pour que le
// test finisse.
inline void DansLaModale(std::function<void(QWidget*)> f)
{
    QTimer::singleShot(0, [f = std::move(f)] {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale) {
            ADD_FAILURE() << "aucune fenêtre modale";
            return;
        }
        f(modale);
        if (auto* dialogue = qobject_cast<QDialog*>(modale); dialogue && dialogue->isVisible())
            dialogue->done(QDialog::Rejected);
    });
}

// Le premier contrôle visible que Tab atteint sans nom pour un lecteur d'écran ; vide s'il n'y en a pas.
inline std::string SansNomAccessible(const QWidget* racine)
{
    for (QWidget* w : racine->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(racine))
            continue;
        if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty())
            return w->metaObject()->className() + (" " + w->objectName().toStdString());
    }
    return {};
}

// Chaque descendant visible tient dans son parent ; sinon, le premier qui déborde.
inline std::string Débordant(const QWidget* racine)
{
    for (const QWidget* w : racine->findChildren<QWidget*>()) {
        if (w->isVisibleTo(racine) && !w->isWindow() && !w->parentWidget()->rect().contains(w->geometry())) {
            QString où;
            QDebug(&où) << w->metaObject()->className() << w->toolTip() << w->geometry();
            return où.toStdString();
        }
    }
    return {};
}
