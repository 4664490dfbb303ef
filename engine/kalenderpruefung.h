// The one check of a case's calendar settings, for every way they are changed: the dialog, the
// year view's switch, the command line and a case file.
#pragma once

#include <string>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "tariftabellen.h"

namespace korvalt {

// Why `neu` cannot be the calendar settings of the case `t` in `tabelle`, or "". `t.kalender` is
// what the case has now: a current step newly set, or moved with its month or the start month,
// must not count more months served than the step lasts (a duration typed shorter afterwards is
// walked on, see `aktuelleStufeAnrechnen`).
std::string kalenderPruefen(const Kalenderangaben& neu, const Falltabellen& t,
                            const Tariftabelle& tabelle);

}  // namespace korvalt
