// Colours as 24-bit values with red in the low byte, and the colours of the window's colour code.
#pragma once

#include <cstdint>

namespace korvalt {

using Farbe = std::uint32_t;

constexpr Farbe rgb(int rot, int gruen, int blau) {
    return Farbe(rot) | Farbe(gruen) << 8 | Farbe(blau) << 16;
}
constexpr int rotAnteil(Farbe f) {
    return int(f & 0xFF);
}
constexpr int gruenAnteil(Farbe f) {
    return int(f >> 8 & 0xFF);
}
constexpr int blauAnteil(Farbe f) {
    return int(f >> 16 & 0xFF);
}

namespace farben {
inline constexpr Farbe hellgruen = rgb(128, 255, 128);  // the normal case
inline constexpr Farbe hellgelb = rgb(255, 255, 0);     // the individual case
inline constexpr Farbe hellgrau =
    rgb(224, 224, 224);  // a step not reached; the window's background
inline constexpr Farbe gitterGrund = rgb(238, 238, 238);
inline constexpr Farbe hellrot = rgb(255, 0, 0);
inline constexpr Farbe schwarz = rgb(0, 0, 0);
inline constexpr Farbe weiss = rgb(255, 255, 255);
inline constexpr Farbe blassgelb = rgb(255, 255, 128);  // the yellow patches of the design
inline constexpr Farbe dunkelgrau = rgb(64, 64, 64);
inline constexpr Farbe garantiegruen = rgb(0, 192, 0);
}  // namespace farben

}  // namespace korvalt
