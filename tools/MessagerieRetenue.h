// Une fenêtre de message qui retient chaque message au lieu de le montrer (outil en ligne de commande,
// tests).
#pragma once

#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <string>
#include <vector>

struct MessageMontré {
    std::string Titre;
    std::string Texte;
};

class MessagerieRetenue : public Messagerie {
public:
    // Comme le bouton Ok de la fenêtre : les deux textes partagés sont vidés.
    void MontrerFormMessage(Modulebas& m) override
    {
        Messages.push_back({m.TitreMessage, m.TexteMessage});
        m.TitreMessage.clear();
        m.TexteMessage.clear();
    }

    std::vector<MessageMontré> Messages;
};
