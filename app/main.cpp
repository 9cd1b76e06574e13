// Point d'entrée du programme Velmor : la fenêtre principale et les dialogues en français.
#include "model/Modulebas.h"
#include "platform/qt/PlateformeQt.h"
#include "platform/qt/VueKorvane.h"
#include "ui/Korvane.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

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
    return application.exec();
}
