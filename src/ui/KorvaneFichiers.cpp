// Korvane : les figures des fichiers (ouvrir, sauvegarder, fermer), la fenêtre d'aide et la page web.
#include "files/ChargementFigure.h"
#include "files/FichierFigure.h"
#include "model/AfficherMessage.h"
#include "ui/Environnement.h"
#include "ui/FormAide.h"
#include "ui/FormFichier.h"
#include "ui/Korvane.h"

#include <cmath>

namespace {

constexpr const char* TexteFigureDuFichier = "Figure du fichier : ";

int T(double twips)
{
    return static_cast<int>(std::lround(twips));
}

} // namespace

void Korvane::BrancherFichiers()
{
    Brancher(ItemOuvrirFig, &Korvane::ItemOuvrirFig_Click);
    Brancher(ItemEnregistrer, &Korvane::ItemEnregistrer_Click);
    Brancher(ItemAides, &Korvane::ItemAides_Click);
    Brancher(ItemZavWeb, &Korvane::ItemZavWeb_Click);
}

// Le premier dialogue s'ouvre dans les documents ; ensuite dans le dossier de la dernière figure ouverte.
void Korvane::PréparerDossierDocuments()
{
    if (!m.CheminDocumentsMémorisé.empty())
        m.CheminDocuments = m.CheminDocumentsMémorisé;
    else
        ChercherDossierDocuments(m, plateforme);
}

void Korvane::ItemOuvrirFig_Click()
{
    OuvertureFigure = true;
    PréparerDossierDocuments();
    FormFichier fichier(m, plateforme, Form, DialogueFichier::Ouverture);
    plateforme.MontrerModal(fichier);
    OuvrirFigureChoisie(fichier.NomFichierChoisi);
}

void Korvane::OuvrirFichierFigure(const std::string& chemin)
{
    OuvertureFigure = true;
    m.CheminDocuments = DossierDuChemin(chemin);
    OuvrirFigureChoisie(chemin);
    AccorderJumeaux();
}

void Korvane::OuvrirFigureChoisie(const std::string& nom)
{
    if (nom.empty()) {
        AppliquerActivation(ÉtapeConstruction::SansFigureOuverte);
        OuvertureFigure = false;
    } else {
        m.NomFichierFig = nom;
        LireFigure();
        if (m.ModeFichier) {
            AfficherÉtatFigureOuverte();
            m.CheminDocumentsMémorisé = m.CheminDocuments;
        } else {
            // Rien n'a été fermé : la figure d'avant reste, avec la disposition qui va avec elle.
            OuvertureFigure = false;
        }
    }
    RedessinerTout();
}

// Un fichier refusé ou illisible ne touche à rien : la lecture rend la figure entière ou rien.
void Korvane::LireFigure()
{
    LectureRatée = false;
    const LectureFigure lecture = LireFichierFigure(m.NomFichierFig);
    if (!lecture.Figure) {
        LectureRatée = lecture.Refus->LectureRatée;
        AfficherMessage(m, plateforme, lecture.Refus->Message.Titre, lecture.Refus->Message.Texte);
        return;
    }
    AppliquerFigure(*lecture.Figure);

    m.ModeFichier = true;
    EtiStatut.Caption = TexteFigureDuFichier + NomSansDossier(m.NomFichierFig);
    EtiStatut.Visible = true;
    AjusterTaille(EtiStatut);
    BtonFermer.Left = T(EtiStatut.Left + EtiStatut.Width + 200 * m.FacteurH);
    BtonVelmor.Left = T(BtonFermer.Left + BtonFermer.Width + 300 * m.FacteurH);
}

void Korvane::AppliquerFigure(const FigureFichier& figure)
{
    InitOptions();
    m.XMax = XMaxAtteignable(XMaxDuRapport(m.Unité, figure.RapportZoom));
    ChangerEchelle();
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        DétruireÉtiquettePoint(i);

    ChargerFigure(m, figure);
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        CréerÉtiquettePoint(i);

    // Seul le premier polygone de l'historique est reconstruit.
    if (PolygoneDeLaFigure(figure)) {
        Opérations.ConstruirePolygone();
        AppliquerActivation(ÉtapeConstruction::PolygoneConstruit);
    }

    // Une option différente de celle du fichier passe par sa commande, comme un clic de l'élève ;
    // une valeur illisible laisse l'option comme elle est.
    if (figure.QuadrillageAffiché && *figure.QuadrillageAffiché != ItemQuadrillage.Checked)
        ItemQuadrillage_Click();
    if (figure.AxesAffichés && *figure.AxesAffichés != ItemTracerLumarc.Checked)
        ItemTracerLumarc_Click();
}

void Korvane::AfficherÉtatFigureOuverte()
{
    BtonFermer.Visible = true;
    m.NbPointsMax = LimitePoints;
    AppliquerActivation(ÉtapeConstruction::FigureOuverte);
    // Un fichier sans rien à montrer se referme aussitôt.
    if (m.NbTracés == 0) {
        FermerFigure();
        return;
    }
    if (m.PolygoneTracé)
        return;
    AppliquerActivation(ÉtapeConstruction::FigureOuverteSansPolygone);
    if (m.NbPoints == 0)
        AppliquerActivation(ÉtapeConstruction::FigureOuverteSansPoint);
    if (m.NbPoints >= 3)
        AppliquerActivation(ÉtapeConstruction::TroisièmePoint);
}

void Korvane::ItemEnregistrer_Click()
{
    EnregistrementFigure = true;
    PréparerDossierDocuments();
    FormFichier fichier(m, plateforme, Form, DialogueFichier::Enregistrement);
    plateforme.MontrerModal(fichier);
    m.NomFichierFig = fichier.NomFichierChoisi;
    EnregistrerFigure();
    EnregistrementFigure = false;
}

void Korvane::EnregistrerFigure()
{
    if (m.NomFichierFig.empty())
        return;
    const FigureFichier figure = FigureDuModèle(m, AxesAffichés(), QuadrillageAffiché());
    const Enregistrement enregistrement = EnregistrerFichierFigure(m.NomFichierFig, figure);
    AfficherMessage(m, plateforme, enregistrement.Message.Titre, enregistrement.Message.Texte);
}

void Korvane::ItemAides_Click()
{
    FormAide aide(m, plateforme, Form);
    plateforme.MontrerModal(aide);
}

void Korvane::ItemZavWeb_Click()
{
    OuvrirPageWeb(m, plateforme);
}
