// velmor-analyse : calculs et analyse de figures en ligne de commande.
#include "CodesSortie.h"
#include "ModeCalcul.h"
#include "ModeFichiers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr const char* Usage = "usage : velmor-analyse [--json] --calcul EXPRESSION ...\n"
                              "        velmor-analyse [--json] FICHIER.lum ...\n";

int ErreurUsage(const QString& raison)
{
    if (!raison.isEmpty())
        std::fprintf(stderr, "velmor-analyse : %s\n", qUtf8Printable(raison));
    std::fputs(Usage, stderr);
    return static_cast<int>(CodeSortie::Usage);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("velmor-analyse");

    // Tout ce qui suit --calcul est une expression, même « -2^2 » que l'analyseur prendrait pour une option.
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype marqueCalcul = arguments.indexOf("--calcul");
    const QStringList options = arguments.mid(0, marqueCalcul);
    const QStringList expressions = marqueCalcul < 0 ? QStringList() : arguments.mid(marqueCalcul + 1);

    QCommandLineParser analyseur;
    analyseur.setApplicationDescription("Calculs des coordonnées et analyse des figures de Velmor.");
    const QCommandLineOption aide(QStringList{"h", "help"}, "Affiche cette aide.");
    const QCommandLineOption json("json", "Un objet JSON par ligne.");
    analyseur.addOption(aide);
    analyseur.addOption(json);
    analyseur.addPositionalArgument("FICHIER.lum", "Les figures à analyser comme le ferait la fenêtre.",
                                    "[FICHIER.lum ...]");
    analyseur.addPositionalArgument("EXPRESSION",
                                    "Après --calcul, les expressions à calculer (12 décimales).",
                                    "--calcul EXPRESSION ...");
    if (!analyseur.parse(options))
        return ErreurUsage(analyseur.errorText());
    if (analyseur.isSet(aide)) {
        std::fputs(qUtf8Printable(analyseur.helpText()), stdout);
        return static_cast<int>(CodeSortie::SansFaute);
    }
    const QStringList fichiers = analyseur.positionalArguments();
    if (marqueCalcul < 0 && !fichiers.isEmpty())
        return static_cast<int>(ModeFichiers(fichiers, analyseur.isSet(json)));
    if (!fichiers.isEmpty())
        return ErreurUsage("argument inattendu : " + fichiers.first());
    if (marqueCalcul < 0 || expressions.isEmpty())
        return ErreurUsage(QString());
    return static_cast<int>(ModeCalcul(expressions, analyseur.isSet(json)));
}
