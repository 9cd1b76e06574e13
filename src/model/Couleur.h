// Couleur RVB sur 24 bits.
#pragma once

#include <cstdint>

struct Couleur {
    std::uint8_t R = 0;
    std::uint8_t V = 0;
    std::uint8_t B = 0;

    bool operator==(const Couleur&) const = default;
};
