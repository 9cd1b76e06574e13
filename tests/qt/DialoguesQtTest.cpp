// Les vues Qt des dialogues, ouvertes sur la fenêtre principale : chacune montre son modèle, et ses
// widgets (zones de texte, liste, dialogue de fichier du système, imprimante) mènent à ses gestionnaires.
#include "qt/FenetreQt.h"
#include "support/DossierTemporaire.h"
#include "ui/FormAide.h"
#include "ui/FormFichier.h"

#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>

TEST_F(FenetreQt, ChaqueDialogueMontreSonTitreTientDansSonCadreEtAUnBoutonParDefaut)
{
    m.TexteConsigne = "Donner le nom des sommets du polygone :";
    const std::vector<std::unique_ptr<Fenêtre>> fenêtres = Dialogues();
    for (const auto& fenêtre : fenêtres) {
        SCOPED_TRACE(typeid(*fenêtre).name());
        QString titre = QStringLiteral("aucune vue");
        std::string fautes =
            "aucune vue"; // ce qui déborde, un contrôle sans nom, nul bouton qu'Entrée presse
        DansLaModale([&](QWidget* vue) {
            titre = vue->windowTitle();
            bool parDéfaut = false;
            for (const QPushButton* bouton : vue->findChildren<QPushButton*>())
                parDéfaut |= bouton->isDefault();
            fautes = Débordant(vue) + SansNomAccessible(vue) + (parDéfaut ? "" : "aucun bouton par défaut");
        });
        plateforme.MontrerModal(*fenêtre);
        EXPECT_EQ(titre, VersQString(fenêtre->Form.Caption));
        EXPECT_EQ(fautes, "");
    }
}

// Dans la grille des cases de l'étiquette, une flèche mène à la case voisine de son côté ; au bord, elle
// laisse la case choisie.
TEST_F(FenetreQt, LesFlechesMenentDUneCaseDeLEtiquetteASaVoisine)
{
    // Depuis les cases 1 (haut-gauche), 2 (bas-gauche), 3 (bas-droite) et 4 (haut-droite).
    const std::pair<Qt::Key, std::array<int, 4>> arrivées[] = {{Qt::Key_Left, {1, 2, 2, 1}},
                                                               {Qt::Key_Right, {4, 3, 3, 4}},
                                                               {Qt::Key_Up, {1, 1, 4, 4}},
                                                               {Qt::Key_Down, {2, 2, 3, 3}}};
    Coordonnées coordonnées(m, plateforme, k.Form);
    DansLaModale([&](QWidget* vue) {
        for (const auto& [flèche, arrivée] : arrivées)
            for (int départ = 1; départ <= 4; ++départ) {
                auto* caseDépart = vue->findChild<QWidget*>(QStringLiteral("Position%1").arg(départ));
                for (const Qt::Key touche : {Qt::Key_Space, flèche}) {
                    QKeyEvent frappe(QEvent::KeyPress, touche, Qt::NoModifier);
                    QApplication::sendEvent(caseDépart, &frappe);
                }
                EXPECT_EQ(int{m.PositionSaisie}, arrivée[départ - 1]) << flèche << " depuis " << départ;
            }
    });
    plateforme.MontrerModal(coordonnées);
}

TEST_F(FenetreQt, LeSommaireDeLAideChoisitLaRubriqueMontree)
{
    DossierTemporaire dossier;
    std::filesystem::copy_file(VELMOR_DONNEES_TESTS "/aide-courte.dat", dossier.Chemin() / "Velmor.dat");
    m.CheminAppli = dossier.Chemin().string() + "/";
    FormAide aide(m, plateforme, k.Form);
    DansLaModale([&](QWidget* vue) {
        auto* liste = vue->findChild<QListWidget*>();
        ASSERT_EQ(liste->count(), static_cast<int>(aide.ÉlémentsSommaire.size()));
        for (int i = 0; i < liste->count(); ++i)
            EXPECT_EQ(liste->item(i)->text(),
                      VersQString(aide.ÉlémentsSommaire[static_cast<std::size_t>(i)]));
        liste->setCurrentRow(2);
        EXPECT_EQ(aide.EtiChap.Caption, aide.ÉlémentsSommaire[2]);
        EXPECT_EQ(vue->findChild<QPlainTextEdit*>()->toPlainText(), VersQString(aide.TextAide.Caption));
        EXPECT_EQ(SansNomAccessible(vue), "");
    });
    plateforme.MontrerModal(aide);
}

// Les dialogues d'enregistrement du système ne posent pas leur propre question d'écrasement. Celui des
// figures prend leur filtre : seule la fenêtre de confirmation avertit. Celui des images rend le nom tapé
// sans y ajouter d'extension : la fenêtre calcule le nom qu'elle écrira et pose la question sur celui-là.
TEST_F(FenetreQt, LesDialoguesDEnregistrementLaissentLaQuestionALaFenetre)
{
    DossierTemporaire dossier;
    const auto figure = dossier.Écrire("carré.lum", "Figure du logiciel Lumarc\r\n");
    m.CheminDocuments = dossier.Chemin().string();
    FormFichier fichier(m, plateforme, k.Form, DialogueFichier::Enregistrement);
    QStringList filtres;
    DansLaModale([&](QWidget* vue) {
        auto* dialogue = qobject_cast<QFileDialog*>(vue);
        ASSERT_NE(dialogue, nullptr);
        filtres = dialogue->nameFilters();
        dialogue->selectFile(QString::fromStdString(figure.string()));
        DansLaModale([&](QWidget* suivante) {
            EXPECT_EQ(qobject_cast<QMessageBox*>(suivante), nullptr) << "le dialogue du système a demandé";
            const auto boutons = suivante->findChildren<QPushButton*>();
            EXPECT_TRUE(
                std::any_of(boutons.begin(), boutons.end(), [](QPushButton* b) { return b->isDefault(); }));
            EXPECT_EQ(SansNomAccessible(suivante), "");
            Cliquer(QStringLiteral("Valider"));
        });
        static_cast<QDialog*>(dialogue)->accept();
    });
    plateforme.MontrerModal(fichier);
    EXPECT_TRUE(filtres.size() == 1 && filtres[0].endsWith(QStringLiteral(" (*.lum)")))
        << filtres.join(';').toStdString();
    EXPECT_EQ(fichier.NomFichierChoisi, figure.string());

    const auto image = dossier.Écrire("y.pdf", "");
    bool questionPosée = false;
    DansLaModale([&](QWidget* vue) {
        auto* dialogue = qobject_cast<QFileDialog*>(vue);
        ASSERT_NE(dialogue, nullptr);
        dialogue->selectFile(QString::fromStdString(image.string()));
        QTimer::singleShot(0, [&] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questionPosée = true;
                question->done(QMessageBox::Yes);
            }
        });
        static_cast<QDialog*>(dialogue)->accept();
    });
    const auto choix = plateforme.PlateformeQt::DialogueEnregistrerTypé(
        "Exportation", {"Image PNG (*.png)", "Document PDF (*.pdf)"}, dossier.Chemin().string(), "");
    QApplication::processEvents();
    EXPECT_FALSE(questionPosée);
    ASSERT_TRUE(choix);
    EXPECT_EQ(choix->Chemin, image.string());
    EXPECT_EQ(choix->Type, 0u);
}

// Sur papier, les widgets montrent déjà le fond blanc que la feuille vient de prendre, que l'imprimante
// ait écrit son fichier ou non (le message de la faute s'ouvre pendant le clic).
TEST_F(FenetreQt, LeScoreSImprimeSurFondBlanc)
{
    DossierTemporaire dossier;
    for (const auto& [fichier, écrit] : {std::pair{dossier.Chemin() / "score.pdf", true},
                                         {dossier.Chemin() / "absent" / "score.pdf", false}}) {
        SCOPED_TRACE(fichier.string());
        plateforme.pdf = QString::fromStdString(fichier.string());
        FormScore score(m, plateforme, k.Form);
        bool messageVu = false;
        DansLaModale([&](QWidget* vue) {
            const QObject contexte; // la minuterie meurt avec lui si le message ne s'ouvre pas
            QTimer::singleShot(0, &contexte, [&] {
                messageVu = QApplication::activeModalWidget() != vue;
                if (messageVu)
                    Cliquer(QStringLiteral("Ok"));
            });
            Cliquer(QStringLiteral("Imprimer"));
        });
        plateforme.MontrerModal(score);
        EXPECT_EQ(messageVu, !écrit);
        EXPECT_EQ(std::filesystem::exists(fichier), écrit);
        EXPECT_EQ(plateforme.imprimée.pixelColor(2, 2), QColor(Qt::white));
    }
}
