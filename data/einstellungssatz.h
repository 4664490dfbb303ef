// The 75-byte settings record: building it from the case and restoring the case from it.
#pragma once

#include <optional>

#include "fenstertabellen.h"
#include "tarifdaten.h"

namespace korvalt {

// "st", the start group as a byte code, eight group durations as three digits, 48 step durations as
// byte codes. The start group is the number of the start-group text, limited to 1..15.
Einstellungssatz einstellungssatzBilden(double startgruppe, const Fenstertabellen& t);

// When the record begins with exactly "st": restores the durations (limited to 0..600 and 0..255)
// and returns the start group, limited to 1..15. Otherwise restores nothing.
std::optional<Integer> einstellungssatzWiederherstellen(const Einstellungssatz& satz,
                                                        Fenstertabellen& t);

}  // namespace korvalt
