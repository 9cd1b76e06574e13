// Les commandes des longueurs et des angles du polygone tracé : ses lignes de mesure, puis leur fenêtre.
#pragma once

#include "model/Modulebas.h"
#include "ui/Controle.h"
#include "ui/Plateforme.h"

#include <optional>
#include <string>

// Les noms des sommets du polygone dessiné, celui que mesurent les longueurs et les angles et que nomme
// Analyse ; rien sans polygone. Après la lecture d'un fichier, c'est le premier de son historique.
std::optional<std::string> SommetsMesurés(const Modulebas& m);

// BtonLong et ItemLong : TabLongueurs, puis FormLong en modal.
void CommandeLongueurs(Modulebas& m, Plateforme& plateforme, const Contrôle& principale);

// BtonAngle et ItemAngle : TabAngles, puis FormAngle en modal ; un polygone croisé n'a que son message.
void CommandeAngles(Modulebas& m, Plateforme& plateforme, const Contrôle& principale);
