// The 75-byte settings record: building it from the case and restoring the case from it.
#pragma once

#include <optional>

#include "falltabellen.h"
#include "tarifdaten.h"

namespace korvalt {

// "st", the start group as a byte code, eight group durations as three digits, 48 step durations as
// byte codes. The start group is the number of the start-group text, limited to the start-group
// range.
Einstellungssatz einstellungssatzBilden(double startgruppe, const Falltabellen& t);

// When the record begins with exactly "st": restores the durations (limited to the group and step
// duration limits) and returns the start group, limited to the start-group range. Otherwise
// restores nothing.
std::optional<Integer> einstellungssatzWiederherstellen(const Einstellungssatz& satz,
                                                        Falltabellen& t);

}  // namespace korvalt
