// The settings file "korvalt-einstellungen.dat": its first 75-byte record holds the saved case.
#pragma once

#include <filesystem>
#include <string>

#include "tarifdaten.h"

namespace korvalt {

inline constexpr const char* einstellungsdateiName = "korvalt-einstellungen.dat";

// What reading the settings file found.
struct Einstellungslesung {
    enum class Ergebnis { fehlt, gelesen, unbrauchbar };
    Ergebnis ergebnis = Ergebnis::fehlt;
    Einstellungssatz satz{};  // the first record, when read
    // German message for a file that is there but cannot be used ("... Sie wurde nicht verwendet
    // und bleibt unverändert."), and for a missing one that was asked for by name.
    std::string fehler;
};

// A usable file is one or more whole 75-byte records of the program's own layout: the first
// begins with "st", every further one with "st" or "tb" (a table record).
Einstellungslesung einstellungsdateiLesen(const std::filesystem::path& pfad);

// Writes the record as the file's only record, whole or not at all. On failure returns false and
// a German reason; the old file is then unchanged.
bool einstellungsdateiSchreiben(const std::filesystem::path& pfad, const Einstellungssatz& satz,
                                std::string& fehler);

}  // namespace korvalt
