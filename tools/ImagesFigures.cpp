#include "ImagesFigures.h"

#include "files/EcritureFichier.h"
#include "files/RaisonSysteme.h"
#include "model/Echappement.h"
#include "model/Modulebas.h"
#include "qt/RenduFigure.h"
#include "ui/Korvane.h"

#include <QBuffer>
#include <QFont>
#include <cstdio>
#include <optional>

namespace {

void Signaler(const std::string& texte)
{
    std::fprintf(stderr, "velmor-analyse : %s\n", Lisible(texte).c_str());
}

} // namespace

std::unique_ptr<ImagesFigures> ImagesFigures::Ouvrir(const std::string& dossier, std::string& raison)
{
    std::error_code erreur;
    const auto état = std::filesystem::status(dossier, erreur);
    if (std::filesystem::exists(état) && !std::filesystem::is_directory(état)) {
        raison = "ce n'est pas un dossier";
        return nullptr;
    }
    std::filesystem::create_directories(dossier, erreur);
    if (erreur) {
        raison = "création impossible (" + RaisonSystème(erreur.value()) + ")";
        return nullptr;
    }
    return std::make_unique<ImagesFigures>(dossier);
}

ImagesFigures::ImagesFigures(std::filesystem::path dossier) : dossier(std::move(dossier))
{
    // Sans écran : l'outil tourne aussi sur un serveur, ou sous cron.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(argc, argv);
    // La police de la fenêtre, pour que les noms et les graduations y prennent la même place.
    QFont police = QGuiApplication::font();
    police.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                        QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QGuiApplication::setFont(police);
}

std::string ImagesFigures::NomLibre(const std::string& fichier)
{
    const std::string base = std::filesystem::path(fichier).filename().replace_extension().string();
    std::string nom = base + ".png";
    for (int n = 2; nomsPris.contains(nom); ++n)
        nom = base + "-" + std::to_string(n) + ".png";
    if (nom != base + ".png")
        Signaler(fichier + " : image nommée " + nom + ", " + base + ".png est celle d'une autre figure");
    nomsPris.insert(nom);
    return nom;
}

void ImagesFigures::Dessiner(const std::string& fichier)
{
    if (arrêtées)
        return;
    // Une fenêtre neuve pour chaque figure, ouverte à sa taille de départ : rien ne passe d'une figure
    // à l'autre (échelle, couleurs, options).
    Modulebas m;
    plateforme.Messages.clear();
    Korvane fenêtre(m, plateforme);
    fenêtre.Form_Load();
    fenêtre.OuvrirFichierFigure(fichier);
    if (!plateforme.Messages.empty()) {
        ++ratées;
        Signaler(fichier + " : pas d'image : " + plateforme.Messages.front().Texte);
        return;
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    const std::filesystem::path chemin = dossier / NomLibre(fichier);
    std::optional<std::string> raison = "image PNG impossible à composer";
    if (ImageEnPixels(fenêtre.ImageDeLaFigure({}), 1).save(&tampon, "PNG")) {
        // Un lien posé dans le dossier des images par un autre n'est pas suivi : l'image le remplace.
        const std::error_code erreur = RemplacerFichier(
            chemin, std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())),
            LienFinal::Remplacé);
        raison = erreur ? std::optional(RaisonSystème(erreur.value())) : std::nullopt;
    }
    if (raison) {
        ++ratées;
        arrêtées = true;
        Signaler("image " + chemin.string() + " : " + *raison +
                 " ; les images suivantes ne sont pas écrites");
    }
}
