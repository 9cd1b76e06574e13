#include "analysis/NombreDecimal.h"

#include "model/TexteNombre.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>

namespace {

NombreDécimal Normalisé(NombreDécimal n)
{
    const auto dernier = n.Chiffres.find_last_not_of('0');
    n.Chiffres.erase(dernier == std::string::npos ? 0 : dernier + 1);
    if (n.Chiffres.empty())
        return {};
    return n;
}

// Nombre de chiffres gardés pour aller jusqu'à la décimale donnée.
std::size_t ChiffresGardés(const NombreDécimal& n, int décimales)
{
    const int gardés = n.Exposant + décimales;
    return gardés < 0 ? 0 : static_cast<std::size_t>(gardés);
}

} // namespace

NombreDécimal NombreDécimal::De(double v)
{
    if (!std::isfinite(v) || v == 0)
        return {};
    char tampon[32];
    // 14 chiffres après la virgule de l'écriture scientifique : 15 chiffres significatifs.
    const auto fin = ÉcrireScientifique(tampon, tampon + sizeof tampon, v, 14).ptr;
    const std::string_view texte(tampon, static_cast<std::size_t>(fin - tampon));
    NombreDécimal n;
    std::size_t i = 0;
    if (texte[i] == '-') {
        n.Négatif = true;
        ++i;
    }
    for (; texte[i] != 'e'; ++i)
        if (texte[i] != '.')
            n.Chiffres += texte[i];
    int exposant = 0;
    const char* début = texte.data() + i + 1;
    if (*début == '+')
        ++début;
    std::from_chars(début, fin, exposant);
    n.Exposant = exposant + 1;
    return Normalisé(n);
}

bool NombreDécimal::EstEntier() const
{
    return Chiffres.empty() || static_cast<int>(Chiffres.size()) <= Exposant;
}

NombreDécimal NombreDécimal::Tronqué(int décimales) const
{
    NombreDécimal n = *this;
    const std::size_t gardés = ChiffresGardés(n, décimales);
    if (gardés < n.Chiffres.size())
        n.Chiffres.erase(gardés);
    return Normalisé(n);
}

NombreDécimal NombreDécimal::ArrondiAuPair(int décimales) const
{
    // Sous la moitié de la dernière décimale gardée : le nombre s'arrondit à zéro.
    if (Exposant + décimales < 0)
        return {};
    const std::size_t gardés = ChiffresGardés(*this, décimales);
    if (gardés >= Chiffres.size())
        return *this;
    NombreDécimal n = *this;
    const std::string_view reste = std::string_view(Chiffres).substr(gardés);
    n.Chiffres.erase(gardés);
    // Le reste n'a pas de zéro final : « 5 » seul est exactement la moitié.
    bool monter = reste[0] > '5' || (reste[0] == '5' && reste.size() > 1);
    if (reste == "5")
        monter = !n.Chiffres.empty() && (n.Chiffres.back() - '0') % 2 == 1;
    if (monter) {
        std::size_t i = n.Chiffres.size();
        while (i > 0 && n.Chiffres[i - 1] == '9')
            n.Chiffres[--i] = '0';
        if (i == 0) {
            n.Chiffres.insert(n.Chiffres.begin(), '1');
            ++n.Exposant;
        } else {
            ++n.Chiffres[i - 1];
        }
    }
    return Normalisé(n);
}

double NombreDécimal::Valeur() const
{
    if (Chiffres.empty())
        return 0;
    // Écrit dans un tampon : l'analyse refait cette conversion des centaines de fois par figure.
    char texte[48];
    char* fin = texte;
    if (Négatif)
        *fin++ = '-';
    const std::size_t nbChiffres = std::min(Chiffres.size(), sizeof texte - 16);
    fin = std::copy_n(Chiffres.data(), nbChiffres, fin);
    *fin++ = 'e';
    fin = std::to_chars(fin, texte + sizeof texte, Exposant - static_cast<int>(nbChiffres)).ptr;
    double v = 0;
    LireDouble(texte, fin, v);
    return v;
}

std::string NombreDécimal::Texte(std::string_view séparateur) const
{
    if (Chiffres.empty())
        return "0";
    const int n = static_cast<int>(Chiffres.size());
    std::string entier;
    std::string décimales;
    if (Exposant <= 0) {
        entier = "0";
        décimales = std::string(static_cast<std::size_t>(-Exposant), '0') + Chiffres;
    } else if (n <= Exposant) {
        entier = Chiffres + std::string(static_cast<std::size_t>(Exposant - n), '0');
    } else {
        entier = Chiffres.substr(0, static_cast<std::size_t>(Exposant));
        décimales = Chiffres.substr(static_cast<std::size_t>(Exposant));
    }
    std::string texte = Négatif ? "-" : "";
    texte += entier;
    if (!décimales.empty()) {
        texte += séparateur;
        texte += décimales;
    }
    return texte;
}
