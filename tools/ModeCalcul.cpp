#include "ModeCalcul.h"

#include "calc/ClassCalcul.h"
#include "calc/MessagesCalcul.h"
#include "calc/ValeurCoordonnee.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <string>

namespace {

// Le nombre de décimales que prend partout le programme.
constexpr std::int16_t DécimalesCoordonnées = 12;

RésultatCalcul Calculer(const std::string& expression)
{
    ClassCalcul calcul;
    calcul.NbDécimales(DécimalesCoordonnées);
    calcul.ChaîneSaisie(expression);
    return calcul.Calculer();
}

QString EnQString(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

void ÉcrireLigne(const std::string& ligne)
{
    std::fwrite(ligne.data(), 1, ligne.size(), stdout);
    std::fputc('\n', stdout);
}

void ÉcrireTexte(const std::string& expression, const RésultatCalcul& résultat)
{
    for (const FauteCalcul& faute : résultat.Fautes)
        ÉcrireLigne(expression + " : faute " + std::to_string(static_cast<int>(faute.Code)) +
                    " en position " + std::to_string(faute.Position) + " : " +
                    std::string(MessageFaute(faute.Code)));
    if (!résultat.Texte.empty() || résultat.SansFaute())
        ÉcrireLigne(expression + " = " + résultat.Texte);
}

void ÉcrireJson(const std::string& expression, const RésultatCalcul& résultat)
{
    QJsonArray erreurs;
    for (const FauteCalcul& faute : résultat.Fautes)
        erreurs.append(QJsonObject{{"code", static_cast<int>(faute.Code)},
                                   {"position", faute.Position},
                                   {"message", EnQString(MessageFaute(faute.Code))}});
    const QJsonObject objet{{"expression", EnQString(expression)},
                            {"resultat", EnQString(résultat.Texte)},
                            {"valeur", ValeurCoordonnée(expression)},
                            {"erreurs", erreurs}};
    ÉcrireLigne(QJsonDocument(objet).toJson(QJsonDocument::Compact).toStdString());
}

} // namespace

CodeSortie ModeCalcul(const QStringList& expressions, bool json)
{
    bool fautes = false;
    for (const QString& argument : expressions) {
        const std::string expression = argument.toStdString();
        const RésultatCalcul résultat = Calculer(expression);
        fautes = fautes || !résultat.SansFaute();
        if (json)
            ÉcrireJson(expression, résultat);
        else
            ÉcrireTexte(expression, résultat);
    }
    return fautes ? CodeSortie::AvecFaute : CodeSortie::SansFaute;
}
