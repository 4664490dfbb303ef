// The arrow buttons nachoben and nachunten: they step the value of the input field that last had
// the focus by one and recalculate at once, leaving the focus values as they are.
#pragma once

#include "fallanzeige.h"

namespace korvalt {

// A duration goes up to its limit, the start group up to the highest group; the stored value
// changes, so digits typed into the field but not confirmed are overwritten.
void nachoben(Fallanzeige& anzeige);
// A duration goes down to 0, the start group down to 1.
void nachunten(Fallanzeige& anzeige);
// A step of any size, limited the same way: the arrow keys of the fields step by 1 and, in a
// duration, by 12.
void pfeilschritt(Fallanzeige& anzeige, int schritt);

}  // namespace korvalt
