// Une fenêtre de message qui retient chaque message au lieu de le montrer (outil en ligne de commande,
// tests).
#pragma once

#include "model/MessageTitre.h"
#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <string>
#include <vector>

class MessagerieRetenue : public Messagerie {
public:
    // Comme le bouton Ok de la fenêtre : les deux textes partagés sont vidés.
    void MontrerFormMessage(Modulebas& m) override
    {
        Messages.push_back({m.TitreMessage, m.TexteMessage});
        m.TitreMessage.clear();
        m.TexteMessage.clear();
    }

    std::vector<MessageTitré> Messages;
};
