#include "calc/ValeurNumerique.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

namespace {

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

// Lit le texte sans ses blancs, caractère après caractère, comme on lit un nombre à la main.
class Lecteur {
public:
    explicit Lecteur(std::string_view texte) : texte(texte) {}

    char Courant()
    {
        while (i < texte.size() && EstBlanc(texte[i]))
            ++i;
        return i < texte.size() ? texte[i] : '\0';
    }
    void Avancer() { ++i; }

    std::string Chiffres()
    {
        std::string chiffres;
        while (EstChiffre(Courant())) {
            chiffres += Courant();
            Avancer();
        }
        return chiffres;
    }

private:
    std::string_view texte;
    std::size_t i = 0;
};

// Ordre de grandeur (exposant décimal du premier chiffre non nul) d'une écriture sans signe.
long OrdreDeGrandeur(const std::string& entiers, const std::string& décimales, long exposant)
{
    const std::size_t premier = entiers.find_first_not_of('0');
    if (premier != std::string::npos)
        return static_cast<long>(entiers.size() - premier) - 1 + exposant;
    const std::size_t premierDécimal = décimales.find_first_not_of('0');
    return exposant - static_cast<long>(premierDécimal) - 1;
}

} // namespace

double ValeurNumérique(std::string_view texte)
{
    Lecteur lecteur(texte);
    bool négatif = false;
    if (lecteur.Courant() == '-' || lecteur.Courant() == '+') {
        négatif = lecteur.Courant() == '-';
        lecteur.Avancer();
    }
    const std::string entiers = lecteur.Chiffres();
    std::string décimales;
    if (lecteur.Courant() == '.') {
        lecteur.Avancer();
        décimales = lecteur.Chiffres();
    }
    if ((entiers + décimales).find_first_not_of('0') == std::string::npos)
        return 0.0;

    long exposant = 0;
    const char marque = lecteur.Courant();
    if (marque == 'E' || marque == 'e' || marque == 'D' || marque == 'd') {
        lecteur.Avancer();
        bool exposantNégatif = false;
        if (lecteur.Courant() == '-' || lecteur.Courant() == '+') {
            exposantNégatif = lecteur.Courant() == '-';
            lecteur.Avancer();
        }
        // Au-delà de quelques milliers, l'exposant ne change plus rien : infini ou zéro.
        for (const char chiffre : lecteur.Chiffres())
            if (exposant < 100000)
                exposant = exposant * 10 + (chiffre - '0');
        if (exposantNégatif)
            exposant = -exposant;
    }

    const std::string écriture =
        (entiers.empty() ? "0" : entiers) + "." + décimales + "e" + std::to_string(exposant);
    double valeur = 0;
    const auto résultat = std::from_chars(écriture.data(), écriture.data() + écriture.size(), valeur);
    if (résultat.ec == std::errc::result_out_of_range)
        valeur =
            OrdreDeGrandeur(entiers, décimales, exposant) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return négatif ? -valeur : valeur;
}
