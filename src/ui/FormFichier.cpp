#include "ui/FormFichier.h"

#include "ui/Plateforme.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr std::string_view TitreEnregistrement = "Enregistrement d'un fichier figure";
constexpr std::string_view TitreOuverture = "Ouverture d'un fichier figure";

} // namespace

std::string DossierDuChemin(const std::string& chemin)
{
    const auto séparateur = chemin.rfind('/');
    return séparateur == std::string::npos ? std::string() : chemin.substr(0, séparateur);
}

std::string NomSansDossier(const std::string& chemin)
{
    const auto séparateur = chemin.rfind('/');
    return séparateur == std::string::npos ? chemin : chemin.substr(séparateur + 1);
}

FormFichier::FormFichier(Modulebas& m, Plateforme& plateforme, const Contrôle& principale,
                         DialogueFichier genre)
    : m(m), plateforme(plateforme), principale(principale), genre(genre)
{
    Form.Caption = "Gestion des fichiers";
    Form.Width = 6600;
    Form.Height = 2400;
    LabMessage = Dessiné("", 240, 240, 6000, 840);
    BtonOk = Dessiné("Valider", 1560, 1320, 1500, 420);
    BtonAnnuler = Dessiné("Annuler", 3540, 1320, 1500, 420);
}

FormFichier::FormFichier(Modulebas& m, Plateforme& plateforme, const Contrôle& principale,
                         std::string existant)
    : FormFichier(m, plateforme, principale, DialogueFichier::Écrasement)
{
    NomFichierChoisi = std::move(existant);
}

void FormFichier::Form_Load()
{
    CentrerSur(principale);
    Form.BackColor = CouleurPanneau;
    LabMessage.BackColor = CouleurPanneau;
    if (genre == DialogueFichier::Écrasement) {
        LabMessage.Caption = "Attention, le fichier «" + NomSansDossier(NomFichierChoisi) +
                             "» existe déjà, il va être écrasé. Confirmation ?";
        return;
    }

    const std::optional<std::string> chemin =
        genre == DialogueFichier::Enregistrement
            ? plateforme.DialogueEnregistrer(std::string(TitreEnregistrement),
                                             std::string(FiltreEnregistrement), m.CheminDocuments)
            : plateforme.DialogueOuvrir(std::string(TitreOuverture), std::string(FiltreOuverture),
                                        m.CheminDocuments);
    if (!chemin) {
        Annulation();
        return;
    }
    // Un dialogue qui ne rend aucun nom sans avoir été annulé a échoué.
    if (chemin->empty()) {
        ProblèmeDAccès();
        return;
    }
    m.CheminDocuments = DossierDuChemin(*chemin);
    if (genre == DialogueFichier::Enregistrement)
        PréparerEnregistrement(*chemin);
    else
        PréparerOuverture(*chemin);
}

void FormFichier::PréparerEnregistrement(const std::string& chemin)
{
    NomFichierChoisi = chemin;
    // Comparaison exacte : « FIG.LUM » reçoit aussi l'extension.
    if (!NomFichierChoisi.ends_with(ExtensionFigure))
        NomFichierChoisi += ExtensionFigure;
    std::error_code erreur;
    const bool existe = std::filesystem::exists(NomFichierChoisi, erreur);
    if (erreur) {
        ProblèmeDAccès();
        return;
    }
    if (existe)
        LabMessage.Caption =
            "Attention, une figure de ce nom existe déjà, elle va être écrasée. Confirmation ?";
    else
        LabMessage.Caption =
            "La figure va être enregistre sous le nom : «" + NomSansDossier(NomFichierChoisi) + "»";
}

void FormFichier::PréparerOuverture(const std::string& chemin)
{
    NomFichierChoisi = chemin;
    LabMessage.Caption = "La figure : «" + NomSansDossier(NomFichierChoisi) + "» va être ouverte.";
}

void FormFichier::Annulation()
{
    BtonAnnuler.Visible = false;
    BtonOk.Caption = "Ok";
    LabMessage.Caption = genre == DialogueFichier::Enregistrement
                             ? "      Sauvegarde annulée par l'utilisateur"
                             : "      Ouverture annulée par l'utilisateur";
    NomFichierChoisi.clear();
}

void FormFichier::ProblèmeDAccès()
{
    LabMessage.Caption = "    Problème d'accès au système de fichiers ...";
    // Sans savoir si le fichier existe, valider risquerait d'écraser une figure sans avertissement.
    NomFichierChoisi.clear();
}

void FormFichier::BtonOk_Click()
{
    Fermer();
}

void FormFichier::Form_QueryUnload()
{
    BtonAnnuler_Click();
}

void FormFichier::BtonAnnuler_Click()
{
    NomFichierChoisi.clear();
    Fermer();
}

Déclaration FormFichier::Déclarer()
{
    Déclaration d;
    d.Ajouter(LabMessage, Genre::Étiquette).Aligné = Alignement::Centre;
    d.Ajouter(BtonOk, Genre::Bouton, [this] { BtonOk_Click(); });
    d.Ajouter(BtonAnnuler, Genre::Bouton, [this] { BtonAnnuler_Click(); });
    d.ParDéfaut = {&BtonOk};
    d.Annulation = &BtonAnnuler;
    return d;
}
