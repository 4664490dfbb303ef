// The chart of the year view: both month pays, gross or net, as step lines and the cumulated
// difference on an axis of its own, the month from which the case pays off marked. Qt Charts draws
// it in a module loaded when the first chart is made, so that a start without the year view does
// not load it.
#pragma once

#include <string>

#include "diagrammschnittstelle.h"
#include "jahresdaten.h"

namespace korvalt {

// The chart's figures of a case; with `netto`, and where the case has net pay, both month net pays
// and the cumulated net difference with the month from which the case pays off in net.
Diagrammdaten diagrammdatenBilden(const Jahresdaten& daten, bool netto = false);

// The chart from the module. Where the module cannot be loaded, a notice in its place that says
// why, on screen and on paper, and the reason in `fehler`.
Jahresdiagramm* jahresdiagrammErzeugen(QWidget* eltern, std::string& fehler);

}  // namespace korvalt
