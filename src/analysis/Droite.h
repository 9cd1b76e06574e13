// La droite qui porte un côté du polygone, sous l'une de ses deux écritures.
#pragma once

// Première écriture : y = A·x + B, ou verticale. Seconde écriture : A·x + B·y + C = 0.
struct Droite {
    double A = 0;
    double B = 0;
    double C = 0;
    // Les extrémités du côté, en unités du repère.
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    bool Verticale = false;
};

// Le point où se coupent deux droites de côtés, et s'il est sur les deux côtés.
struct Intersection {
    double X = 0;
    double Y = 0;
    bool SurLesDeuxCôtés = false;
};
