// Ce que la plateforme demande à toute vue : montrer l'état présent de son modèle.
#pragma once

class Vue {
public:
    // Recopie l'état du modèle sur les widgets ; aussi au milieu d'un gestionnaire.
    virtual void Rafraîchir() = 0;

protected:
    ~Vue() = default;
};
