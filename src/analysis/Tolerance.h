// Les seuils de l'analyse : des coordonnées décimales ne tombent presque jamais juste.
#pragma once

// 1/10^11, en unités du repère : deux longueurs qui diffèrent d'au plus autant sont égales.
inline constexpr double Tolérance = 1e-11;
// En degrés : des coordonnées à 12 décimales écartent les angles d'un polygone régulier de 10^-10 environ.
inline constexpr double ToléranceAngles = 1e-6;

inline bool LongueursÉgales(double a, double b)
{
    return a - Tolérance <= b && a + Tolérance >= b;
}
