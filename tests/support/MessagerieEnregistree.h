// Fenêtre de message des tests : elle retient chaque message montré et répond « Ok ».
#pragma once

#include "model/MessagerieRetenue.h"

#include <gtest/gtest.h>
#include <string>

using MessagerieEnregistrée = MessagerieRetenue;

// Compare exactement le seul message montré à son titre et son texte attendus.
inline void AttendreMessage(const MessagerieEnregistrée& messagerie, const std::string& titre,
                            const std::string& texte)
{
    ASSERT_EQ(messagerie.Messages.size(), 1u);
    EXPECT_EQ(messagerie.Messages[0].Titre, titre);
    EXPECT_EQ(messagerie.Messages[0].Texte, texte);
}
