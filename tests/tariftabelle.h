// Test helper: writes tariff files of made-up pay tables into a temporary directory.
#pragma once

#include <unistd.h>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tarifdateiformat.h"

namespace korvalt::test {

// Pay in cents, index [group][step], groups 1..15 and steps 1..6 (index 0 unused).
using Centtabelle = std::array<std::array<std::int32_t, 7>, 16>;

// A table whose steps rise by `schritt` cents from `anfang`, each group `gruppenschritt` above the
// last.
inline Centtabelle steigendeTabelle(std::int32_t anfang = 200000, std::int32_t schritt = 10000,
                                    std::int32_t gruppenschritt = 5000) {
    Centtabelle t{};
    for (int g = 1; g <= 15; ++g)
        for (int s = 1; s <= 6; ++s)
            t[g][s] = anfang + (g - 1) * gruppenschritt + (s - 1) * schritt;
    return t;
}

class TemporaeresVerzeichnis {
  public:
    TemporaeresVerzeichnis() {
        std::string muster =
            (std::filesystem::temp_directory_path() / "korvalt-test-XXXXXX").string();
        pfad_ = ::mkdtemp(muster.data());
    }
    ~TemporaeresVerzeichnis() {
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    const std::filesystem::path& pfad() const { return pfad_; }

  private:
    std::filesystem::path pfad_;
};

// Writes `saetze` records, the groups of the table of 2006 in their records 200..214.
inline void tarifdateiSchreiben(const std::filesystem::path& datei, const Centtabelle& tabelle,
                                int saetze = tarifsaetzeNoetig) {
    std::vector<unsigned char> bytes(std::size_t(saetze) * tarifsatzLaenge, 0);
    for (int g = 1; g <= 15; ++g) {
        const int satz = tarifsatzNummer(bereichSatzbasis(bereich2006), 15, g);
        if (satz > saetze) continue;
        for (int s = 1; s <= tarifStufen; ++s)
            elementSchreiben(bytes.data() + std::size_t(satz - 1) * tarifsatzLaenge, s,
                             tabelle[g][s]);
    }
    std::ofstream(datei, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace korvalt::test
