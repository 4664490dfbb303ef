// The tariff data file "zelbar06.1tr": 108-byte records of 27 little-endian 32-bit integers, read
// by number.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "meldungen.h"
#include "reihen.h"

namespace korvalt {

inline constexpr const char* tarifdateiName = "zelbar06.1tr";
inline constexpr int tarifsatzLaenge = 108;
inline constexpr int tarifsaetzeNoetig = 214;

using Tarifsatz = Reihe<std::int32_t, 1, 27>;

// Where the program looks for the tariff file: the working directory, beside the program,
// then the installed data directory.
std::vector<std::filesystem::path> tarifdateiSuchorte(
    const std::filesystem::path& programmverzeichnis);

class Tarifdatei {
  public:
    // Opens the first file found and keeps it open. A missing or too-short file is reported once;
    // the amounts then read as 0. Never creates a file.
    void aufsuchen(const std::vector<std::filesystem::path>& suchorte, Meldungen& meldungen);

    // Reads record `satznummer` (counted from 1); what lies beyond the end of the file reads as 0.
    void lesen(int satznummer, Tarifsatz& satz);

    bool offen() const { return datei_ != nullptr; }
    const std::filesystem::path& pfad() const { return pfad_; }
    long lesezugriffe() const { return lesezugriffe_; }

  private:
    struct Schliessen {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Schliessen> datei_;
    std::filesystem::path pfad_;
    long lesezugriffe_ = 0;
};

}  // namespace korvalt
