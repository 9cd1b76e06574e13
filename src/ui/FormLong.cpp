#include "ui/FormLong.h"

namespace {
TextesMesures textesLongueurs()
{
    return {.Titre = "Longueurs des côtés du polygone",
            .PremièrePage = "Seules les 8 premières longueurs sont affichées\r\n"
                            "Cliquer sur le bouton ci-contre pour les suivantes.",
            .PagesSuivantes = "Cliquer sur le bouton ci-contre pour afficher les longueurs suivantes.",
            .DernièrePage = "Cliquer sur le bouton ci-contre pour afficher les longueurs précédentes.",
            .RetourPremière = "Seules les 8 premières longueurs sont affichées\r\n"
                              "Cliquer sur le bouton ci-contre pour les suivantes.",
            .Interligne = 50};
}
} // namespace

FormLong::FormLong(const std::vector<std::string>& TabLongueurs, const Contrôle& principale)
    : FormMesures(TabLongueurs, principale, textesLongueurs())
{
}
