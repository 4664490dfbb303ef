// The tariff data file "zelbar06.1tr" (layout in tarifdateiformat.h), read by record number, and
// the list of tables beside it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "meldungen.h"
#include "reihen.h"
#include "tarifdateiformat.h"
#include "tariftabellen.h"

namespace korvalt {

inline constexpr const char* tarifdateiName = "zelbar06.1tr";

// Monthly pays above 1,000,000 euros (in cents) are taken for a damaged file.
inline constexpr std::int32_t groessterPlausiblerCent = 100'000'000;

using Tarifsatz = Reihe<std::int32_t, 1, tarifsatzElemente>;

// Where the program looks for the tariff file: the working directory, beside the program,
// then the installed data directory.
std::vector<std::filesystem::path> tarifdateiSuchorte(
    const std::filesystem::path& programmverzeichnis);

class Tarifdatei {
  public:
    // Opens the first file found and keeps it open, and returns the list of tables beside it. A
    // missing file, or one too short for the tables of the list, is reported once; the amounts then
    // read as 0. Never creates a file.
    Tabellenkatalog aufsuchen(const std::vector<std::filesystem::path>& suchorte,
                              Meldungen& meldungen);

    // Reads record `satznummer` (counted from 1); what lies beyond the end of the file reads as 0.
    void lesen(int satznummer, Tarifsatz& satz);

    bool offen() const { return datei_ != nullptr; }
    const std::filesystem::path& pfad() const { return pfad_; }
    long lesezugriffe() const { return lesezugriffe_; }

  private:
    void entgelteVorpruefen(const Tabellenkatalog& katalog, Meldungen& meldungen);

    struct Schliessen {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Schliessen> datei_;
    std::filesystem::path pfad_;
    long lesezugriffe_ = 0;
};

// The pays of steps 1..6 in a record; a step the table lacks stays empty.
Gruppenentgelte gruppenentgelte(const Tarifsatz& satz);

// The pays of group `gruppe` (1..number of groups) of a table.
Gruppenentgelte gruppenentgelteLesen(Tarifdatei& datei, const Tariftabelle& tabelle, int gruppe);

}  // namespace korvalt
