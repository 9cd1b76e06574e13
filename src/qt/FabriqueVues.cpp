// Pour ajouter la vue d'une fenêtre FormX (modèle src/ui/FormX.h) :
//  1. écrire VueFormX.cpp : une classe dérivée de VueDialogue dont le constructeur crée un widget par
//     contrôle (Étiquette, Bouton, ZoneTexte...) en branchant les gestionnaires du modèle, et la fonction
//     std::unique_ptr<VueDialogue> CréerVue(FormX& modèle, QWidget* parent) qui la construit ;
//  2. ajouter ci-dessous sa déclaration et sa ligne dans la table.
// MontrerModal (PlateformeQt) fait le reste : Form_Load, rafraîchissement, boucle modale.
#include "qt/FabriqueVues.h"

#include "ui/ChoixPrecision.h"
#include "ui/Coordonnees.h"
#include "ui/FormAide.h"
#include "ui/FormAngle.h"
#include "ui/FormApropos.h"
#include "ui/FormChoixPoint.h"
#include "ui/FormCouleurs.h"
#include "ui/FormFichier.h"
#include "ui/FormLong.h"
#include "ui/FormMessage.h"
#include "ui/FormSaisie.h"
#include "ui/FormScore.h"
#include "ui/FormTexteAgrandi.h"

std::unique_ptr<VueDialogue> CréerVue(FormMessage& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormTexteAgrandi& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormApropos& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(Coordonnées& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormSaisie& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormChoixPoint& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(ChoixPrécision& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormCouleurs& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormLong& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormAngle& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormScore& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormFichier& modèle, QWidget* parent);
std::unique_ptr<VueDialogue> CréerVue(FormAide& modèle, QWidget* parent);

namespace {

template <typename F> std::unique_ptr<VueDialogue> Essayer(Fenêtre& fenêtre, QWidget* parent)
{
    auto* modèle = dynamic_cast<F*>(&fenêtre);
    return modèle ? CréerVue(*modèle, parent) : nullptr;
}

using Essai = std::unique_ptr<VueDialogue> (*)(Fenêtre&, QWidget*);

constexpr Essai essais[] = {
    &Essayer<FormMessage>, &Essayer<FormTexteAgrandi>, &Essayer<FormApropos>,    &Essayer<Coordonnées>,
    &Essayer<FormSaisie>,  &Essayer<FormChoixPoint>,   &Essayer<ChoixPrécision>, &Essayer<FormCouleurs>,
    &Essayer<FormLong>,    &Essayer<FormAngle>,        &Essayer<FormScore>,      &Essayer<FormFichier>,
    &Essayer<FormAide>,
};

} // namespace

std::unique_ptr<VueDialogue> FabriquerVue(Fenêtre& fenêtre, QWidget* parent)
{
    for (Essai essai : essais) {
        if (auto vue = essai(fenêtre, parent))
            return vue;
    }
    return nullptr;
}
