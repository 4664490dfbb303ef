// The save command: after confirmation the current case goes to the settings file as the record
// that the next start restores.
#pragma once

#include <filesystem>
#include <string>

#include "anzeigefelder.h"
#include "meldungen.h"
#include "sitzung.h"

namespace korvalt {

inline constexpr const char* speichernTitel = "Neue Einstellungen speichern";

// The question before saving into `datei`: what is saved, the file in full, and that the case
// there is replaced.
std::string speichernFrage(const std::filesystem::path& datei);

// Asks with OK/Abbrechen (unless `fragen` is false), naming what is saved where; on OK builds the
// records from the start-group text, the durations and the case's table and replaces the session's
// settings file with them. A failed save shows why and leaves the file as it was. True when the
// records were written.
bool einstellungenSpeichern(const Sitzung& sitzung, const Anzeigefelder& felder,
                            Meldungen& meldungen, bool fragen = true);

}  // namespace korvalt
