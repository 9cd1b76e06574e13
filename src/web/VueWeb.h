// Une fenêtre-modèle dans la page : ses éléments naissent de sa déclaration, chacun lié à son contrôle, et
// un seul passage recopie ensuite l'état de tous les contrôles sur leurs éléments. Les évènements arrivent
// de la page comme des objets (velmor.js) et vont au gestionnaire déclaré.
#pragma once

#include "ui/Canevas.h"
#include "ui/Declaration.h"
#include "ui/Fenetre.h"

#include <emscripten/val.h>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class VueWeb {
public:
    // racine : l'élément où la fenêtre se pose ; numéro : celui que portent ses évènements ; canevas :
    // celui que la fenêtre dessine, s'il y en a un.
    VueWeb(emscripten::val racine, Fenêtre& modèle, int numéro, Canevas* canevas = nullptr);
    VueWeb(const VueWeb&) = delete;
    VueWeb& operator=(const VueWeb&) = delete;

    int Numéro() const { return numéro; }
    Fenêtre& Modèle() { return modèle; }
    emscripten::val Élément(const Contrôle& c) const;

    void Recopier();
    // Lance le gestionnaire que l'évènement désigne ; la plateforme recopie ensuite les vues.
    void Traiter(const emscripten::val& évènement);
    // Échap : le bouton d'annulation, ou comme la croix du cadre.
    void Annuler();

private:
    struct Lien {
        emscripten::val nœud;
        const Contrôle* contrôle;
        const ContrôleDéclaré* déclaré;
        std::string état; // ce qui a été posé au dernier passage
    };
    struct TableauLié {
        const ContrôleDéclaré* déclaré;
        emscripten::val parent;
        std::vector<Lien> éléments;
    };

    emscripten::val Créer(const ContrôleDéclaré& d, int indice);
    void CréerMenu(const ContrôleDéclaré& d, int indice);
    emscripten::val Parent(const ContrôleDéclaré& d) const;
    void RecopierLien(Lien& lien);
    void Taper(const ContrôleDéclaré& d, const std::string& texte, int début, int fin);
    void Dessiner();
    void PresserDéfaut();

    emscripten::val racine;
    emscripten::val barre = emscripten::val::null(); // la barre des menus, s'il y en a
    emscripten::val fond;                            // sous la barre : les contrôles
    Fenêtre& modèle;
    int numéro;
    Canevas* canevas;
    Déclaration déclaration;
    std::vector<Lien> liens;
    std::vector<TableauLié> tableaux;
    std::map<const Contrôle*, emscripten::val> nœuds;
    std::map<const Contrôle*, emscripten::val> sousMenus;
    std::set<const Contrôle*> conteneurs; // ceux où d'autres contrôles se posent : ils n'ont pas de texte
};
