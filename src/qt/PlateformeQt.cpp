#include "qt/PlateformeQt.h"

#include "qt/FabriqueVues.h"
#include "qt/Recopie.h"
#include "qt/RenduFigure.h"
#include "qt/VueKorvane.h"
#include "ui/DessinSvg.h"
#include "ui/FormMessage.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cmath>

namespace {

// Le filtre du programme, « Figures (*.lum)|*.lum|Tous (*.*)|*.* », devient celui de Qt.
QString FiltreQt(const std::string& filtre)
{
    const QStringList morceaux = VersQString(filtre).split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString& libellé = morceaux[i];
        filtres << (libellé.contains(QLatin1Char('('))
                        ? libellé
                        : libellé + QStringLiteral(" (") + morceaux[i + 1] + QLatin1Char(')'));
    }
    if (filtres.isEmpty() && !filtre.empty())
        filtres << VersQString(filtre);
    return filtres.join(QStringLiteral(";;"));
}

int Arrondi(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

// Une fenêtre modale suspend le gestionnaire qui l'ouvre : derrière elle, chaque vue montre déjà ce que le
// gestionnaire a changé (le score et la figure effacée derrière le message du bonus), puis, à la fermeture,
// ce que la fenêtre a changé à son tour.
class PlateformeQt::PendantModal {
public:
    explicit PendantModal(PlateformeQt& p) : plateforme(p) { plateforme.RafraîchirVues(); }
    ~PendantModal() { plateforme.RafraîchirVues(); }
    PendantModal(const PendantModal&) = delete;
    PendantModal& operator=(const PendantModal&) = delete;

private:
    PlateformeQt& plateforme;
};

PlateformeQt::PlateformeQt() = default;
PlateformeQt::~PlateformeQt() = default;

void PlateformeQt::DéfinirFenêtrePrincipale(const Contrôle& modèle, VueKorvane* vue)
{
    principale = &modèle;
    widgetPrincipal = vue;
    vuePrincipale = vue;
}

void PlateformeQt::RafraîchirVues()
{
    if (vuePrincipale)
        vuePrincipale->Rafraîchir();
    for (const auto& [fenêtre, vue] : vuesOuvertes)
        vue->Rafraîchir();
}

void PlateformeQt::MontrerFormMessage(Modulebas& m)
{
    FormMessage message(m, principale ? *principale : sansPrincipale);
    MontrerModal(message);
}

void PlateformeQt::MontrerModal(Fenêtre& fenêtre)
{
    std::unique_ptr<VueDialogue> vue = FabriquerVue(fenêtre, widgetPrincipal);
    {
        const PendantModal pendant(*this);
        vuesOuvertes[&fenêtre] = vue.get();
        vue->Montrer();
        vuesOuvertes.erase(&fenêtre);
    }
}

void PlateformeQt::MessageSystème(const std::string& texte, const std::string& titre, IcôneMessage icône)
{
    const QString t = VersQString(titre);
    const QString message = VersQString(texte);
    const PendantModal pendant(*this);
    const QMessageBox::Icon icônes[] = {QMessageBox::Information, QMessageBox::Warning,
                                        QMessageBox::Critical};
    QMessageBox boîte(icônes[static_cast<int>(icône)], t, message, QMessageBox::Ok, widgetPrincipal);
    // Un texte venu de l'élève ou d'un fichier se montre tel quel, jamais comme du HTML.
    boîte.setTextFormat(Qt::PlainText);
    boîte.exec();
}

std::optional<std::string> PlateformeQt::DialogueOuvrir(const std::string& titre, const std::string& filtre,
                                                        const std::string& dossier)
{
    const PendantModal pendant(*this);
    const QString nom = QFileDialog::getOpenFileName(widgetPrincipal, VersQString(titre),
                                                     VersQString(dossier), FiltreQt(filtre));
    if (nom.isEmpty())
        return std::nullopt;
    return VersTexte(nom);
}

std::optional<std::string> PlateformeQt::DialogueEnregistrer(const std::string& titre,
                                                             const std::string& filtre,
                                                             const std::string& dossier)
{
    const PendantModal pendant(*this);
    // La fenêtre de confirmation pose elle-même la question de l'écrasement, après avoir ajouté « .lum ».
    const QString nom =
        QFileDialog::getSaveFileName(widgetPrincipal, VersQString(titre), VersQString(dossier),
                                     FiltreQt(filtre), nullptr, QFileDialog::DontConfirmOverwrite);
    if (nom.isEmpty())
        return std::nullopt;
    return VersTexte(nom);
}

std::optional<FichierTypé> PlateformeQt::DialogueEnregistrerTypé(const std::string& titre,
                                                                 const std::vector<std::string>& types,
                                                                 const std::string& dossier,
                                                                 const std::string& nomProposé)
{
    const PendantModal pendant(*this);
    QStringList filtres;
    for (const std::string& type : types)
        filtres << VersQString(type);
    // Le nom rendu est celui tapé : la fenêtre y ajoute l'extension et pose elle-même la question de
    // l'écrasement, sur le nom qu'elle écrira vraiment.
    QFileDialog dialogue(widgetPrincipal, VersQString(titre), VersQString(dossier));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.setNameFilters(filtres);
    dialogue.selectFile(VersQString(nomProposé));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype type = filtres.indexOf(dialogue.selectedNameFilter());
    return FichierTypé{VersTexte(dialogue.selectedFiles().first()),
                       static_cast<std::size_t>(std::max<qsizetype>(type, 0))};
}

bool PlateformeQt::EnregistrerImage(const ImageFigure& image, FormatImage format, const std::string& chemin)
{
    return ÉcrireImage(image, format, VersQString(chemin));
}

bool PlateformeQt::ImprimerImage(const ImageFigure& image)
{
    return Imprimer([&image](QPagedPaintDevice& page) { return ImprimerSurPage(image, page); });
}

void PlateformeQt::CopierImage(const ImageFigure& image)
{
    auto* données = new QMimeData;
    données->setImageData(ImageEnPixels(image, 1));
    données->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(DessinSvg(image)));
    QGuiApplication::clipboard()->setMimeData(données);
}

DateCivile PlateformeQt::Aujourdhui()
{
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

QPrinter& PlateformeQt::Imprimante()
{
    if (!imprimante)
        imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *imprimante;
}

bool PlateformeQt::ChoisirImprimante()
{
    const PendantModal pendant(*this);
    QWidget* active = QApplication::activeModalWidget();
    QPrintDialog choix(&Imprimante(), active ? active : widgetPrincipal);
    return choix.exec() == QDialog::Accepted;
}

bool PlateformeQt::ImprimerFenêtre(Fenêtre& fenêtre)
{
    QWidget* widget = widgetPrincipal;
    if (const auto vue = vuesOuvertes.find(&fenêtre); vue != vuesOuvertes.end()) {
        // Le gestionnaire vient de changer l'aspect de la fenêtre : les widgets doivent le montrer.
        vue->second->Rafraîchir();
        widget = vue->second;
    }
    if (!widget)
        return false;
    return Imprimer([widget](QPagedPaintDevice& page) {
        QPainter peintre;
        if (!peintre.begin(&page))
            return false;
        // L'image de la fenêtre à sa taille d'écran, agrandie d'après la résolution de la page.
        const double facteur = page.logicalDpiX() / double(widget->logicalDpiX());
        peintre.scale(facteur, facteur);
        widget->render(&peintre);
        return peintre.end();
    });
}

// Imprimer dans un fichier PDF, c'est écrire un fichier : la page se compose en mémoire, à la mise en
// page choisie, et passe par l'écriture de tous les fichiers, qui dit un disque plein.
bool PlateformeQt::Imprimer(const std::function<bool(QPagedPaintDevice&)>& peindre)
{
    if (!imprimante)
        return false;
    if (imprimante->outputFormat() != QPrinter::PdfFormat || imprimante->outputFileName().isEmpty())
        return peindre(*imprimante);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter page(&tampon);
        page.setResolution(imprimante->resolution());
        page.setPageLayout(imprimante->pageLayout());
        page.setTitle(imprimante->docName());
        page.setCreator(imprimante->creator());
        if (!peindre(page))
            return false;
    }
    return ÉcrireOctets(imprimante->outputFileName(), octets);
}

// Le lanceur démarre même quand rien ne sait montrer une page : le succès de openUrl ne suffit pas.
// On demande d'abord s'il existe un navigateur, comme le lanceur le cherchera.
static bool AucunNavigateur()
{
    if (!qEnvironmentVariableIsEmpty("BROWSER") || !QStandardPaths::findExecutable("x-www-browser").isEmpty())
        return false;
    QProcess requête;
    requête.start(QStringLiteral("xdg-mime"), {"query", "default", "x-scheme-handler/https"});
    if (!requête.waitForFinished(3000) || requête.exitStatus() != QProcess::NormalExit)
        return false; // sans xdg-mime, Qt cherche lui-même et dit son échec
    return requête.readAllStandardOutput().trimmed().isEmpty();
}

bool PlateformeQt::OuvrirPageWeb(const std::string& adresse)
{
    return !AucunNavigateur() && QDesktopServices::openUrl(QUrl(VersQString(adresse)));
}

std::string PlateformeQt::DossierDocumentsSystème()
{
    return VersTexte(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string PlateformeQt::DossierProgramme()
{
    return VersTexte(QCoreApplication::applicationDirPath() + "/");
}

int PlateformeQt::TwipsParPixelX()
{
    return Arrondi(::TwipsParPixelX());
}
int PlateformeQt::TwipsParPixelY()
{
    return Arrondi(::TwipsParPixelY());
}

int PlateformeQt::LargeurÉcranPixels()
{
    const QScreen* écran = QGuiApplication::primaryScreen();
    return écran ? écran->size().width() : 1024;
}

int PlateformeQt::HauteurÉcranPixels()
{
    const QScreen* écran = QGuiApplication::primaryScreen();
    return écran ? écran->size().height() : 768;
}

std::string PlateformeQt::SéparateurDécimal()
{
    return VersTexte(QLocale().decimalPoint());
}

TailleTexte PlateformeQt::MesurerTexte(const std::string& texte, double taillePolice)
{
    // Chaque redessin mesure le nom de chaque point : la mise en page d'un texte coûte bien plus que de
    // retrouver sa taille, tant que la police du programme ne change pas.
    constexpr std::size_t MesuresGardées = 1000;
    const QFont policeProgramme = QApplication::font();
    if (policeProgramme != policeMesurée || mesuresTextes.size() >= MesuresGardées) {
        mesuresTextes.clear();
        policeMesurée = policeProgramme;
    }
    auto [mesure, nouvelle] = mesuresTextes.try_emplace({taillePolice, texte});
    if (nouvelle) {
        QFont police = policeProgramme;
        police.setPointSizeF(taillePolice);
        // Une petite marge, comme les étiquettes qui prennent la taille de leur texte.
        mesure->second = QFontMetrics(police).size(0, VersQString(texte)) + QSize(4, 2);
    }
    const QSize taille = mesure->second;
    return {Arrondi(taille.width() * ::TwipsParPixelX()), Arrondi(taille.height() * ::TwipsParPixelY())};
}

void PlateformeQt::QuitterProgramme()
{
    QCoreApplication::exit(0);
}

void PlateformeQt::DémarrerMinuterie(int intervalleMs, std::function<void()> top)
{
    minuterie.disconnect();
    // Chaque top change le modèle de la fenêtre principale : sa vue le recopie aussitôt.
    QObject::connect(&minuterie, &QTimer::timeout, &minuterie, [this, top = std::move(top)] {
        top();
        if (vuePrincipale)
            vuePrincipale->Rafraîchir();
    });
    minuterie.start(intervalleMs);
}

void PlateformeQt::ArrêterMinuterie()
{
    minuterie.stop();
}
