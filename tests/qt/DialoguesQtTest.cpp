// Les vues Qt des dialogues, ouvertes sur la fenêtre principale : chacune montre son modèle, et ses
// widgets (zones de texte, liste, dialogue de fichier du système, imprimante) mènent à ses gestionnaires.
#include "qt/FenetreQt.h"
#include "support/DossierTemporaire.h"
#include "ui/ChoixPrecision.h"
#include "ui/Coordonnees.h"
#include "ui/FormAide.h"
#include "ui/FormAngle.h"
#include "ui/FormApropos.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormFichier.h"
#include "ui/FormLong.h"
#include "ui/FormMessage.h"
#include "ui/FormSaisie.h"
#include "ui/FormScore.h"
#include "ui/FormTexteAgrandi.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>

TEST_F(FenetreQt, ChaqueDialogueMontreSonTitreEtTientDansSonCadre)
{
    const std::vector<std::string> lignes{"AB = 1"};
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
    for (const auto& fenêtre : fenêtres) {
        SCOPED_TRACE(typeid(*fenêtre).name());
        QString titre;
        std::string fautif;
        bool montrée = false, tient = false;
        DansLaModale([&](QWidget* vue) {
            montrée = true;
            titre = vue->windowTitle();
            tient = ToutTientDansSonParent(vue, fautif);
        });
        plateforme.MontrerModal(*fenêtre);
        EXPECT_TRUE(montrée) << "aucune vue";
        EXPECT_EQ(titre, VersQString(fenêtre->Form.Caption));
        EXPECT_TRUE(tient) << fautif;
    }
}

// La zone en faute reçoit le focus, ses caractères fautifs sélectionnés, derrière la boîte du système.
TEST_F(FenetreQt, UneFauteDeCalculSelectionneLeCaractereFautif)
{
    QString message, sélection;
    DansLaModale([&](QWidget* coordonnées) {
        auto* x = coordonnées->findChild<QLineEdit*>("SaisieX");
        ASSERT_NE(x, nullptr);
        x->setText(QStringLiteral("RAC(-4)"));
        coordonnées->findChild<QLineEdit*>("SaisieY")->setText(QStringLiteral("1"));
        DansLaModale([&](QWidget* boîte) {
            if (auto* système = qobject_cast<QMessageBox*>(boîte))
                message = système->text();
        });
        coordonnées->findChild<QPushButton*>("BtonValider")->click();
        sélection = x->selectedText();
    });
    Clic(k.BtonPointCoor);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_EQ(sélection, QStringLiteral("-"));
    EXPECT_EQ(m.NbPoints, 0u);
}

TEST_F(FenetreQt, LeSommaireDeLAideChoisitLaRubriqueMontree)
{
    DossierTemporaire dossier;
    std::filesystem::copy_file(VELMOR_DONNEES_TESTS "/aide-courte.dat", dossier.Chemin() / "Velmor.dat");
    m.CheminAppli = dossier.Chemin().string() + "/";
    FormAide aide(m, plateforme, k.Form);
    QStringList titres;
    QString rubrique;
    DansLaModale([&](QWidget* vue) {
        auto* liste = vue->findChild<QListWidget*>();
        ASSERT_NE(liste, nullptr);
        for (int i = 0; i < liste->count(); ++i)
            titres << liste->item(i)->text();
        liste->setCurrentRow(2);
        rubrique = vue->findChild<QPlainTextEdit*>()->toPlainText();
        Cliquer(QStringLiteral("Ok"));
    });
    plateforme.MontrerModal(aide);
    EXPECT_TRUE(aide.EstFermée());
    ASSERT_EQ(titres.size(), static_cast<qsizetype>(aide.ÉlémentsSommaire.size()));
    for (std::size_t i = 0; i < aide.ÉlémentsSommaire.size(); ++i)
        EXPECT_EQ(titres[static_cast<qsizetype>(i)], VersQString(aide.ÉlémentsSommaire[i]));
    EXPECT_EQ(aide.EtiChap.Caption, aide.ÉlémentsSommaire[2]);
    EXPECT_EQ(rubrique, VersQString(aide.TextAide.Caption));
    EXPECT_FALSE(rubrique.isEmpty());
}

// Le dialogue du système prend le filtre des figures et ne pose pas sa propre question : seule la
// fenêtre de confirmation avertit de l'écrasement.
TEST_F(FenetreQt, LeDialogueDeFichierLaisseLaConfirmationALaFenetre)
{
    DossierTemporaire dossier;
    const auto existante = dossier.Écrire("carré.lum", "Figure du logiciel Lumarc\r\n");
    m.CheminDocuments = dossier.Chemin().string();
    for (const auto genre : {DialogueFichier::Ouverture, DialogueFichier::Enregistrement}) {
        FormFichier fichier(m, plateforme, k.Form, genre);
        QStringList filtres;
        QString question;
        DansLaModale([&](QWidget* vue) {
            auto* dialogue = qobject_cast<QFileDialog*>(vue);
            ASSERT_NE(dialogue, nullptr);
            filtres = dialogue->nameFilters();
            if (genre == DialogueFichier::Ouverture) {
                DansLaModale([](QWidget*) { Cliquer(QStringLiteral("Ok")); });
                return;
            }
            dialogue->selectFile(QString::fromStdString(existante.string()));
            DansLaModale([&](QWidget* suivante) {
                EXPECT_EQ(qobject_cast<QMessageBox*>(suivante), nullptr)
                    << "le dialogue du système a demandé";
                if (auto* étiquette = suivante->findChild<QLabel*>())
                    question = étiquette->text();
                Cliquer(QStringLiteral("Valider"));
            });
            static_cast<QDialog*>(dialogue)->accept();
        });
        plateforme.MontrerModal(fichier);
        ASSERT_EQ(filtres.size(), 1);
        EXPECT_TRUE(filtres[0].endsWith(QStringLiteral(" (*.lum)"))) << filtres[0].toStdString();
        EXPECT_EQ(fichier.NomFichierChoisi, genre == DialogueFichier::Ouverture ? "" : existante.string());
        EXPECT_EQ(question.contains(QStringLiteral("écrasée")), genre == DialogueFichier::Enregistrement);
    }
}

// Sur papier, l'image de la fenêtre sans boutons ni fond coloré ; puis la fenêtre retrouve son aspect, que
// l'imprimante ait écrit son fichier ou non.
TEST_F(FenetreQt, LeScoreSImprimeSurFondBlancPuisRetrouveSonAspect)
{
    DossierTemporaire dossier;
    for (const auto& [fichier, écrit] : {std::pair{dossier.Chemin() / "score.pdf", true},
                                         {dossier.Chemin() / "absent" / "score.pdf", false}}) {
        SCOPED_TRACE(fichier.string());
        plateforme.pdf = QString::fromStdString(fichier.string());
        m.Score = 16;
        m.ScoreMax = 20;
        FormScore score(m, plateforme, k.Form);
        QColor fondÉcran, fondRevenu;
        bool boutonsRevenus = false, messageVu = false;
        DansLaModale([&](QWidget* vue) {
            fondÉcran = vue->palette().color(QPalette::Window);
            // Le message d'une faute d'imprimante s'ouvre pendant le clic, et seulement pendant lui.
            QTimer message;
            message.setSingleShot(true);
            QObject::connect(&message, &QTimer::timeout, [&] {
                messageVu = QApplication::activeModalWidget() != vue;
                if (messageVu)
                    Cliquer(QStringLiteral("Ok"));
            });
            message.start(0);
            Cliquer(QStringLiteral("Imprimer"));
            message.stop();
            fondRevenu = vue->palette().color(QPalette::Window);
            boutonsRevenus =
                BoutonVisible(vue, QStringLiteral("Imprimer")) && BoutonVisible(vue, QStringLiteral("Ok"));
            Cliquer(QStringLiteral("Ok"));
        });
        plateforme.MontrerModal(score);
        EXPECT_EQ(messageVu, !écrit);
        EXPECT_EQ(QFile(plateforme.pdf).exists(), écrit);
        EXPECT_TRUE(boutonsRevenus);
        EXPECT_EQ(fondRevenu, fondÉcran);
        EXPECT_EQ(plateforme.boutonsImprimés, 0);
        const QImage& image = plateforme.imprimée;
        ASSERT_FALSE(image.isNull());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_NE(image.pixelColor(x, y), fondÉcran) << x << ", " << y;
        EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    }
}
