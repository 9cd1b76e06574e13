// Ce que les fenêtres des longueurs et des angles ont en commun : huit lignes par page et leurs boutons.
#pragma once

#include "ui/Fenetre.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Les textes qui différencient les deux fenêtres.
struct TextesMesures {
    std::string Titre;
    std::string PremièrePage;   // l'aide de la première page, quand il y a plus de huit lignes
    std::string PagesSuivantes; // après BtonSuite, tant qu'il reste des pages
    std::string DernièrePage;   // sur la page qui tient la dernière ligne
    std::string RetourPremière; // quand BtonBack ramène la première page
    int Interligne = 0;         // en twips, entre deux lignes
};

class FormMesures : public Fenêtre {
public:
    static constexpr std::size_t LignesParPage = 8;

    // Les noms des sommets du polygone mesuré, un caractère par sommet ; à écrire avant MontrerModal.
    std::string InitAffichage;

    void Form_Load() override;
    Déclaration Déclarer() override;
    void BtonSuite_Click();
    void BtonBack_Click();
    void BtonOk_Click() { Fermer(); }

    // LabLong ou LabAngle : les huit lignes d'une page, cachées jusqu'à ce qu'une mesure les remplisse.
    std::vector<Contrôle> Lignes;
    Contrôle LabRq;
    Contrôle BtonSuite;
    Contrôle BtonBack;
    Contrôle BtonOk;
    std::size_t Page = 0; // PageLong ou PageAngle

protected:
    FormMesures(const std::vector<std::string>& tableau, const Contrôle& principale, TextesMesures textes);
    FormMesures(const FormMesures&) = delete;
    FormMesures& operator=(const FormMesures&) = delete;

    void AfficherPremièrePage();
    // Ce qui accompagne une ligne (l'image d'un angle) suit son texte.
    virtual void LigneChangée(std::size_t) {}

private:
    std::size_t NbLignes() const;
    const std::string& Entrée(std::size_t k) const;
    void RemplirLigne(std::size_t i, std::size_t k);

    const std::vector<std::string>& tableau;
    const Contrôle& principale;
    TextesMesures textes;
};
