// Les services qui touchent au système : le dossier des figures de l'élève et la page de téléchargement.
#pragma once

#include <string>
#include <string_view>

struct Modulebas;
class Plateforme;

inline constexpr std::string_view SousDossierDocuments = "Velmor";
inline constexpr std::string_view SiteVelmor = "https://velmor.fr";
inline constexpr std::string_view PageTéléchargements = "/Telechargements.htm";
inline constexpr std::string_view TitreGestionFichiers = "Gestion des fichiers";

// Le navigateur n'a pas pu être lancé : la plateforme ne dit pas pourquoi, et le plus souvent aucune
// application n'est associée aux adresses web.
inline constexpr int CodeÉchecPageWeb = 31;

// CheminDocuments et CheminDocumentsMémorisé : le sous-dossier Velmor des documents du système, créé s'il
// manque, ou "" quand le système n'a pas de dossier des documents.
void ChercherDossierDocuments(Modulebas& m, Plateforme& plateforme);

// Le texte d'un code de lancement du navigateur inférieur à 33.
std::string TexteÉchecLancement(int code);

void OuvrirPageWeb(Modulebas& m, Plateforme& plateforme);
