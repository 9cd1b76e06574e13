#include "calc/VerificationCalcul.h"

#include "calc/ValeurNumerique.h"

#include <array>
#include <string_view>
#include <vector>

namespace {

// Les paires sont essayées dans cet ordre : la première qui se trouve dans le texte est signalée,
// même si une autre paire la précède dans le texte.
constexpr std::array<std::string_view, 21> PairesOpérations = {"^^", "^*", "*^", "^/", "/^", "^+", "+^",
                                                               "^-", "-^", "**", "*+", "+*", "*-", "-*",
                                                               "*/", "//", "/*", "/+", "+/", "/-", "-/"};
constexpr std::array<std::string_view, 4> PairesSignes = {"-+", "++", "+-", "--"};

bool EstOpérateur(char c)
{
    return c == '^' || c == '*' || c == '/' || c == '+' || c == '-';
}

struct Opérateur {
    std::size_t octet;
    char signe;
    bool voisinDuPrécédent; // seuls des blancs le séparent de l'opérateur d'avant
};

std::vector<Opérateur> Opérateurs(const TexteCalcul& texte)
{
    std::vector<Opérateur> opérateurs;
    bool voisin = false;
    for (std::size_t i = 0; i < texte.Taille(); ++i) {
        if (EstOpérateur(texte[i])) {
            opérateurs.push_back({i, texte[i], voisin});
            voisin = true;
        } else if (!EstBlanc(texte[i])) {
            voisin = false;
        }
    }
    return opérateurs;
}

// Un blanc entre deux opérateurs n'y met pas de nombre : « 2* -3 » est refusé comme « 2*-3 ».
template <std::size_t N>
std::optional<FauteCalcul> PremièrePaire(const TexteCalcul& texte, const std::vector<Opérateur>& opérateurs,
                                         const std::array<std::string_view, N>& paires, CodeFaute code)
{
    for (const std::string_view paire : paires)
        for (std::size_t k = 1; k < opérateurs.size(); ++k)
            if (opérateurs[k].voisinDuPrécédent && opérateurs[k - 1].signe == paire[0] &&
                opérateurs[k].signe == paire[1])
                return FauteCalcul{code, texte.Caractère(opérateurs[k - 1].octet)};
    return std::nullopt;
}

std::optional<FauteCalcul> VérifierParenthèses(const TexteCalcul& texte)
{
    std::size_t ouvrantes = 0;
    std::size_t fermantes = 0;
    std::size_t dernièreOuvrante = 0;
    std::size_t dernièreFermante = 0;
    std::optional<std::size_t> fermanteSeule;
    for (std::size_t i = 0; i < texte.Taille(); ++i) {
        if (texte[i] == '(') {
            ++ouvrantes;
            dernièreOuvrante = i;
        } else if (texte[i] == ')') {
            ++fermantes;
            dernièreFermante = i;
            if (fermantes > ouvrantes && !fermanteSeule)
                fermanteSeule = i;
        }
    }
    if (ouvrantes > fermantes)
        return FauteCalcul{CodeFaute::FermanteManquante, texte.Caractère(dernièreOuvrante) + 1};
    if (fermantes > ouvrantes)
        return FauteCalcul{CodeFaute::OuvranteManquante, texte.Caractère(dernièreFermante) + 1};
    // Autant de ( que de ), mais une ) arrive avant la ( qu'elle devrait fermer : « )2( ».
    if (fermanteSeule)
        return FauteCalcul{CodeFaute::OuvranteManquante, texte.Caractère(*fermanteSeule) + 1};
    return std::nullopt;
}

} // namespace

std::optional<FauteCalcul> VérifierCalcul(const TexteCalcul& texte)
{
    const std::vector<Opérateur> opérateurs = Opérateurs(texte);
    if (auto faute = PremièrePaire(texte, opérateurs, PairesOpérations, CodeFaute::OpérationsDeSuite))
        return faute;
    if (auto faute = PremièrePaire(texte, opérateurs, PairesSignes, CodeFaute::SignesDeSuite))
        return faute;
    return VérifierParenthèses(texte);
}
