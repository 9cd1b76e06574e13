#include "calc/ValeurCoordonnee.h"

#include "calc/ClassCalcul.h"
#include "calc/ValeurNumerique.h"

double ValeurCoordonnée(std::string_view texte)
{
    ClassCalcul calcul;
    calcul.NbDécimales(12);
    calcul.ChaîneSaisie(texte);
    return ValeurNumérique(calcul.ValeurChaîne());
}
