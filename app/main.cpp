// Point d'entrée du programme Velmor : la fenêtre principale et les dialogues en français.
#include "model/Modulebas.h"
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"
#include "ui/Korvane.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <string>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmor"));

    // Les boutons et les dialogues standard de Qt parlent français.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    // Les contrôles ont été dessinés pour une police sans empattement étroite.
    QFont police = QApplication::font();
    police.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                        QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(police);

    Modulebas m;
    PlateformeQt plateforme;
    Korvane korvane(m, plateforme);
    VueKorvane vue(korvane);
    plateforme.DéfinirFenêtrePrincipale(korvane.Form, &vue);
    vue.Démarrer();

    // « velmor figure.lum » : la figure s'ouvre comme si l'élève l'avait choisie dans le dialogue.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const std::string chemin = QFileInfo(arguments.at(1)).absoluteFilePath().toStdString();
        QTimer::singleShot(0, &vue, [&vue, &korvane, chemin] {
            vue.Gérer([&korvane, &chemin] { korvane.OuvrirFichierFigure(chemin); });
        });
    }
    return application.exec();
}
