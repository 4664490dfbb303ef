// The one check of a case's calendar settings, for every way they are changed: the dialog, the
// year view's switch, the command line and a case file.
#pragma once

#include <string>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "tariftabellen.h"

namespace korvalt {

// Why `neu` cannot be the calendar settings of the case `t` in `tabelle`, or "". `bisher` are the
// settings it replaces: a current step newly set, or moved with its month or the start month, must
// not count more months served than the step lasts (a duration typed shorter afterwards is walked
// on, see `aktuelleStufeAnrechnen`). The table of 2006 takes none but the year view's switch; an
// assumed raise needs a table by date and a start month, and begins after the side's last table
// of `katalog` came into force, by 12/2099.
std::string kalenderPruefen(const Kalenderangaben& neu, const Kalenderangaben& bisher,
                            const Fallangaben& t, const Tariftabelle& tabelle,
                            const Tabellenkatalog& katalog);

// Why a case in `tabelle` with the calendar settings `kalender` has no net pay, or "": the months'
// taxes and contributions need their calendar months, so a table with cents and a start month.
// Why the periods cannot be those of a case with the calendar settings `kalender`, or "": every
// period within Beginn..Ende, an end not before its start, a share of 1..100 %, a birth not after
// the parental leave; no two interruptions of the same case, nor two changes of hours in the same
// month, at once.
std::string zeitraeumePruefen(const Zeitraeume& zeitraeume, const Kalenderangaben& kalender);

std::string nettolohnGrund(const Tariftabelle& tabelle, const Kalenderangaben& kalender);

}  // namespace korvalt
