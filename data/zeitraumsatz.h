// The record "zr" of one period of a case: its kind, the case it belongs to, its months, the share
// of a change of hours and the child's birth month (docs/einstellungsdatei.md).
#pragma once

#include <optional>
#include <string>

#include "tarifdaten.h"
#include "zeitraeume.h"

namespace korvalt {

// The record of `z`; the positions after its last field are blank, or those `z` was read with.
Einstellungssatz zeitraumsatzBilden(const Zeitraum& z);

// The period of a record beginning with "zr"; nothing, and a German reason, for a damaged one.
std::optional<Zeitraum> zeitraumsatzLesen(const Einstellungssatz& satz, std::string& fehler);

}  // namespace korvalt
