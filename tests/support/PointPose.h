// Un point tel que l'élève le tape, et un polygone tracé sur des points : les figures des tests.
#pragma once

#include <string>
#include <vector>

struct PointPosé {
    std::string Nom;
    std::string X;
    std::string Y;
};

struct FigureTracée {
    std::vector<PointPosé> Points;
    std::string Sommets;
};
