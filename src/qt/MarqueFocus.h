// Le cadre du focus au clavier, dessiné par-dessus un widget aux couleurs que son contrôle donne.
#pragma once

#include "ui/Controle.h"

#include <optional>

class QWidget;

// Pose, met à jour ou éteint le cadre du widget ; sans cadre dans le contrôle, le système montre le sien.
void PoserMarqueFocus(QWidget& widget, const std::optional<CadreFocus>& cadre);
