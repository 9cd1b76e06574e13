// La fenêtre du score, hors écran : l'image qui part à l'imprimante, puis l'aspect retrouvé.
#include "qt/PlateformeQt.h"
#include "support/DialogueQt.h"
#include "ui/FormScore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Sans dialogue : l'imprimante est un fichier PDF ; l'image de la fenêtre est retenue au moment d'imprimer.
class PlateformeVersPdf : public PlateformeQt {
public:
    explicit PlateformeVersPdf(QString fichier) : fichier(std::move(fichier)) {}

    bool ChoisirImprimante() override
    {
        Imprimante().setOutputFormat(QPrinter::PdfFormat);
        Imprimante().setOutputFileName(fichier);
        return true;
    }

    bool ImprimerFenêtre(Fenêtre& fenêtre) override
    {
        const bool imprimé = PlateformeQt::ImprimerFenêtre(fenêtre);
        QWidget* vue = QApplication::activeModalWidget();
        imageImprimée = vue->grab().toImage();
        for (QPushButton* bouton : vue->findChildren<QPushButton*>())
            boutonsImprimés += bouton->isVisible();
        return imprimé;
    }

    QImage imageImprimée;
    int boutonsImprimés = 0;

private:
    QString fichier;
};

bool NoteVisible(QWidget* fenêtre)
{
    for (QLabel* étiquette : fenêtre->findChildren<QLabel*>()) {
        if (étiquette->text() == QStringLiteral("(si impression)"))
            return étiquette->isVisible();
    }
    return false;
}

// Le fond de la fenêtre à l'écran.
const QColor Panneau(223, 207, 157);

bool SansPixelDeCouleur(const QImage& image, QColor couleur)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == couleur)
                return false;
    return true;
}

struct Constat {
    QString messageVu;
    bool boutonsRevenus = false;
    bool noteRevenue = false;
    QColor fondRevenu;
};

// Clique « Imprimer », ferme le message éventuel, regarde la fenêtre revenue puis la ferme par « Ok ».
void ImprimerPuisFermer(Constat& constat)
{
    QTimer::singleShot(0, [&constat] {
        QTimer::singleShot(0, [&constat] {
            QWidget* active = QApplication::activeModalWidget();
            if (active->windowTitle() == QStringLiteral("Gestion sortie imprimante")) {
                for (QLabel* étiquette : active->findChildren<QLabel*>())
                    constat.messageVu += étiquette->text();
                Cliquer(QStringLiteral("Ok"));
            }
            QTimer::singleShot(0, [&constat] {
                QWidget* score = QApplication::activeModalWidget();
                ASSERT_EQ(score->windowTitle(), QStringLiteral("Score du jeu Velmor"));
                constat.boutonsRevenus = BoutonVisible(score, QStringLiteral("Imprimer")) &&
                                         BoutonVisible(score, QStringLiteral("Ok"));
                constat.noteRevenue = NoteVisible(score);
                constat.fondRevenu = score->palette().color(QPalette::Window);
                Cliquer(QStringLiteral("Ok"));
            });
        });
        Cliquer(QStringLiteral("Imprimer"));
    });
}

} // namespace

TEST(VueFormScore, ImprimeLImageSurFondBlancPuisRetrouveSonAspect)
{
    struct Cas {
        const char* nom;
        QString fichier;
        QString message;
    };
    const QString dossier =
        QDir::tempPath() + QStringLiteral("/velmor-score-%1").arg(QCoreApplication::applicationPid());
    ASSERT_TRUE(QDir().mkpath(dossier));
    const std::vector<Cas> cas = {
        {"fichier PDF", dossier + QStringLiteral("/score.pdf"), QString()},
        {"dossier absent", dossier + QStringLiteral("/absent/score.pdf"),
         QStringLiteral("Problème d'imprimante")},
    };
    const Contrôle principale = Dessiné("", 0, 0, 12000, 9000);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Modulebas m;
        m.Score = 16;
        m.ScoreMax = 20;
        m.Mention = "Bien";
        PlateformeVersPdf plateforme(c.fichier);
        FormScore fenêtre(m, plateforme, principale);
        Constat constat;
        ImprimerPuisFermer(constat);
        plateforme.MontrerModal(fenêtre);

        EXPECT_EQ(constat.messageVu, c.message);
        EXPECT_TRUE(constat.boutonsRevenus);
        EXPECT_TRUE(constat.noteRevenue);
        EXPECT_EQ(constat.fondRevenu, Panneau);
        // Sur papier : ni boutons ni fond coloré, le blanc partout hors du texte et du cadre.
        EXPECT_EQ(plateforme.boutonsImprimés, 0);
        const QImage& image = plateforme.imageImprimée;
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(Qt::white));
        EXPECT_TRUE(SansPixelDeCouleur(image, Panneau));
        if (c.message.isEmpty()) {
            QFile pdf(c.fichier);
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_TRUE(pdf.read(4) == "%PDF");
        }
    }
    QDir(dossier).removeRecursively();
}
