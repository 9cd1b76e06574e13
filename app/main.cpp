// Point d'entrée du programme Velmor : la fenêtre principale et les dialogues en français.
#include "model/Modulebas.h"
#include "qt/PlateformeQt.h"
#include "qt/VueKorvane.h"
#include "ui/Korvane.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// « velmor --help » et « velmor --version » répondent en français et s'arrêtent, avant toute fenêtre
// (et donc sans écran) ; sinon le premier
// argument restant est la figure à ouvrir, ou rien.
QString FigureDemandéeEnArgument(int argc, char* argv[])
{
    QCommandLineParser analyseur;
    analyseur.setApplicationDescription(
        QStringLiteral("Velmor : géométrie au collège, des figures construites dans un repère."));
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide et s'arrête."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version et s'arrête."));
    analyseur.addOption(aide);
    analyseur.addOption(version);
    analyseur.addPositionalArgument(QStringLiteral("figure"),
                                    QStringLiteral("Une figure .lum à ouvrir au démarrage."),
                                    QStringLiteral("[figure.lum]"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!analyseur.parse(arguments)) {
        std::fprintf(stderr, "velmor : option inconnue : %s\nEssayez « velmor --help ».\n",
                     qPrintable(analyseur.unknownOptionNames().join(QStringLiteral(", "))));
        std::exit(2);
    }
    if (analyseur.isSet(aide)) {
        std::fputs(qPrintable(analyseur.helpText()
                                  .replace(QStringLiteral("<executable_name>"), QStringLiteral("velmor"))
                                  .replace(QStringLiteral("Usage:"), QStringLiteral("Utilisation :"))
                                  .replace(QStringLiteral("Options:"), QStringLiteral("Options :"))
                                  .replace(QStringLiteral("Arguments:"), QStringLiteral("Arguments :"))),
                   stdout);
        std::exit(0);
    }
    if (analyseur.isSet(version)) {
        std::printf("velmor %s\n", qPrintable(QApplication::applicationVersion()));
        std::exit(0);
    }
    const QStringList figures = analyseur.positionalArguments();
    return figures.isEmpty() ? QString() : figures.first();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Velmor"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));
    const QString figure = FigureDemandéeEnArgument(argc, argv);
    QApplication application(argc, argv);
    // Le bureau relie la fenêtre à son entrée de menu et lui donne l'icône installée.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmor"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("velmor")));

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
    // Un échec a déjà son message à l'écran ; la console qui a lancé le programme apprend lequel.
    if (!figure.isEmpty()) {
        const std::string chemin = QFileInfo(figure).absoluteFilePath().toStdString();
        QTimer::singleShot(0, &vue, [&vue, &korvane, &m, chemin] {
            vue.Gérer([&korvane, &chemin] { korvane.OuvrirFichierFigure(chemin); });
            if (!m.ModeFichier)
                std::fprintf(stderr, "velmor : « %s » n'est pas une figure lisible.\n", chemin.c_str());
        });
    }
    return application.exec();
}
