// The arrow buttons nachoben and nachunten: they step the value of the input field that last had
// the focus by one and recalculate at once, leaving the focus values as they are.
#pragma once

#include "rechner.h"

namespace korvalt {

// A duration goes up to 255 (a step) or 600 (a group), the start group up to 15; the stored value
// changes, so digits typed into the field but not confirmed are overwritten.
void nachoben(Rechner& rechner);
// A duration goes down to 0, the start group down to 1.
void nachunten(Rechner& rechner);

}  // namespace korvalt
