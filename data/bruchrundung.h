// Exact integer fractions rounded to a whole number, a half up: the rounding of every amount that
// is raised, shared or averaged to the cent.
#pragma once

#include <cassert>
#include <cstdint>

namespace korvalt {

// zaehler / nenner rounded to the nearest whole number, a half away from zero (7/2 -> 4, -7/2 ->
// -4); `nenner` > 0. Exact as long as 2 * |zaehler| + nenner fits 64 bits.
constexpr std::int64_t geteiltGerundet(std::int64_t zaehler, std::int64_t nenner) {
    assert(nenner > 0);
    if (zaehler < 0) return -((-zaehler * 2 + nenner) / (2 * nenner));
    return (zaehler * 2 + nenner) / (2 * nenner);
}

}  // namespace korvalt
