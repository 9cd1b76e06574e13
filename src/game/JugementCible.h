// Le verdict de l'Analyse pendant une cible : la figure tracée est-elle celle demandée, et pourquoi.
#pragma once

#include "game/TableCibles.h"

#include <string>
#include <string_view>

struct JugementCible {
    bool Réussie = false;
    // La phrase de l'analyse, complétée par l'explication du verdict (sans le point final).
    std::string Description;
};

// description et figure sont la phrase (DescriptionFig) et le nom court (Figure) de l'analyse.
JugementCible JugerFigure(const Cible& cible, std::string description, std::string_view figure);
