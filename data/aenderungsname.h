// The name of a change of a case, as Bearbeiten › Rückgängig and Wiederherstellen show it.
#pragma once

#include <string>

#include "fallangaben.h"

namespace korvalt {

// Names what changed between two states of a case by the first of its parts, in the order table,
// calendar settings, start group, durations, names, tax, person, in which they differ: a table
// chosen also moves the start group, a start month may bring back a table by date, and a duration
// typed into a promotion check's case takes its names. "Fall ändern" when no part has a name of
// its own.
std::string aenderungsname(const Fallangaben& vorher, const Fallangaben& nachher);

}  // namespace korvalt
