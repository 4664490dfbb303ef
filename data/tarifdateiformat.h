// The layout of the tariff file "zelbar06.1tr", shared by the reader, the build tool and the tests.
//
// A flat file of 108-byte records, counted from 1, without header or separators. Each record is 27
// signed 32-bit little-endian integers; elements 1..6 are the monthly table pay of steps 1..6 in
// euro cents, elements 7..27 are reserved and 0. Each table is a block of 20 records: the block of
// tariff area a starts at record 20 * a - 40, and within it the groups run downwards, so the group
// with number g of a table of n groups is record base + n - g. The table of 2006 is area 12:
// records 200 (EGr. 15) .. 214 (EGr. 1).
#pragma once

#include <cstdint>
#include <limits>

namespace korvalt {

inline constexpr int tarifsatzLaenge = 108;
inline constexpr int tarifsatzElemente = 27;
inline constexpr int tarifStufen = 6;
inline constexpr int bereichSaetze = 20;
inline constexpr int bereich2006 = 12;

// A step that the table does not have (EGr. 1 step 1 in the tables from 2024). The table of 2006
// writes 0 there instead, and its bytes stay as they are.
inline constexpr std::int32_t keineStufe = std::numeric_limits<std::int32_t>::min();

constexpr int bereichSatzbasis(int bereich) {
    return bereichSaetze * bereich - 40;
}

constexpr int tarifsatzNummer(int satzbasis, int gruppenzahl, int gruppe) {
    return satzbasis + gruppenzahl - gruppe;
}

// Byte offset of element k (1..27) within its record.
constexpr int elementStelle(int element) {
    return 4 * (element - 1);
}

// The records a file must hold for the table of 2006 alone.
inline constexpr int tarifsaetzeNoetig = tarifsatzNummer(bereichSatzbasis(bereich2006), 15, 1);

inline std::int32_t elementLesen(const unsigned char* satz, int element) {
    const unsigned char* b = satz + elementStelle(element);
    const std::uint32_t wert = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                               std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    return static_cast<std::int32_t>(wert);
}

inline void elementSchreiben(unsigned char* satz, int element, std::int32_t wert) {
    const auto bits = static_cast<std::uint32_t>(wert);
    unsigned char* b = satz + elementStelle(element);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(bits >> (8 * i));
}

}  // namespace korvalt
