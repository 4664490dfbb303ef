// The settings file "korvalt-einstellungen.dat": 75-byte records; the first holds the saved case, a
// second names its table when that is not the one of 2006.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tarifdaten.h"

namespace korvalt {

inline constexpr const char* einstellungsdateiName = "korvalt-einstellungen.dat";

// Record `satznummer` (from 1) of the file, or nothing when the file is missing, unreadable or
// ends before the record's last byte.
std::optional<Einstellungssatz> einstellungsdateiLesen(const std::filesystem::path& pfad,
                                                       int satznummer = 1);

// Writes the records as the file's whole content through a temporary file that then replaces the
// old one, so a failed save never damages the saved case. On failure returns false and a German
// reason.
bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                const std::vector<Einstellungssatz>& saetze, std::string& fehler);
inline bool einstellungsdateiSchreiben(const std::filesystem::path& pfad,
                                       const Einstellungssatz& satz, std::string& fehler) {
    return einstellungsdateiSchreiben(pfad, std::vector<Einstellungssatz>{satz}, fehler);
}

}  // namespace korvalt
