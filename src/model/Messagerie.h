// La fenêtre de message du programme, telle que le cœur la demande.
#pragma once

struct Modulebas;

class Messagerie {
public:
    virtual ~Messagerie() = default;

    // Montre FormMessage en modal avec TitreMessage et TexteMessage ;
    // au retour, la fenêtre est fermée et les deux textes sont vides.
    virtual void MontrerFormMessage(Modulebas& m) = 0;
};
