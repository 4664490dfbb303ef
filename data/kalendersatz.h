// The third settings record, "kz": the calendar settings of a case; and the kinds of record a
// settings file can hold.
#pragma once

#include <optional>
#include <string>

#include "kalenderangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// A record is known by its first two bytes: "st" the case, "tb" its table, "kz" its calendar
// settings, "fn" the name of one of its two cases, "sv" its tax and insurance settings, "pe" a
// field of its person. Any other beginning is a record of a later version: a reader passes over it,
// says so and keeps it to be written back in its place.
enum class Satzart { fall, tabelle, kalender, fallnamen, steuer, person, zeitraum, unbekannt };
Satzart satzartVon(const Einstellungssatz& satz);

// Why a record of a later version was passed over: „der 3. Satz beginnt mit „xy“, den diese Version
// von Korvalt nicht kennt“. `nummer` counts from 1.
std::string unbekannterSatzGrund(int nummer, const Einstellungssatz& satz);

// "kz", then the start month, the current step and its month, both shares and the raise as digits;
// blanks for what is not set. The layout is in docs/einstellungsdatei.md. The positions after the
// last one this version writes are blank, or those of `gelesen`, the record the case was read
// with. Build it only for settings that are not `leer()` or a read record with such positions
// in use (`unbekanntesBelegt`), so that a case without them is saved as before.
Einstellungssatz kalendersatzBilden(const Kalenderangaben& angaben,
                                    const Einstellungssatz* gelesen = nullptr);

// Whether a record holds something in the positions this version does not know: a later
// version's settings, kept when the case is saved again.
bool unbekanntesBelegt(const Einstellungssatz& satz);

// The settings of a "kz" record. Nothing, and a German reason, for a record that is not one or
// whose values are damaged or outside their limits.
std::optional<Kalenderangaben> kalendersatzLesen(const Einstellungssatz& satz, std::string& fehler);

}  // namespace korvalt
