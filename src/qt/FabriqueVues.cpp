// Une fenêtre se montre par la vue commune, faite de sa déclaration. Celle qui a un dessin à elle (FormX)
// a sa vue dérivée de VueDialogue dans VueFormX.cpp, avec sa fonction
// std::unique_ptr<VueDialogue> CréerVue(FormX& modèle, QWidget* parent), déclarée ci-dessous et ajoutée
// à la table. MontrerModal (PlateformeQt) fait le reste : Form_Load, rafraîchissement, boucle modale.
#include "qt/FabriqueVues.h"

#include "ui/FormAngle.h"
#include "ui/FormApropos.h"
#include "ui/FormCouleurs.h"

std::unique_ptr<VueDialogue> CréerVue(FormApropos& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormCouleurs& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormAngle& modèle, QWidget* parent);

namespace {

template <typename F> std::unique_ptr<VueDialogue> Essayer(Fenêtre& fenêtre, QWidget* parent)
{
    auto* modèle = dynamic_cast<F*>(&fenêtre);
    return modèle ? CréerVue(*modèle, parent) : nullptr;
}

using Essai = std::unique_ptr<VueDialogue> (*)(Fenêtre&, QWidget*);

constexpr Essai essais[] = {&Essayer<FormApropos>, &Essayer<FormCouleurs>, &Essayer<FormAngle>};

} // namespace

std::unique_ptr<VueDialogue> FabriquerVue(Fenêtre& fenêtre, QWidget* parent)
{
    for (Essai essai : essais) {
        if (auto vue = essai(fenêtre, parent))
            return vue;
    }
    return std::make_unique<VueDialogue>(fenêtre, parent);
}
