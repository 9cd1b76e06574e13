// Frontière des fichiers texte du programme : lignes Windows-1252 en CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Les lignes d'un texte UTF-8, sans leur fin, découpées à la demande : aucune n'est copiée, un fichier de
// lignes vides ne coûte que son texte. LF seul est accepté comme fin de ligne ; un LF final n'ouvre pas
// de ligne de plus.
class LignesTexte {
public:
    explicit LignesTexte(std::string texte) : texte(std::move(texte)) {}

    class Itérateur {
    public:
        Itérateur() = default;
        Itérateur(std::string_view texte, std::size_t début);
        std::string_view operator*() const;
        Itérateur& operator++();
        bool operator==(const Itérateur& autre) const { return début == autre.début; }

    private:
        void TrouverFin();

        std::string_view texte;
        std::size_t début = 0;
        std::size_t fin = 0;
    };

    // Les itérateurs renvoient au texte gardé ici : ils ne survivent ni à l'objet ni à son déplacement.
    Itérateur begin() const { return {texte, 0}; }
    Itérateur end() const { return {texte, texte.size()}; }

private:
    std::string texte;
};

// Les lignes du fichier en UTF-8.
LignesTexte LignesDuFichier(std::string_view octets);

// Chaque ligne en Windows-1252 suivie de CR LF.
std::string OctetsDesLignes(const std::vector<std::string>& lignes);
