// Test helper: the VKA tables of the tariff file built beside the tests, each from the month it
// comes into force.
#pragma once

#include <vector>

#include "meldungsprotokoll.h"
#include "tabellenfolge.h"

namespace korvalt::test {

struct VkaNachDatum {
    std::vector<DatierteTabelle> tabellen;
    Tariftabelle tabelle;  // the groups and labels they share
};

inline VkaNachDatum vkaNachDatum() {
    Meldungsprotokoll meldungen;
    Tarifdatei datei;
    const Tabellenkatalog katalog = datei.aufsuchen({"."}, meldungen);
    VkaNachDatum vka;
    for (const auto& [schluessel, ab] : {std::pair{"2024-03", KalenderMonat(2024, 3)},
                                         std::pair{"2025-04", KalenderMonat(2025, 4)},
                                         std::pair{"2026-05", KalenderMonat(2026, 5)}}) {
        vka.tabelle = katalog.tabelle(schluessel);
        vka.tabellen.push_back({ab, schluessel, entgelttabelleLesen(datei, vka.tabelle)});
    }
    return vka;
}

// Group numbers of the tables from 2024.
inline constexpr int egr4 = 4;
inline constexpr int egr9b = 10;
inline constexpr int egr12 = 14;

}  // namespace korvalt::test
