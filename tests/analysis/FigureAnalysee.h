// Une figure de test faite de points nommés, et ce que l'analyse en dit.
#pragma once

#include "analysis/ClassAnaPoly.h"
#include "model/Modulebas.h"
#include "support/MessagerieEnregistree.h"
#include "support/PointPose.h"

#include <string>
#include <vector>

inline Modulebas FigureDe(const std::vector<PointPosé>& points)
{
    Modulebas m;
    m.Points.Redimensionner(points.size() + PasTableaux);
    for (const PointPosé& p : points) {
        ++m.NbPoints;
        m.Points[m.NbPoints] = PointFig{.X = p.X, .Y = p.Y, .Nom = p.Nom};
    }
    return m;
}

struct Analyse {
    std::string Phrase;
    std::string Figure;
    std::string NomSommets;
    std::vector<MessageTitré> Messages;
};

inline Analyse Analyser(const std::vector<PointPosé>& points, const std::string& noms)
{
    Modulebas m = FigureDe(points);
    MessagerieEnregistrée messagerie;
    ClassAnaPoly analyse(m, messagerie);
    analyse.NomSommets(noms);
    Analyse résultat;
    résultat.Phrase = analyse.DescriptionFig();
    résultat.Figure = analyse.Figure();
    résultat.NomSommets = analyse.NomSommets();
    résultat.Messages = messagerie.Messages;
    return résultat;
}
