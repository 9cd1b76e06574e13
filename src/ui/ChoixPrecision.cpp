#include "ui/ChoixPrecision.h"

#include <array>

namespace {
constexpr std::array<const char*, ChoixPrécision::NbChoix> légendes{"1 chiffre", "2 chiffres", "3 chiffres",
                                                                    "maximum"};
}

ChoixPrécision::ChoixPrécision(Modulebas& m, const Contrôle& principale) : m(m), principale(principale)
{
    Form.Caption = "Saisie de la précision";
    Form.Width = 4680;
    Form.Height = 3480;
    LabCons = Dessiné("Cocher la précision désirée (nb de chiffres après la virgule) :", 240, 180, 4080, 495);
    Frame1 = Dessiné("", 240, 780, 4080, 1680);
    for (std::size_t k = 1; k <= NbChoix; ++k) {
        OpPrecis[k] = Dessiné(légendes[k - 1], 600, 960 + static_cast<int>(k - 1) * 360, 2400, 285);
    }
    BtonPrecis = Dessiné("Valider", 1680, 2640, 1215, 375);
}

void ChoixPrécision::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    const std::size_t coché = m.Précision == PrécisionMaximum ? NbChoix : m.Précision;
    for (std::size_t k = 1; k <= NbChoix; ++k) {
        OpPrecis[k].Checked = k == coché;
    }
}

void ChoixPrécision::OpPrecis_Click(std::size_t k)
{
    if (k < 1 || k > NbChoix) {
        return;
    }
    for (std::size_t j = 1; j <= NbChoix; ++j) {
        OpPrecis[j].Checked = j == k;
    }
    m.Précision = k == NbChoix ? PrécisionMaximum : static_cast<std::uint8_t>(k);
}

Déclaration ChoixPrécision::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabCons, Genre::Étiquette);
    d.Ajouter(Frame1, Genre::Cadre).Bord = Bordure::Gravée;
    for (std::size_t k = 1; k <= NbChoix; ++k)
        d.Ajouter(OpPrecis[k], Genre::Option, [this, k] { OpPrecis_Click(k); });
    d.Ajouter(BtonPrecis, Genre::Bouton, [this] { BtonPrecis_Click(); });
    d.ParDéfaut = {&BtonPrecis};
    return d;
}
