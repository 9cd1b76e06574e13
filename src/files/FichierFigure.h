// Lecture et écriture des fichiers de figure (.lum) : des octets du fichier à la figure et retour.
#pragma once

#include "files/FigureFichier.h"
#include "model/MessageTitre.h"
#include "model/Modulebas.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view PremièreLigneFigure = "Figure du logiciel Lumarc";
inline constexpr std::string_view TitreGestionFichier = "Gestion des fichier";
inline constexpr std::string_view TitreGestionFigures = "Gestion des figures";
inline constexpr std::string_view TexteFichierIncompatible =
    "Ce fichier n'est pas compatible avec cette application.";
inline constexpr std::string_view TexteFichierNonConforme =
    "Le fichier n'est pas conforme, choisir une autre figure ...";
inline constexpr std::string_view TexteFichierIllisible =
    "Ce fichier n'a pas pu être ouvert ou interprété : soit il n'est pas conforme soit il est altéré.";
inline constexpr std::string_view TexteFigureSauvegardée = "Figure sauvegardée !";
inline constexpr std::string_view TexteSauvegardeRatée =
    "Problème d'accès, La figure n'a pas pu être sauvegardée";

struct RefusLecture {
    MessageTitré Message;
    // Vrai pour un fichier incompatible ou illisible, faux pour une deuxième ligne sans « Exemple ».
    bool LectureRatée = true;
};

// Ou bien la figure entière, ou bien le refus : un fichier à moitié lu ne donne jamais de figure.
struct LectureFigure {
    std::optional<FigureFichier> Figure;
    std::optional<RefusLecture> Refus;
};

struct Enregistrement {
    bool Réussi = false;
    MessageTitré Message;
};

// La taille du plus grand fichier que la fenêtre puisse écrire quand chaque coordonnée tient en
// `caractères` caractères (un octet chacun) : LimitePoints points aux noms d'une lettre et LimiteTracés
// tracés nommant chacun au plus tous les points, chaque texte entre guillemets, chaque ligne en CR LF.
constexpr std::size_t TailleMaxFigureÉcrite(std::size_t caractères)
{
    constexpr std::size_t Fin = 2, Guillemets = 2;
    constexpr std::size_t Octet = 5;    // « 255 » entre deux blancs
    constexpr std::size_t Nombre = 24;  // le rapport de zoom : 17 chiffres, signe, point et exposant
    constexpr std::size_t MotLong = 11; // « Polygone », « quadrillage », « False »...
    const std::size_t point =
        2 * (caractères + Guillemets + Fin) + (1 + Guillemets + Fin) + 2 * (MotLong + Fin);
    const std::size_t tracé = MotLong + 1 + LimitePoints + Guillemets + Fin;
    const std::size_t entête = 2 * (PremièreLigneFigure.size() + Fin) + (Nombre + Fin) + (Octet + Fin);
    const std::size_t pied = 3 * (MotLong + Fin) + 3 * (Octet + Fin);
    return entête + LimitePoints * point + (Octet + Fin) + LimiteTracés * tracé + pied;
}

std::string ÉcrireOctetsFigure(const FigureFichier& figure);
LectureFigure LireOctetsFigure(std::string_view octets);

LectureFigure LireFichierFigure(const std::filesystem::path& chemin);
// Un échec laisse l'ancien fichier intact.
Enregistrement EnregistrerFichierFigure(const std::filesystem::path& chemin, const FigureFichier& figure);

// Les noms des sommets (ChaîneSommets) du premier tracé « Polygone » de l'historique, rien sans polygone.
std::optional<std::string> PolygoneDeLaFigure(const FigureFichier& figure);

// Le rapport de zoom écrit dans le fichier, et le XMax qu'il redonne pour une unité (au moins 1).
double RapportZoom(std::int32_t unité, std::int32_t xMax);
std::int32_t XMaxDuRapport(std::int32_t unité, double rapport);
