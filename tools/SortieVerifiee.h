// La sortie standard de velmor-analyse : chaque écriture est vérifiée, la première qui échoue arrête tout.
#pragma once

#include <cstdio>
#include <string_view>

class SortieVérifiée {
public:
    // Un descripteur fermé est refusé d'emblée : le premier fichier ouvert le prendrait, et ce qui
    // s'écrirait « sur la sortie » irait dans ce fichier.
    explicit SortieVérifiée(std::FILE* flux);

    void Ligne(std::string_view ligne);
    bool EnFaute() const { return erreur != 0; }
    // Vide le tampon : une sortie pleine ne se révèle souvent qu'à ce moment.
    bool Terminer();
    // Le numéro d'erreur du système de la première écriture ratée.
    int Erreur() const { return erreur; }

private:
    void Vérifier();

    std::FILE* flux;
    int erreur = 0;
};
