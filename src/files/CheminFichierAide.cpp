#include "files/CheminFichierAide.h"

#include <filesystem>
#include <system_error>

std::vector<std::string> EmplacementsFichierAide(const std::string& cheminAppli)
{
    const std::string nom(NomFichierAide);
    // Le chemin relatif sert quand l'installation a changé de préfixe après la construction.
    return {cheminAppli + nom, cheminAppli + VELMOR_DONNEES_RELATIVES "/" + nom,
            std::string(VELMOR_DONNEES_INSTALLEES "/") + nom};
}

std::string CheminFichierAide(const std::string& cheminAppli)
{
    const auto emplacements = EmplacementsFichierAide(cheminAppli);
    for (const auto& emplacement : emplacements) {
        std::error_code erreur;
        if (std::filesystem::is_regular_file(emplacement, erreur))
            return emplacement;
    }
    return emplacements.front();
}
