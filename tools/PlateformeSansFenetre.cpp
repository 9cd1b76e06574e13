#include "PlateformeSansFenetre.h"

#include "model/Modulebas.h"
#include "qt/Recopie.h"
#include "qt/RenduFigure.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QGuiApplication>
#include <cmath>

void PlateformeSansFenêtre::MontrerFormMessage(Modulebas& m)
{
    Messages.push_back({m.TitreMessage, m.TexteMessage});
    m.TitreMessage.clear();
    m.TexteMessage.clear();
}

void PlateformeSansFenêtre::MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage)
{
    Messages.push_back({titre, texte});
}

bool PlateformeSansFenêtre::EnregistrerImage(const ImageFigure& image, FormatImage format,
                                             const std::string& chemin)
{
    return ÉcrireImage(image, format, VersQString(chemin));
}

std::string PlateformeSansFenêtre::DossierProgramme()
{
    return VersTexte(QCoreApplication::applicationDirPath() + "/");
}

int PlateformeSansFenêtre::TwipsParPixelX()
{
    return static_cast<int>(std::lround(::TwipsParPixelX()));
}

int PlateformeSansFenêtre::TwipsParPixelY()
{
    return static_cast<int>(std::lround(::TwipsParPixelY()));
}

// La mesure de la fenêtre : la police du programme, plus la petite marge des étiquettes ajustées.
TailleTexte PlateformeSansFenêtre::MesurerTexte(const std::string& texte, double taillePolice)
{
    QFont police = QGuiApplication::font();
    police.setPointSizeF(taillePolice);
    const QSize taille = QFontMetrics(police).size(0, VersQString(texte)) + QSize(4, 2);
    return {static_cast<int>(std::lround(taille.width() * ::TwipsParPixelX())),
            static_cast<int>(std::lround(taille.height() * ::TwipsParPixelY()))};
}

DateCivile PlateformeSansFenêtre::Aujourdhui()
{
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}
