#include "web/Habillage.h"

#include "ui/FormAngle.h"
#include "ui/FormApropos.h"
#include "ui/FormCouleurs.h"

namespace {

void Classe(const VueWeb& vue, const Contrôle& c, const char* classe)
{
    vue.Élément(c)["classList"].call<void>("add", std::string(classe));
}

} // namespace

void Habiller(VueWeb& vue)
{
    if (auto* apropos = dynamic_cast<FormApropos*>(&vue.Modèle()))
        Classe(vue, apropos->Image1, "embleme");
    if (auto* couleurs = dynamic_cast<FormCouleurs*>(&vue.Modèle()))
        Classe(vue, couleurs->ShapeSel, "cadre-selection");
    if (auto* angle = dynamic_cast<FormAngle*>(&vue.Modèle()))
        for (const Contrôle& image : angle->PictureAngle)
            Classe(vue, image, "image-angle");
}
