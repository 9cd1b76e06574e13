#include "ui/Environnement.h"

#include "model/AfficherMessage.h"
#include "model/Modulebas.h"
#include "ui/Plateforme.h"

#include <filesystem>
#include <system_error>

namespace {

std::string SansSéparateurFinal(std::string dossier)
{
    while (!dossier.empty() && dossier.back() == '/')
        dossier.pop_back();
    return dossier;
}

} // namespace

void ChercherDossierDocuments(Modulebas& m, Plateforme& plateforme)
{
    const std::string documents = plateforme.DossierDocumentsSystème();
    std::error_code erreur;
    // Une sonde qui échoue vaut « pas de dossier des documents ».
    if (documents.empty() || !std::filesystem::is_directory(documents, erreur)) {
        m.CheminDocuments.clear();
    } else {
        m.CheminDocuments = SansSéparateurFinal(documents) + "/" + std::string(SousDossierDocuments);
        // Un sous-dossier impossible à créer reste nommé : le dialogue s'ouvrira où le système voudra.
        std::filesystem::create_directory(m.CheminDocuments, erreur);
    }
    m.CheminDocumentsMémorisé = m.CheminDocuments;
}

std::string TexteÉchecLancement(int code)
{
    switch (code) {
    case 2:
        return "Le fichier n'a pas été trouvé";
    case 3:
        return "Le chemin n'a pas été trouvé";
    case 5:
        return "Accès refusé, vos droits ne sont peut-être pas suffisants";
    case 8:
        return "Out of memory";
    case 11:
        return "Invalid EXE file or error in EXE image";
    case 26:
        return "A sharing violation occurred";
    case 27:
        return "Incomplete or invalid file association";
    case 28:
        return "DDE Time out";
    case 29:
        return "DDE transaction failed";
    case 30:
        return "DDE busy";
    case 31:
        return "No association for file extension";
    case 32:
        return "DLL not found";
    default:
        return "Unknown error";
    }
}

void OuvrirPageWeb(Modulebas& m, Plateforme& plateforme)
{
    const std::string adresse = std::string(SiteVelmor) + std::string(PageTéléchargements);
    if (!plateforme.OuvrirPageWeb(adresse))
        AfficherMessage(m, plateforme, std::string(TitreGestionFichiers),
                        TexteÉchecLancement(CodeÉchecPageWeb));
}
