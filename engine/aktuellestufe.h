// "In step s since MM/JJJJ": a setting of the case, applied to column 1 while the case is walked;
// the durations the user typed stay as typed.
#pragma once

#include <array>
#include <string>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "kalendermonat.h"

namespace korvalt {

// The durations of steps 1..6 of one column, step s at [s - 1].
using Stufendauern = std::array<int, 6>;

// The typed step durations of column 1 of one case.
Stufendauern spalteEins(const Fallangaben& t, Seite seite);

// The months served in the step by `beginn`: 07/2026 - 04/2024 = 27.
inline int gedienteMonate(const AktuelleStufe& aktuell, KalenderMonat beginn) {
    return beginn - aktuell.seit;
}

// Why the step cannot be set for the case, or "": a step outside 1..6, a month after `beginn`, or
// more months served than the step lasts in column 1 of either case.
std::string aktuelleStufePruefen(const Fallangaben& t, const AktuelleStufe& aktuell,
                                 KalenderMonat beginn);

// Column 1 as the walk meets it at `beginn`: the steps below s without months, and the months
// served taken off step s. Where a duration typed after the step was set is shorter than they are,
// the rest is taken off the steps after it, as the case would have risen meanwhile.
Stufendauern aktuelleStufeAnrechnen(const Stufendauern& dauern, const AktuelleStufe& aktuell,
                                    KalenderMonat beginn);

// The step held at `beginn` before any month is walked: s, or the next step with time left when
// the time in s ran out just then (a step is reached on the first of the month it is due).
int stufeAmBeginn(const Stufendauern& angerechnet, int s);

}  // namespace korvalt
