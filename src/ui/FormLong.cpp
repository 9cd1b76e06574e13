#include "ui/FormLong.h"

namespace {
// La même aide revient quand on retourne à la première page.
constexpr const char* AidePremièrePage = "Seules les 8 premières longueurs sont affichées\r\n"
                                         "Cliquer sur le bouton ci-contre pour les suivantes.";

TextesMesures textesLongueurs()
{
    return {.Titre = "Longueurs des côtés du polygone",
            .PremièrePage = AidePremièrePage,
            .PagesSuivantes = "Cliquer sur le bouton ci-contre pour afficher les longueurs suivantes.",
            .DernièrePage = "Cliquer sur le bouton ci-contre pour afficher les longueurs précédentes.",
            .RetourPremière = AidePremièrePage,
            .Interligne = 50};
}
} // namespace

FormLong::FormLong(const std::vector<std::string>& TabLongueurs, const Contrôle& principale)
    : FormMesures(TabLongueurs, principale, textesLongueurs())
{
}
