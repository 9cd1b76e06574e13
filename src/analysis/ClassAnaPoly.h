// L'objet d'analyse d'un polygone de la figure : nom de la figure, côtés, angles et croisement.
#pragma once

#include "analysis/Droite.h"
#include "model/Messagerie.h"
#include "model/Modulebas.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Les sommets sont désignés par leur position (à partir de 1) dans la suite des noms ; la table
// partagée Modulebas::IndSommets donne pour chaque position l'indice du point dans Points.
class ClassAnaPoly {
public:
    ClassAnaPoly(Modulebas& m, Messagerie& messagerie);

    void NomSommets(std::string noms);
    const std::string& NomSommets() const;
    // Nomme la figure de NomSommets (suite fermée, ABCA) ; une figure fermée de 3 à 10 sommets
    // laisse dans NomSommets la suite ouverte (ABC).
    std::string DescriptionFig();
    const std::string& Figure() const;
    // Sur la suite ouverte ; construit aussi la table des sommets dont se servent Angle et TestAng.
    bool PolyCroisé();
    void NumPoint1(std::size_t n);
    void NumPoint2(std::size_t n);
    void NumPoint3(std::size_t n);
    void NumPoint4(std::size_t n);
    // Longueur du côté NumPoint1 (le dernier côté revient au sommet 1).
    double DistancePointPoint();
    // L'angle en NumPoint2 est-il rentrant ? NumPoint4 : 0, ou le sommet opposé d'un quadrilatère.
    bool TestAng();
    // Angle en NumPoint2 entre NumPoint1 et NumPoint3, en degrés, de 0 à 180.
    double Angle();

private:
    struct Coordonnées {
        double x = 0;
        double y = 0;
    };

    // Géométrie.
    void IndexerSommets(const std::string& noms);
    // Le numéro dans Points du sommet k, 0 pour un nom qui n'est celui d'aucun point.
    std::size_t NuméroDuSommet(std::size_t k) const;
    // Les textes d'un point ne sont calculés qu'une fois par analyse, quel que soit le nombre de
    // comparaisons : seul un point dont les textes ont changé depuis est calculé à nouveau.
    Coordonnées Position(std::size_t numéro) const;
    Coordonnées Sommet(std::size_t k) const;
    double DistanceSommets(std::size_t a, std::size_t b) const;
    bool SommetsConfondus(std::size_t a, std::size_t b) const;
    double AngleSommets(std::size_t p1, std::size_t p2, std::size_t p3) const;
    static double ArcCosinus(double x);
    bool TestPerpendiculaire(std::size_t p1, std::size_t p2, std::size_t p3) const;
    bool TestParallèles(std::size_t p1, std::size_t p2, std::size_t p3, std::size_t p4) const;
    bool TestTriangleConfondus(const std::string& noms);
    bool TestQuadriConfondus(const std::string& noms);
    bool TestPointsConfondus(const std::string& noms);
    bool AucunePaireConfondue(const std::string& noms,
                              const std::vector<std::pair<std::size_t, std::size_t>>& paires,
                              const std::string& message);
    bool TestCroisé(const std::string& noms) const;
    Droite CalculerDroite(std::size_t k1, std::size_t k2) const;
    Intersection IntersectionDroites(const Droite& l1, const Droite& l2) const;
    static bool CadresDisjoints(const Droite& l1, const Droite& l2);
    static bool PointDansSegment(const Droite& l, double x, double y);
    Droite CalculerDroiteCartésienne(std::size_t k1, std::size_t k2) const;
    double DistancePointDroite(std::size_t k, const Droite& l) const;
    bool AngleRentrant(std::size_t p1, std::size_t p2, std::size_t p3, std::size_t& p4) const;

    // Classement.
    std::string DécrireFigure(std::string& noms);
    std::string DécrireTriangle(const std::string& noms);
    std::string DécrireQuadrilatère(const std::string& noms);
    std::string DécrirePolygone(const std::string& noms, std::size_t n);
    bool TestTriangleRectangle() const;
    std::vector<std::size_t> SommetsIsocèles() const;
    bool CôtésÉgaux(std::size_t a, std::size_t b, std::size_t c, std::size_t d) const;
    bool TestTrapèze() const;
    bool TestAngleDroitTrapèze() const;
    bool TestTrapèzeIsocèle() const;
    bool TestParallélogramme() const;
    bool TestRectangle() const;
    bool TestCarré() const;
    bool TestLosange() const;
    bool TestCerfVolant() const;
    bool TestRégulier(std::size_t n) const;

    Modulebas& m;
    Messagerie& messagerie;
    std::string nomSommets;
    std::string figure;
    std::size_t numPoint1 = 0;
    std::size_t numPoint2 = 0;
    std::size_t numPoint3 = 0;
    std::size_t numPoint4 = 0;
    struct PositionRetenue {
        std::string X;
        std::string Y;
        Coordonnées Valeur;
        bool Calculée = false;
    };
    // Par numéro de point ; l'entrée 0 est celle des noms sans point.
    mutable std::vector<PositionRetenue> positions;
};
