// Les vues Qt de la confirmation des fichiers et de l'aide, et le dossier des documents du système.
#include "qt/PlateformeQt.h"
#include "support/DialogueQt.h"
#include "support/DossierTemporaire.h"
#include "ui/Environnement.h"
#include "ui/FormAide.h"
#include "ui/FormFichier.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const std::filesystem::path Données = VELMOR_DONNEES_TESTS;

// Referme une à une les fenêtres modales restées ouvertes après un échec, pour que le test finisse.
void ToutFermer()
{
    QTimer::singleShot(0, [] {
        if (auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogue->reject();
            ToutFermer();
        }
    });
}

const Contrôle Principale = Dessiné("", 0, 0, 12000, 9000);

// Remplace une variable d'environnement le temps d'un test.
class VariableTemporaire {
public:
    VariableTemporaire(const char* nom, const QByteArray& valeur) : nom(nom), ancienne(qgetenv(nom))
    {
        qputenv(nom, valeur);
    }
    ~VariableTemporaire() { qputenv(nom, ancienne); }

private:
    const char* nom;
    QByteArray ancienne;
};

} // namespace

TEST(VueFormAide, LeSommaireChoisitLaRubriqueQuiDefileVerticalement)
{
    DossierTemporaire dossier;
    std::filesystem::copy_file(Données / "aide-courte.dat", dossier.Chemin() / "Velmor.dat");
    Modulebas m;
    m.CheminAppli = dossier.Chemin().string() + "/";
    PlateformeQt plateforme;
    FormAide aide(m, plateforme, Principale);
    QStringList titres;
    QString premier, troisième;
    Qt::ScrollBarPolicy barre = Qt::ScrollBarAlwaysOff;
    QTimer::singleShot(0, [&] {
        auto* liste = Enfant<QListWidget>();
        auto* texte = Enfant<QPlainTextEdit>();
        ASSERT_NE(liste, nullptr);
        ASSERT_NE(texte, nullptr);
        for (int i = 0; i < liste->count(); ++i)
            titres << liste->item(i)->text();
        premier = texte->toPlainText();
        barre = texte->verticalScrollBarPolicy();
        liste->setCurrentRow(2);
        troisième = texte->toPlainText();
        Cliquer(QStringLiteral("Ok"));
    });
    plateforme.MontrerModal(aide);
    EXPECT_TRUE(aide.EstFermée());
    EXPECT_EQ(titres, (QStringList{QStringLiteral("Démarrer"), QStringLiteral("Vide"),
                                   QStringLiteral("Fin collée")}));
    EXPECT_TRUE(premier.startsWith(QStringLiteral("Placer un point")));
    EXPECT_EQ(troisième, QStringLiteral("Dernière ligne"));
    EXPECT_EQ(aide.EtiChap.Caption, "Fin collée");
    EXPECT_EQ(barre, Qt::ScrollBarAlwaysOn);
}

TEST(VueFormFichier, LaConfirmationSeuleAvertitDeLEcrasement)
{
    DossierTemporaire dossier;
    const auto existante = dossier.Écrire("carré.lum", "Figure du logiciel Lumarc\r\n");
    Modulebas m;
    m.CheminDocuments = dossier.Chemin().string();
    PlateformeQt plateforme;
    FormFichier fichier(m, plateforme, Principale, DialogueFichier::Enregistrement);
    QString message;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        dialogue->selectFile(QString::fromStdString(existante.string()));
        // Une question du dialogue lui-même s'ouvrirait ici, avant la fenêtre de confirmation.
        QTimer::singleShot(0, [&] {
            if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "le dialogue du système a posé sa propre question";
                ToutFermer();
                return;
            }
            auto* étiquette = Enfant<QLabel>();
            ASSERT_NE(étiquette, nullptr);
            message = étiquette->text();
            Cliquer(QStringLiteral("Valider"));
        });
        static_cast<QDialog*>(dialogue)->accept();
    });
    plateforme.MontrerModal(fichier);
    EXPECT_EQ(
        message,
        QStringLiteral("Attention, une figure de ce nom existe déjà, elle va être écrasée. Confirmation ?"));
    EXPECT_EQ(fichier.NomFichierChoisi, existante.string());
}

TEST(VueFormFichier, UnDialogueAnnuleNeLaissePlusQueOk)
{
    Modulebas m;
    PlateformeQt plateforme;
    FormFichier fichier(m, plateforme, Principale, DialogueFichier::Ouverture);
    QStringList boutons;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        EXPECT_EQ(dialogue->windowTitle(), QStringLiteral("Ouverture d'un fichier figure"));
        EXPECT_EQ(dialogue->nameFilters(), QStringList{QStringLiteral("Figure du logiciel Lumarc (*.lum)")});
        QTimer::singleShot(0, [&] {
            for (QPushButton* bouton : QApplication::activeModalWidget()->findChildren<QPushButton*>())
                if (bouton->isVisible())
                    boutons << bouton->text();
            Cliquer(QStringLiteral("Ok"));
        });
        dialogue->reject();
    });
    plateforme.MontrerModal(fichier);
    EXPECT_EQ(boutons, QStringList{QStringLiteral("Ok")});
    EXPECT_EQ(fichier.LabMessage.Caption, "      Ouverture annulée par l'utilisateur");
    EXPECT_EQ(fichier.NomFichierChoisi, "");
}

TEST(PlateformeQt, LeDossierDesDocumentsVientDuSysteme)
{
    DossierTemporaire maison;
    const VariableTemporaire home("HOME", QByteArray::fromStdString(maison.Chemin().string()));
    const VariableTemporaire configuration("XDG_CONFIG_HOME",
                                           QByteArray::fromStdString((maison.Chemin() / "config").string()));
    PlateformeQt plateforme;
    Modulebas m;

    ChercherDossierDocuments(m, plateforme);
    EXPECT_EQ(m.CheminDocuments, "");
    EXPECT_TRUE(std::filesystem::is_empty(maison.Chemin()));

    std::filesystem::create_directory(maison.Chemin() / "Documents");
    ChercherDossierDocuments(m, plateforme);
    EXPECT_EQ(m.CheminDocuments, (maison.Chemin() / "Documents" / "Velmor").string());
    EXPECT_TRUE(std::filesystem::is_directory(m.CheminDocuments));
}
