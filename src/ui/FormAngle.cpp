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
    Form.Height = 6600;
    Lignes[0].Left = 840;
    PictureAngle.push_back(DessinéCaché("", 0, 0, CôtéImage, CôtéImage));
    PlacerImage(0);
}

// L'image se tient à gauche de sa ligne, centrée sur sa hauteur.
void FormAngle::PlacerImage(std::size_t i)
{
    PictureAngle[i].Left = LabAngle[i].Left - ÉcartImage - PictureAngle[i].Width;
    PictureAngle[i].Top = LabAngle[i].Top + LabAngle[i].Height / 2 - PictureAngle[i].Height / 2;
}

void FormAngle::LigneCréée(std::size_t i)
{
    PictureAngle.push_back(PictureAngle[0]);
    PlacerImage(i);
}

void FormAngle::LigneChangée(std::size_t i)
{
    PictureAngle[i].Visible = LabAngle[i].Visible && !LabAngle[i].Caption.empty();
}
