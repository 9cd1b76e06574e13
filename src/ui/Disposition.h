// La place des contrôles d'un dialogue, en twips.
#pragma once

#include "ui/Controle.h"

#include <string>

inline Contrôle ContrôlePlacé(std::string caption, int left, int top, int width, int height)
{
    Contrôle c;
    c.Caption = std::move(caption);
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    return c;
}

inline Contrôle ContrôleCaché(std::string caption, int left, int top, int width, int height)
{
    Contrôle c = ContrôlePlacé(std::move(caption), left, top, width, height);
    c.Visible = false;
    return c;
}
