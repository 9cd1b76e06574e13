#include "files/ChargementFigure.h"

#include "files/FichierFigure.h"

FigureFichier FigureDuModèle(const Modulebas& m, bool axesAffichés, bool quadrillageAffiché)
{
    FigureFichier figure;
    figure.RapportZoom = RapportZoom(m.Unité, m.XMax);
    for (std::size_t i = 1; i <= m.NbPoints; ++i)
        figure.Points.push_back(m.Points[i]);
    for (std::size_t i = 1; i <= m.NbTracés; ++i)
        figure.Tracés.push_back(m.Tracés[i]);
    figure.AxesAffichés = axesAffichés;
    figure.QuadrillageAffiché = quadrillageAffiché;
    figure.Précision = m.Précision;
    return figure;
}

void ChargerFigure(Modulebas& m, const FigureFichier& figure)
{
    const auto nbPoints = figure.Points.size();
    m.Points = TableauBase1<PointFig>(nbPoints + 1);
    m.TabLongueurs = std::vector<std::string>(m.CapPoints() + 1);
    for (std::size_t i = 1; i <= nbPoints; ++i)
        m.Points[i] = figure.Points[i - 1];
    m.NbPoints = static_cast<std::uint8_t>(nbPoints);

    const auto nbTracés = figure.Tracés.size();
    if (nbTracés >= m.CapTracés())
        m.Tracés.Redimensionner(nbTracés + 1);
    for (std::size_t i = 1; i <= nbTracés; ++i)
        m.Tracés[i] = figure.Tracés[i - 1];
    m.NbTracés = nbTracés;

    m.PolygoneTracé = false;
    if (const auto polygone = PolygoneDeLaFigure(figure))
        m.ChaîneSommets = *polygone;
    m.Précision = figure.Précision;
}
