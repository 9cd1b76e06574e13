#include "game/TexteScore.h"

#include "model/Modulebas.h"
#include "model/TexteNombre.h"

std::string LégendeScore(const Modulebas& m)
{
    return "Score : " + TexteNumérique(m.Score) + "/" + TexteNumérique(m.ScoreMax);
}

std::string LégendeBonus(const Modulebas& m)
{
    return "Bonus : " + TexteNumérique(m.Bonus);
}

std::string LégendeBonusGagné(const Modulebas& m)
{
    return "Bonus : " + std::to_string(m.Bonus);
}

std::string TexteLabScore(const Modulebas& m)
{
    return TexteNumérique(m.Score) + " / " + TexteNumérique(m.ScoreMax);
}

std::string TexteLabBonus(const Modulebas& m)
{
    return TexteNumérique(m.Bonus);
}

std::optional<MessageTitré> MessageImpression(RésultatImpression résultat)
{
    constexpr const char* titre = "Gestion sortie imprimante";
    switch (résultat) {
    case RésultatImpression::Annulé:
        return MessageTitré{titre, "Impression annulée"};
    case RésultatImpression::Erreur:
        return MessageTitré{titre, "Problème d'imprimante"};
    case RésultatImpression::Imprimé:
        break;
    }
    return std::nullopt;
}
