// Ce que toute fenêtre-modèle offre à la plateforme qui la montre.
#pragma once

#include "ui/Controle.h"
#include "ui/Declaration.h"

class Fenêtre {
public:
    virtual ~Fenêtre() = default;

    // Chargement : la fenêtre prépare ses contrôles juste avant d'être montrée.
    virtual void Form_Load() = 0;

    // Les contrôles de la fenêtre, tels que toute vue les pose et les branche.
    virtual Déclaration Déclarer() = 0;

    // Fermeture par le cadre de la fenêtre : par défaut, comme un simple déchargement.
    virtual void Form_QueryUnload() { Fermer(); }

    bool EstFermée() const { return fermée; }

    Contrôle Form; // la fenêtre elle-même : titre, position, taille, fond

protected:
    void Fermer() { fermée = true; }

    // Les dialogues s'ouvrent centrés sur la fenêtre principale.
    void CentrerSur(const Contrôle& principale)
    {
        Form.Left = principale.Left + (principale.Width - Form.Width) / 2;
        Form.Top = principale.Top + (principale.Height - Form.Height) / 2;
    }

private:
    bool fermée = false;
};
