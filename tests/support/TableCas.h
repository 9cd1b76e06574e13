// Les tables de cas des tests : un fichier de tests/data, un cas par ligne, des colonnes séparées par des
// tabulations ; les lignes vides et celles qui commencent par « # » sont des commentaires.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef VELMOR_DONNEES_TESTS
#error "VELMOR_DONNEES_TESTS doit nommer le dossier des données des tests"
#endif

struct CasTable {
    std::string Où; // « fichier.tsv:12 », pour dire quelle ligne a échoué
    std::vector<std::string> Colonnes;

    // Une colonne absente en fin de ligne vaut le texte vide.
    const std::string& operator[](std::size_t i) const
    {
        static const std::string vide;
        return i < Colonnes.size() ? Colonnes[i] : vide;
    }
};

inline std::string CheminDonnées(const std::string& nom)
{
    return std::string(VELMOR_DONNEES_TESTS) + "/" + nom;
}

// Une table vide ou introuvable est une erreur : un test sans cas ne vérifierait rien.
inline std::vector<CasTable> LireTableCas(const std::string& nom)
{
    std::ifstream fichier(CheminDonnées(nom));
    std::vector<CasTable> cas;
    int numéro = 0;
    for (std::string ligne; std::getline(fichier, ligne);) {
        ++numéro;
        if (ligne.empty() || ligne.front() == '#')
            continue;
        CasTable c{nom + ":" + std::to_string(numéro), {}};
        std::istringstream champs(ligne);
        for (std::string champ; std::getline(champs, champ, '\t');)
            c.Colonnes.push_back(champ);
        cas.push_back(std::move(c));
    }
    if (cas.empty())
        throw std::runtime_error("table de cas vide ou introuvable : " + nom);
    return cas;
}
