// Tableau extensible indexé à partir de 1, dont le contenu survit à l'agrandissement.
#pragma once

#include <cstddef>
#include <vector>

template <typename T> class TableauBase1 {
public:
    TableauBase1() = default;
    explicit TableauBase1(std::size_t dimension) : éléments(dimension) {}

    T& operator[](std::size_t i) { return éléments.at(i - 1); }
    const T& operator[](std::size_t i) const { return éléments.at(i - 1); }

    std::size_t Dimension() const { return éléments.size(); }

    // Les entrées gardées restent, les nouvelles sont vides.
    void Redimensionner(std::size_t dimension) { éléments.resize(dimension); }

private:
    std::vector<T> éléments;
};
