#include "calc/DecoupageCalcul.h"

#include "calc/ValeurNumerique.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct NomFonction {
    std::string_view nom;
    FonctionCalcul fonction;
};

// Chaque forme longue avant la forme courte qu'elle contient.
constexpr std::array<NomFonction, 8> NomsFonctions = {{
    {"RACINE", FonctionCalcul::Racine},
    {"RAC", FonctionCalcul::Racine},
    {"COSINUS", FonctionCalcul::Cosinus},
    {"COS", FonctionCalcul::Cosinus},
    {"SINUS", FonctionCalcul::Sinus},
    {"SIN", FonctionCalcul::Sinus},
    {"TANGENTE", FonctionCalcul::Tangente},
    {"TAN", FonctionCalcul::Tangente},
}};

constexpr bool EstInitiale(char c)
{
    return c == 'R' || c == 'C' || c == 'S' || c == 'T';
}
static_assert(std::all_of(NomsFonctions.begin(), NomsFonctions.end(),
                          [](const NomFonction& f) { return EstInitiale(f.nom.front()); }),
              "chaque nom de fonction commence par une initiale reconnue");

char Majuscule(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Le nom de fonction qui commence à cet octet, sans égard à la casse.
const NomFonction* NomEn(const std::string& texte, std::size_t i)
{
    // Chaque chiffre d'un nombre passe par ici : on écarte d'abord ce qui ne commence aucun nom.
    if (!EstInitiale(Majuscule(texte[i])))
        return nullptr;
    for (const NomFonction& f : NomsFonctions) {
        if (texte.size() - i < f.nom.size())
            continue;
        bool pareil = true;
        for (std::size_t k = 0; k < f.nom.size() && pareil; ++k)
            pareil = Majuscule(texte[i + k]) == f.nom[k];
        if (pareil)
            return &f;
    }
    return nullptr;
}

bool FinitUnNombre(char c)
{
    return c == '^' || c == '*' || c == '/' || c == '+' || c == '-' || c == '(' || c == ')';
}

} // namespace

Découpage DécouperCalcul(const TexteCalcul& texte)
{
    const std::string& octets = texte.Octets();
    Découpage découpage;
    // Jamais plus de jetons que d'octets.
    découpage.Jetons.reserve(octets.size());
    std::size_t i = 0;
    while (i < octets.size()) {
        const char c = octets[i];
        if (EstBlanc(c)) {
            ++i;
        } else if (c == '(' || c == ')') {
            découpage.Jetons.push_back({c == '(' ? SorteJeton::Ouvrante : SorteJeton::Fermante, i, i + 1});
            ++i;
        } else if (FinitUnNombre(c)) {
            Jeton jeton{SorteJeton::Opérateur, i, i + 1};
            jeton.Opérateur = c;
            découpage.Jetons.push_back(jeton);
            ++i;
        } else if (const NomFonction* f = NomEn(octets, i)) {
            const std::size_t après = i + f->nom.size();
            if (après >= octets.size() || octets[après] != '(') {
                const int position = texte.Caractère(i) + 1 + static_cast<int>(f->nom.size()) + 1;
                découpage.Faute = FauteCalcul{CodeFaute::FonctionSansParenthèse, position};
                return découpage;
            }
            Jeton jeton{SorteJeton::Fonction, i, après + 1};
            jeton.Fonction = f->fonction;
            jeton.LongueurNom = f->nom.size();
            découpage.Jetons.push_back(jeton);
            i = après + 1;
        } else {
            std::size_t fin = i;
            while (fin < octets.size() && !FinitUnNombre(octets[fin]) && !NomEn(octets, fin))
                ++fin;
            std::size_t finSansBlanc = fin;
            while (EstBlanc(octets[finSansBlanc - 1]))
                --finSansBlanc;
            découpage.Jetons.push_back({SorteJeton::Nombre, i, finSansBlanc});
            i = fin;
        }
    }
    return découpage;
}
