// The third settings record, "kz": the calendar settings of a case; and the kinds of record a
// settings file can hold.
#pragma once

#include <optional>
#include <string>

#include "kalenderangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// A record is known by its first two bytes: "st" the case, "tb" its table, "kz" its calendar
// settings, "sv" its tax and insurance settings, "pe" a field of its person. Any other beginning is
// a record of a later version: a reader passes over it, says so and leaves the file as it is.
enum class Satzart { fall, tabelle, kalender, steuer, person, unbekannt };
Satzart satzartVon(const Einstellungssatz& satz);

// Why a record of a later version was passed over: „der 3. Satz beginnt mit „xy“, den diese Version
// von Korvalt nicht kennt“. `nummer` counts from 1.
std::string unbekannterSatzGrund(int nummer, const Einstellungssatz& satz);

// "kz", then the start month, the current step and its month, both shares and the raise as digits;
// blanks for what is not set. The layout is in docs/einstellungsdatei.md. Build it only for
// settings that are not `leer()`, so that a case without them is saved as before.
Einstellungssatz kalendersatzBilden(const Kalenderangaben& angaben);

// The settings of a "kz" record. Nothing, and a German reason, for a record that is not one or
// whose values are damaged or outside their limits.
std::optional<Kalenderangaben> kalendersatzLesen(const Einstellungssatz& satz, std::string& fehler);

}  // namespace korvalt
