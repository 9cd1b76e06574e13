#include "ui/FormAngle.h"

#include "ui/Disposition.h"

namespace {
TextesMesures textesAngles()
{
    return {.Titre = "Angles du polygone",
            .PremièrePage = "Seuls les 8 premiers angles sont affichés.\r\n"
                            "Cliquer sur le bouton ci-contre pour les suivants.",
            .PagesSuivantes = "Cliquer sur le bouton ci-contre pour afficher les angles suivants.",
            .DernièrePage = "Cliquer sur le bouton ci-contre pour afficher les angles précédents.",
            .RetourPremière = "Seuls les 8 premiers angles sont affichés\r\n"
                              "Cliquer sur le bouton ci-contre pour les suivants.",
            .Interligne = 120};
}

constexpr int CôtéImage = 375;
constexpr int ÉcartImage = 20;
} // namespace

FormAngle::FormAngle(const std::vector<std::string>& TabAngles, const Contrôle& principale)
    : FormMesures(TabAngles, principale, textesAngles())
{
    // L'image se tient à gauche de sa ligne, centrée sur sa hauteur.
    for (Contrôle& ligne : LabAngle) {
        ligne.Left = 840;
        PictureAngle.push_back(DessinéCaché("", ligne.Left - ÉcartImage - CôtéImage,
                                            ligne.Top + ligne.Height / 2 - CôtéImage / 2, CôtéImage,
                                            CôtéImage));
    }
}

void FormAngle::LigneChangée(std::size_t i)
{
    PictureAngle[i].Visible = LabAngle[i].Visible && !LabAngle[i].Caption.empty();
}

// Les images des angles se posent par-dessus les lignes qu'elles accompagnent.
Déclaration FormAngle::Déclarer()
{
    Déclaration d = FormMesures::Déclarer();
    for (Contrôle& image : PictureAngle)
        d.Ajouter(image, Genre::Image);
    return d;
}
