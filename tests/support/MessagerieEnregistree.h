// Fenêtre de message des tests : retient chaque message montré et répond « Ok ».
#pragma once

#include "model/Modulebas.h"
#include "platform/Messagerie.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct MessageMontré {
    std::string Titre;
    std::string Texte;
};

class MessagerieEnregistrée : public Messagerie {
public:
    void MontrerFormMessage(Modulebas& m) override
    {
        Messages.push_back({m.TitreMessage, m.TexteMessage});
        m.TitreMessage.clear();
        m.TexteMessage.clear();
    }

    std::vector<MessageMontré> Messages;
};

// Compare exactement le seul message montré à son titre et son texte attendus.
inline void AttendreMessage(const MessagerieEnregistrée& messagerie, const std::string& titre,
                            const std::string& texte)
{
    ASSERT_EQ(messagerie.Messages.size(), 1u);
    EXPECT_EQ(messagerie.Messages[0].Titre, titre);
    EXPECT_EQ(messagerie.Messages[0].Texte, texte);
}
