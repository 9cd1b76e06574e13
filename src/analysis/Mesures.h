// Les lignes de mesure des côtés et des angles d'un polygone, telles que leurs fenêtres les affichent.
#pragma once

#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct LigneMesure {
    std::string Texte; // « AB = 3,6 », « B = 108° »
    double Valeur = 0; // la mesure avant arrondi, en unités du repère ou en degrés
};

// Un nombre entier s'écrit avec tous ses chiffres ; les autres à `précision` décimales (moitié au
// pair), avec le séparateur décimal des réglages régionaux, sans zéro final.
std::string TexteMesure(double v, std::uint8_t précision, std::string_view séparateur);

// Une ligne par côté de la suite ouverte `noms` (ABC : AB, BC, CA), à m.Précision décimales.
std::vector<LigneMesure> LignesLongueurs(Modulebas& m, Messagerie& messagerie, const std::string& noms,
                                         std::string_view séparateur);

// Une ligne par sommet ; un angle rentrant vaut 360 − l'angle. Un polygone croisé n'a pas d'angles :
// le message le dit et le résultat est vide.
std::optional<std::vector<LigneMesure>> LignesAngles(Modulebas& m, Messagerie& messagerie,
                                                     const std::string& noms, std::string_view séparateur);
