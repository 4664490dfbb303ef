// The name of a change of a case, as Bearbeiten › Rückgängig and Wiederherstellen show it.
#pragma once

#include <string>
#include <vector>

#include "tarifdaten.h"

namespace korvalt {

// Names what changed between two saves of a case (the records `einstellungssaetzeBilden` gives) by
// the first kind of record, in the order table, calendar, case, names, tax, person, in which they
// differ: a table chosen also moves the start group, a start month may bring back a table by
// date, and a duration typed into a promotion check's case takes its names.
// "Fall ändern" when no kind has a name of its own.
std::string aenderungsname(const std::vector<Einstellungssatz>& vorher,
                           const std::vector<Einstellungssatz>& nachher);

}  // namespace korvalt
