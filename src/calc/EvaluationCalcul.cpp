#include "calc/EvaluationCalcul.h"

#include "calc/ValeurNumerique.h"
#include "model/TexteNombre.h"

#include <algorithm>
#include <cmath>

namespace {

// π tel que le programme l'a toujours pris, avec ces 15 chiffres.
constexpr double Pi = 3.14159265358979;
// Au-delà, un nombre ne s'écrit plus à 15 chiffres sans exposant.
constexpr double TropGrand = 1e15;

bool Admissible(double v)
{
    return std::isfinite(v) && std::fabs(v) < TropGrand;
}

double ArrondiSignificatif(double v)
{
    char tampon[64];
    // L'écriture la plus courte qui redonne v, quand elle tient en 15 chiffres, est à moins d'un
    // demi-écart de v, bien moins que la moitié du pas des nombres à 15 chiffres : c'est déjà l'arrondi, et
    // il redonne v. Écrire à 15 chiffres coûte bien plus cher que cette écriture-là.
    const char* const début = tampon;
    const char* finCourte = ÉcrireScientifique(tampon, tampon + sizeof tampon, v).ptr;
    const char* exposantCourt = std::find(début, finCourte, 'e');
    const auto chiffres = std::count_if(début, exposantCourt, [](char c) { return c >= '0' && c <= '9'; });
    if (chiffres <= 15)
        return v;
    const char* fin = ÉcrireScientifique(tampon, tampon + sizeof tampon, v, 14).ptr;
    double arrondi = v;
    LireDouble(tampon, fin, arrondi);
    return arrondi;
}

double ArrondiDécimales(double v, int décimales)
{
    // Plus de décimales que n'en porte un double ne changent plus rien.
    constexpr int DécimalesUtiles = 330;
    char tampon[512];
    const char* fin =
        ÉcrireFixe(tampon, tampon + sizeof tampon, v, std::clamp(décimales, 0, DécimalesUtiles)).ptr;
    double arrondi = v;
    LireDouble(tampon, fin, arrondi);
    return arrondi;
}

enum class SorteAttente { Binaire, Implicite, Moins, Groupe, Fonction };

// Un opérateur, une parenthèse ou une fonction qui attend encore son opérande de droite.
struct EnAttente {
    SorteAttente sorte;
    char signe = 0;
    int position = 0; // à partir de 1, pour les fautes
    const Jeton* jeton = nullptr;
};

// ^ avant le signe - de tête (-2^2 vaut -4), puis * / et la multiplication sous-entendue, puis + -.
int Priorité(const EnAttente& a)
{
    switch (a.sorte) {
    case SorteAttente::Binaire:
        return a.signe == '^' ? 4 : (a.signe == '*' || a.signe == '/') ? 2 : 1;
    case SorteAttente::Moins:
        return 3;
    case SorteAttente::Implicite:
        return 2;
    case SorteAttente::Groupe:
    case SorteAttente::Fonction:
        break;
    }
    return 0;
}

class Évaluateur {
public:
    Évaluateur(const TexteCalcul& texte, int nbDécimales) : texte(texte), nbDécimales(nbDécimales) {}

    Évaluation Évaluer(const std::vector<Jeton>& jetons)
    {
        // Une place par jeton d'emblée : les piles ne grandissent plus pendant le calcul.
        opérandes.reserve(jetons.size() + 1);
        attentes.reserve(jetons.size());
        for (const Jeton& jeton : jetons) {
            Lire(jeton);
            if (arrêt)
                return {std::nullopt, fautes};
        }
        if (attenteOpérande)
            opérandes.push_back({0, std::string()});
        Réduire(1);
        if (arrêt)
            return {std::nullopt, fautes};
        return {opérandes.back(), fautes};
    }

private:
    int Position(const Jeton& jeton) const { return texte.Caractère(jeton.Début) + 1; }

    void Faute(CodeFaute code, int position)
    {
        fautes.push_back({code, position});
        arrêt = true;
    }

    void Prévenir(CodeFaute code, int position) { fautes.push_back({code, position}); }

    void Lire(const Jeton& jeton)
    {
        switch (jeton.Sorte) {
        case SorteJeton::Nombre:
            LireNombre(jeton);
            break;
        case SorteJeton::Ouvrante:
        case SorteJeton::Fonction:
            LireOuverture(jeton);
            break;
        case SorteJeton::Opérateur:
            LireOpérateur(jeton);
            break;
        case SorteJeton::Fermante:
            LireFermeture();
            break;
        }
    }

    // Deux opérandes côte à côte se multiplient : 2RAC(4), 2(3), (1+1)(2+1), (2)3.
    void MultiplierSiJuxtaposé(const Jeton& jeton)
    {
        if (!attenteOpérande)
            Pousser({SorteAttente::Implicite, '*', Position(jeton)});
    }

    void LireNombre(const Jeton& jeton)
    {
        MultiplierSiJuxtaposé(jeton);
        if (arrêt)
            return;
        const std::string tapé = texte.Octets().substr(jeton.Début, jeton.Fin - jeton.Début);
        const double v = ValeurNumérique(tapé);
        if (!Admissible(v))
            return Faute(CodeFaute::CalculImpossible, Position(jeton));
        opérandes.push_back({v, tapé});
        attenteOpérande = false;
        débutNiveau = false;
    }

    void LireOuverture(const Jeton& jeton)
    {
        MultiplierSiJuxtaposé(jeton);
        if (arrêt)
            return;
        const bool fonction = jeton.Sorte == SorteJeton::Fonction;
        attentes.push_back(
            {fonction ? SorteAttente::Fonction : SorteAttente::Groupe, 0, Position(jeton), &jeton});
        attenteOpérande = true;
        débutNiveau = true;
    }

    void LireOpérateur(const Jeton& jeton)
    {
        if (attenteOpérande) {
            // Le signe qui ouvre un texte : le calcul entier, l'argument d'une fonction, une parenthèse.
            if (débutNiveau && jeton.Opérateur == '-') {
                attentes.push_back({SorteAttente::Moins, '-', Position(jeton)});
                débutNiveau = false;
                return;
            }
            if (débutNiveau && jeton.Opérateur == '+')
                return;
            // Rien avant l'opérateur : l'opérande vide vaut 0.
            opérandes.push_back({0, std::string()});
        }
        Pousser({SorteAttente::Binaire, jeton.Opérateur, Position(jeton)});
        attenteOpérande = true;
        débutNiveau = false;
    }

    void LireFermeture()
    {
        if (attenteOpérande) {
            if (débutNiveau) {
                const EnAttente& ouverture = attentes.back();
                // Une fonction sans argument n'a pas de valeur : tout le calcul s'arrête là.
                if (ouverture.sorte == SorteAttente::Fonction) {
                    const int nom = ouverture.position + static_cast<int>(ouverture.jeton->LongueurNom);
                    return Faute(CodeFaute::ParenthèsesVides, nom - 1);
                }
                // Des parenthèses vides valent 0, on prévient et on continue.
                Prévenir(CodeFaute::ParenthèsesVides, ouverture.position);
                opérandes.push_back({0, std::nullopt});
            } else {
                opérandes.push_back({0, std::string()});
            }
        }
        Réduire(1);
        if (arrêt)
            return;
        const EnAttente ouverture = attentes.back();
        attentes.pop_back();
        if (ouverture.sorte == SorteAttente::Fonction)
            AppliquerFonction(ouverture);
        attenteOpérande = false;
        débutNiveau = false;
    }

    void Pousser(const EnAttente& opérateur)
    {
        Réduire(Priorité(opérateur));
        if (!arrêt)
            attentes.push_back(opérateur);
    }

    // Applique les opérateurs en attente de priorité au moins égale, jusqu'à la parenthèse ouverte :
    // tous se lisent de gauche à droite, la puissance comprise (2^3^2 vaut 64).
    void Réduire(int prioritéMinimale)
    {
        while (!arrêt && !attentes.empty() && Priorité(attentes.back()) >= prioritéMinimale &&
               Priorité(attentes.back()) > 0) {
            const EnAttente opérateur = attentes.back();
            attentes.pop_back();
            if (opérateur.sorte == SorteAttente::Moins)
                AppliquerMoins();
            else
                AppliquerBinaire(opérateur);
        }
    }

    void AppliquerMoins()
    {
        ValeurCalcul& v = opérandes.back();
        v.Nombre = -v.Nombre;
        if (v.Tapé && (v.Tapé->empty() || v.Tapé->front() != '-'))
            v.Tapé = "-" + *v.Tapé;
        else
            v.Tapé.reset();
    }

    void AppliquerBinaire(const EnAttente& opérateur)
    {
        const double b = opérandes.back().Nombre;
        opérandes.pop_back();
        const double a = opérandes.back().Nombre;
        opérandes.pop_back();
        double r = 0;
        switch (opérateur.signe) {
        case '+':
            r = a + b;
            break;
        case '-':
            r = a - b;
            break;
        case '*':
            r = a * b;
            break;
        case '/':
            if (b == 0)
                return Faute(CodeFaute::CalculImpossible, opérateur.position);
            r = a / b;
            break;
        case '^':
            // Une base négative n'a de puissance que d'exposant entier : (0-8)^(1/3) n'est pas calculé.
            if ((a < 0 && b != std::floor(b)) || (a == 0 && b < 0))
                return Faute(CodeFaute::CalculImpossible, opérateur.position);
            r = std::pow(a, b);
            break;
        }
        Résultat(ArrondiSignificatif(r), opérateur.position);
    }

    void AppliquerFonction(const EnAttente& fonction)
    {
        const double a = opérandes.back().Nombre;
        opérandes.pop_back();
        const int nom = fonction.position;
        const int aprèsNom = nom + static_cast<int>(fonction.jeton->LongueurNom);
        double r = 0;
        switch (fonction.jeton->Fonction) {
        case FonctionCalcul::Racine:
            if (a < 0)
                return Faute(CodeFaute::RacineNégative, aprèsNom);
            r = std::sqrt(a);
            break;
        case FonctionCalcul::Cosinus:
            r = std::cos(a * Pi / 180);
            break;
        case FonctionCalcul::Sinus:
            r = std::sin(a * Pi / 180);
            break;
        case FonctionCalcul::Tangente:
            // Avec π à 15 chiffres, tan(90°) donnerait un grand nombre au lieu de rien.
            if (std::fabs(std::fmod(a, 180)) == 90)
                return Faute(CodeFaute::CalculImpossible, nom);
            r = std::tan(a * Pi / 180);
            break;
        }
        Résultat(ArrondiSignificatif(ArrondiDécimales(r, nbDécimales)), nom);
    }

    void Résultat(double r, int position)
    {
        if (!Admissible(r))
            return Faute(CodeFaute::CalculImpossible, position);
        // -0 s'écrirait "-0" : un résultat nul n'a pas de signe.
        opérandes.push_back({r == 0 ? 0.0 : r, std::nullopt});
    }

    const TexteCalcul& texte;
    const int nbDécimales;
    std::vector<ValeurCalcul> opérandes;
    std::vector<EnAttente> attentes;
    std::vector<FauteCalcul> fautes;
    bool attenteOpérande = true;
    bool débutNiveau = true;
    bool arrêt = false;
};

} // namespace

Évaluation ÉvaluerCalcul(const TexteCalcul& texte, const std::vector<Jeton>& jetons, int nbDécimales)
{
    return Évaluateur(texte, nbDécimales).Évaluer(jetons);
}
