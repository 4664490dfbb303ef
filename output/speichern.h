// The save command: after confirmation the current case goes to the settings file as the record
// that the next start restores.
#pragma once

#include <filesystem>

#include "anzeigefelder.h"
#include "falltabellen.h"
#include "meldungen.h"
#include "tarifdaten.h"

namespace korvalt {

inline constexpr const char* speichernTitel = "Neue Einstellungen speichern";

// Asks with OK/Abbrechen (unless `fragen` is false); on OK builds the records from the start-group
// text, the durations and the case's table and replaces the file with them. A failed save shows why
// and leaves the file and the records in `daten` as they were. True when the records were written.
bool einstellungenSpeichern(TarifDaten& daten, const Falltabellen& t, const Anzeigefelder& felder,
                            Meldungen& meldungen, const std::filesystem::path& datei,
                            bool fragen = true);

}  // namespace korvalt
