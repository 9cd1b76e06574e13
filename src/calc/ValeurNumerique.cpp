#include "calc/ValeurNumerique.h"

#include "model/TexteNombre.h"

#include <charconv>
#include <limits>
#include <optional>
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

    void AjouterChiffres(std::string& chiffres)
    {
        while (EstChiffre(Courant())) {
            chiffres += Courant();
            Avancer();
        }
    }

private:
    std::string_view texte;
    std::size_t i = 0;
};

// Ordre de grandeur (exposant décimal du premier chiffre non nul) d'une écriture sans signe.
long OrdreDeGrandeur(std::string_view entiers, std::string_view décimales, long exposant)
{
    const std::size_t premier = entiers.find_first_not_of('0');
    if (premier != std::string::npos)
        return static_cast<long>(entiers.size() - premier) - 1 + exposant;
    const std::size_t premierDécimal = décimales.find_first_not_of('0');
    return exposant - static_cast<long>(premierDécimal) - 1;
}

// Un nombre tout simple (un signe moins, des chiffres, un point suivi de chiffres) se lit d'un coup : c'est
// la même écriture décimale, donc le même double. Les autres passent par le lecteur.
std::optional<double> LectureDirecte(std::string_view texte)
{
    std::size_t i = !texte.empty() && texte.front() == '-' ? 1 : 0;
    const std::size_t premierChiffre = i;
    while (i < texte.size() && EstChiffre(texte[i]))
        ++i;
    if (i == premierChiffre)
        return std::nullopt;
    if (i < texte.size() && texte[i] == '.') {
        const std::size_t premièreDécimale = ++i;
        while (i < texte.size() && EstChiffre(texte[i]))
            ++i;
        if (i == premièreDécimale)
            return std::nullopt;
    }
    double valeur = 0;
    const auto résultat = LireDouble(texte.data(), texte.data() + texte.size(), valeur);
    if (i != texte.size() || résultat.ec != std::errc() || résultat.ptr != texte.data() + texte.size())
        return std::nullopt;
    // Zéro n'a pas de signe.
    return valeur == 0 ? 0.0 : valeur;
}

} // namespace

double ValeurNumérique(std::string_view texte)
{
    if (const auto directe = LectureDirecte(texte))
        return *directe;
    // L'écriture que lit LireDouble, « entiers.décimalese±exposant » sans blancs ; le tampon garde sa
    // capacité d'un appel à l'autre, car la calculatrice lit ici chacun de ses nombres.
    thread_local std::string écriture;
    écriture.clear();
    Lecteur lecteur(texte);
    bool négatif = false;
    if (lecteur.Courant() == '-' || lecteur.Courant() == '+') {
        négatif = lecteur.Courant() == '-';
        lecteur.Avancer();
    }
    lecteur.AjouterChiffres(écriture);
    if (écriture.empty())
        écriture += '0';
    const std::size_t point = écriture.size();
    écriture += '.';
    if (lecteur.Courant() == '.') {
        lecteur.Avancer();
        lecteur.AjouterChiffres(écriture);
    }
    if (écriture.find_first_of("123456789") == std::string::npos)
        return 0.0;
    const std::size_t finDécimales = écriture.size();

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
        for (; EstChiffre(lecteur.Courant()); lecteur.Avancer())
            if (exposant < 100000)
                exposant = exposant * 10 + (lecteur.Courant() - '0');
        if (exposantNégatif)
            exposant = -exposant;
    }

    char tampon[24];
    const char* finExposant = std::to_chars(tampon, tampon + sizeof tampon, exposant).ptr;
    écriture += 'e';
    écriture.append(tampon, static_cast<std::size_t>(finExposant - tampon));
    double valeur = 0;
    const auto résultat = LireDouble(écriture.data(), écriture.data() + écriture.size(), valeur);
    if (résultat.ec == std::errc::result_out_of_range) {
        const std::string_view entiers = std::string_view(écriture).substr(0, point);
        const std::string_view décimales =
            std::string_view(écriture).substr(point + 1, finDécimales - point - 1);
        valeur =
            OrdreDeGrandeur(entiers, décimales, exposant) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return négatif ? -valeur : valeur;
}
