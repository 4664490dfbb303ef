// The settings file "korvalt-einstellungen.dat": its first 75 bytes hold the saved case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "tarifdaten.h"

namespace korvalt {

inline constexpr const char* einstellungsdateiName = "korvalt-einstellungen.dat";

// The first 75 bytes of the file, or nothing when it is missing, unreadable or shorter.
std::optional<Einstellungssatz> einstellungsdateiLesen(const std::filesystem::path& pfad);

// Writes the record as the file's only record, whole or not at all. On failure returns false and
// a German reason; the old file is then unchanged.
bool einstellungsdateiSchreiben(const std::filesystem::path& pfad, const Einstellungssatz& satz,
                                std::string& fehler);

}  // namespace korvalt
