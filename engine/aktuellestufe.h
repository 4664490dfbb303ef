// "In step s since MM/JJJJ": the durations of column 1 that put a case in that step at its start
// month with the time it has left there.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "kalendermonat.h"

namespace korvalt {

// The durations of steps 1..6 of one column, step s at [s - 1].
using Stufendauern = std::array<int, 6>;

// The steps below s become 0 months, step s what is left of it at `beginn`: its duration minus the
// full months from `seit` to `beginn`. Nothing and a German reason when `seit` lies after `beginn`
// or the months served exceed the duration.
std::optional<Stufendauern> aktuelleStufeAnrechnen(const Stufendauern& dauern,
                                                   const AktuelleStufe& aktuell,
                                                   KalenderMonat beginn, std::string& fehler);

// A current step counts into the durations once: a case that already holds it, counted from the
// same start month, has it in its durations, and counting it again would shorten them twice.
inline bool stufeSchonAngerechnet(const Kalenderangaben& vorher, const AktuelleStufe& aktuell,
                                  const std::optional<KalenderMonat>& beginn) {
    return vorher.aktuelleStufe == aktuell && vorher.beginn == beginn;
}

// The same for column 1 of both cases: both change, or neither when one of them cannot.
bool aktuelleStufeSetzen(Falltabellen& t, const AktuelleStufe& aktuell, KalenderMonat beginn,
                         std::string& fehler);

}  // namespace korvalt
