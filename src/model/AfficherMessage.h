// Un message du programme : le titre et le texte partagés, puis la fenêtre de message.
#pragma once

#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <string>

inline void AfficherMessage(Modulebas& m, Messagerie& messagerie, std::string titre, std::string texte)
{
    m.TitreMessage = std::move(titre);
    m.TexteMessage = std::move(texte);
    messagerie.MontrerFormMessage(m);
}
