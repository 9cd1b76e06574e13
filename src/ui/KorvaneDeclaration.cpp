// Korvane : ses contrôles et ses menus tels que toute vue les pose. L'ordre est celui de la lecture, qui
// est aussi celui du clavier : les outils de gauche de haut en bas, les couleurs, le canevas, la ligne
// d'état, le zoom, puis le panneau de droite, dont le panneau des exercices qui glisse par-dessus.
#include "ui/Korvane.h"

void Korvane::DéclarerMenus(Déclaration& d, const std::vector<EntréeMenu>& entrées, const Contrôle* menu)
{
    for (const EntréeMenu& entrée : entrées) {
        const Genre sorte = entrée.Item->Séparateur ? Genre::Séparateur : Genre::ÉlémentMenu;
        d.Ajouter(*entrée.Item, sorte, ClicDe(*entrée.Item)).Dans = menu;
        DéclarerMenus(d, entrée.Sous, entrée.Item);
    }
}

// Les gestionnaires inscrits au constructeur passent par Cliquer et Survoler, qui ne font rien d'un
// contrôle inactif ; un contrôle sans gestionnaire n'en déclare aucun.
std::function<void()> Korvane::ClicDe(Contrôle& c)
{
    if (!clics.contains(&c))
        return {};
    return [this, &c] { Cliquer(c); };
}

std::function<void()> Korvane::SurvolDe(Contrôle& c)
{
    if (!survols.contains(&c))
        return {};
    return [this, &c] { Survoler(c); };
}

Déclaration Korvane::Déclarer()
{
    Déclaration d;
    DéclarerMenus(d, Menus, nullptr);
    d.Raccourcis = Raccourcis;
    d.Survol = [this] { Form_MouseMove(); };
    d.Redimensionnement = [this] { Form_Resize(); };

    const auto étiquette = [&d](Contrôle& c, const Contrôle* dans = nullptr) -> ContrôleDéclaré& {
        ContrôleDéclaré& e = d.Ajouter(c, Genre::Étiquette);
        e.Aligné = Alignement::Gauche;
        e.Dans = dans;
        return e;
    };
    const auto bouton = [this, &d](Contrôle& c, const Contrôle* dans = nullptr) -> ContrôleDéclaré& {
        ContrôleDéclaré& b = d.Ajouter(c, Genre::Bouton, ClicDe(c));
        b.Survol = SurvolDe(c);
        b.Dans = dans;
        return b;
    };
    // Une case de couleur ou l'image du score : active comme un bouton, sur une seule ligne.
    const auto active = [&](Contrôle& c, Genre sorte, const Contrôle* dans = nullptr) -> ContrôleDéclaré& {
        ContrôleDéclaré& a = d.Ajouter(c, sorte, ClicDe(c));
        a.Survol = SurvolDe(c);
        a.Aligné = Alignement::Gauche;
        a.UneLigne = true;
        a.Dans = dans;
        return a;
    };
    const auto tableau = [&d](std::vector<Contrôle>& contrôles, const Contrôle* dans) -> ContrôleDéclaré& {
        ContrôleDéclaré& t = d.Contrôles.emplace_back();
        t.Tableau = &contrôles;
        t.Aligné = Alignement::Gauche;
        t.UneLigne = true;
        t.Dans = dans;
        return t;
    };

    for (Contrôle* c :
         {&BtonPointCoor, &BtonModifPoint, &BtonPolygone, &BtonLong, &BtonAngle, &BtonAnnule, &BtonEfface})
        bouton(*c);
    d.Ajouter(FrameCouleur, Genre::Cadre);
    for (Contrôle& c : EtiCoul)
        active(c, Genre::Étiquette, &FrameCouleur);
    active(EtiCoulSuite, Genre::Étiquette, &FrameCouleur).Aligné = Alignement::Centre;

    d.Ajouter(Ecran.Cadre, Genre::Image);
    for (Contrôle* c : {&EtiO, &EtiI, &EtiJ, &EtiX, &EtiY})
        étiquette(*c, &Ecran.Cadre);
    for (Contrôle& c : EtiQuad)
        étiquette(c, &Ecran.Cadre);
    // Les noms des points laissent la souris au canevas.
    tableau(EtiPoint, &Ecran.Cadre).Traversable = true;

    // Sous le canevas, la ligne d'état et ses boutons, puis le zoom en dessous.
    étiquette(EtiStatut);
    for (Contrôle* c : {&BtonFermer, &BtonAbandon, &BtonVelmor})
        bouton(*c);
    // Le « + » se pose sous le « - » qui le touche à gauche, mais Tab lit le zoom de gauche à droite.
    étiquette(LabelEch).Aligné = Alignement::Droite;
    bouton(BtonEchMoins).ClavierAprès = &BtonEchPlus;
    bouton(BtonEchPlus);
    étiquette(EtiEchelle);

    ContrôleDéclaré& étape = étiquette(EtiEtape);
    étape.Aligné = Alignement::HautGauche;
    étape.Gras = true;
    for (Contrôle* c : {&EtiComEtape, &LabEtape, &EtiRéponse})
        étiquette(*c);
    // Le panneau des exercices couvre celui de l'étape.
    d.Ajouter(PictureExo, Genre::Cadre);
    étiquette(EtiNomExo, &PictureExo);
    étiquette(EtiExercice, &PictureExo);
    bouton(BtonOk, &PictureExo);
    bouton(BtonSuite, &PictureExo);

    étiquette(LabAfficheScore);
    d.Ajouter(Shape3, Genre::Cadre);
    d.Ajouter(ShapeScore, Genre::Cadre);
    active(ImaBton, Genre::Image).Aligné = Alignement::Centre;
    for (Contrôle* c : {&EtiScore, &EtiBonus})
        étiquette(*c).Aligné = Alignement::Centre;
    for (Contrôle& c : Etixy)
        étiquette(c);

    // Les lignes des cibles : Tab ne s'arrête qu'une fois par ligne, sur son texte.
    for (std::vector<Contrôle>* marques : {&ShapeTypeFig1, &ShapeTypeFig2})
        tableau(*marques, nullptr);
    ContrôleDéclaré& lignes = tableau(LabTypeFig, nullptr);
    lignes.ClicÉlément = [this](std::size_t i) { CliquerÉlément(LabTypeFig, i); };
    lignes.SurvolÉlément = [this](std::size_t i) { SurvolerÉlément(LabTypeFig, i); };
    return d;
}
