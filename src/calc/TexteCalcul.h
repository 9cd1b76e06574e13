// Le texte d'un calcul tel que la calculatrice le lit, et la position en caractères de chaque octet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TexteCalcul {
public:
    // La virgule décimale devient un point et « : » le signe de division.
    explicit TexteCalcul(std::string_view saisie);

    const std::string& Octets() const { return octets; }
    std::size_t Taille() const { return octets.size(); }
    char operator[](std::size_t octet) const { return octets[octet]; }

    // Index à partir de 0, en caractères UTF-8, de l'octet donné (la taille pour la fin du texte).
    int Caractère(std::size_t octet) const { return caractères[octet]; }

private:
    std::string octets;
    std::vector<int> caractères;
};
