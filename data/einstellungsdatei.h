// The settings file "korvalt-einstellungen.dat": 75-byte records; the first holds the saved case, a
// second names its table when that is not the one of 2006.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tarifdaten.h"

namespace korvalt {

inline constexpr const char* einstellungsdateiName = "korvalt-einstellungen.dat";

// What reading the settings file found.
struct Einstellungslesung {
    enum class Ergebnis { fehlt, gelesen, unbrauchbar };
    Ergebnis ergebnis = Ergebnis::fehlt;
    Einstellungssatz satz{};  // the first record, when read
    // The second record, naming the case's table, when the file has one.
    std::optional<Einstellungssatz> tabellensatz;
    // German message for a file that is there but cannot be used ("... Sie wurde nicht verwendet
    // und bleibt unverändert."), and for a missing one that was asked for by name.
    std::string fehler;
};

// A usable file is one or more whole 75-byte records of the program's own layout: the first
// begins with "st", every further one with "st" or "tb" (a table record).
Einstellungslesung einstellungsdateiLesen(const std::filesystem::path& pfad);

// Writes the records as the file's whole content, whole or not at all. On failure returns false
// and a German reason; the old file is then unchanged.
bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                const std::vector<Einstellungssatz>& saetze, std::string& fehler);
inline bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                       const Einstellungssatz& satz, std::string& fehler) {
    return einstellungsdateiSchreiben(pfad, std::vector<Einstellungssatz>{satz}, fehler);
}

}  // namespace korvalt
