// Les sept exercices guidés du menu Exercices : libellés, énoncés et nombre de points permis.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct Exercice {
    std::string_view Item;    // l'article du sous-menu Constructions
    std::string_view Légende; // son libellé, avec la touche d'accès
    std::string_view Titre;   // EtiNomExo
    std::string_view Statut;  // EtiStatut
    std::uint8_t NbPoints;    // NbPointsMax pendant l'exercice
    std::string_view Énoncé;  // EtiExercice ; les sauts de ligne sont ceux du programme (CR LF, CR CR LF)
};

inline constexpr std::size_t NbExercices = 7;

inline constexpr std::array<Exercice, NbExercices> TableExercices{{
    {"ItemSymAxe1", "&Symétrie axiale 1", "Symétrie axiale 1",
     "Symétrie axiale : construis le quadrilatère ABCD", 4,
     "Place les points : A(-5 ; 5), B(-5 ; 1) et C(2 ; -2).\r\n"
     "D est le point image du point B dans la symétrie d'axe (AC).\r\r\n"
     "- Place le point D\r\n"
     "- Quelle est la nature du quadrilatère ABCD ?"},
    {"ItemSymAxe2", "Symétrie &axiale 2", "Symétrie axiale 2",
     "Symétrie axiale : construis le quadrilatère ABCD", 4,
     "Place les points : A(-4 ; 4), B(-3 ; -1) et C(2 ; -2).\r\n"
     "D est le point image du point B dans la symétrie d'axe (AC).\r\r\n"
     "- Place le point D\r\n"
     "- Quelle est la nature du quadrilatère ABCD ?"},
    {"ItemSymCent", "Symétrie &centrale", "Symétrie centrale",
     "Symétrie centrale : construis le quadrilatère ABCD", 5,
     "Place les points : A(-4 ; 4), B(-3 ; -1) et I(-1 ; 1).\r\n"
     "C est le point image du point A dans la symétrie de centre I.\r\n"
     "D est le point image du point B dans la symétrie de centre I.\r\r\n"
     "- Place les points C et D\r\n"
     "- Quelle est la nature du quadrilatère ABCD ?"},
    {"ItemTrans1", "Translation &1", "Translation 1", "Translation 1 : construis le quadrilatère ABDC", 4,
     "Place les points : A(4 ; 5), B(-3 ; 3) et C(2 ; -2).\r\n"
     "D est le point image du point B dans la translation qui transforme A en C.\r\r\n"
     "- Place le point D\r\n"
     "- Quelle est la nature du quadrilatère ABDC ?"},
    {"ItemTrans2", "Translation &2", "Translation 2", "Translation 2 : construis le quadrilatère ABDC", 4,
     "Place les points (il est possible de changer l'échelle) : A(5 ; -3), B(11 ; 0) et C(2 ; 3).\r\n"
     "D est le point image du point C dans la translation qui transforme A en B.\r\r\n"
     "- Place le point D\r\n"
     "- Quelle est la nature du quadrilatère ABDC ?"},
    {"ItemTrans3", "Translation &3", "Translation 3", "Translation 3 : construis le quadrilatère REMI", 4,
     "Place les points (il est possible de changer l'échelle) : M(7 ; 2), R(-4 ; 10) et E(-2 ; -3).\r\n"
     "I est le point image du point M dans la translation qui transforme E en R.\r\r\n"
     "- Place le point I\r\n"
     "- Quelle est la nature du quadrilatère REMI ?"},
    {"ItemTriEqui", "&Triangle équilatéral", "Triangle équilatéral", "Construis le triangle équilatéral ABC",
     3,
     "Place les points : B(-3 ; -2) et C(3 ; -2).\r\r\n"
     " - Place le point A pour que le triangle ABC soit équilatéral (il faut saisir un calcul pour "
     "l'ordonnée du "
     "point A)."},
}};
