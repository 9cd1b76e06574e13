// Les cibles de durée et le pic de mémoire, rapportés comme compteurs des mesures.
#pragma once

#include <benchmark/benchmark.h>
#include <functional>

// Le temps processeur du programme : sur une machine partagée, il bouge moins que le temps écoulé.
double SecondesProcesseur();

// « cible_us » : la durée visée par opération ; « rapport » : le temps processeur par itération depuis
// `début`, divisé par la cible. Sous 1, la cible est tenue.
void RapporterCible(benchmark::State& état, double début, double cibleMicrosecondes);

// « pic_octets » : le plus haut niveau de mémoire allouée pendant une exécution de l'opération.
void RapporterPic(benchmark::State& état, const std::function<void()>& opération);
