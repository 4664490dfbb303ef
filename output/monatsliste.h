// The month list printout: title block with the totals, one line per month of both cases, footer
// and the place to sign.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "druckblock.h"
#include "drucker.h"
#include "falltabellen.h"
#include "nettofall.h"
#include "tarifdaten.h"

namespace korvalt {

// The footer line of the list: the program and its version.
std::string monatslisteFusszeile();

// The case's stored name without its padding, as the printouts' heading and the result page name
// the case: "Beispielfall".
std::string fallnameText(const TarifDaten& daten);

// The totals in words, each case by its name: "Summe Normalfall 1.604.172 €, Summe Beispielfall
// 1.604.172 €, Differenz 0 €".
std::string summenText(const TarifDaten& daten, const Falltabellen& t);

// Prints the list of the current case as the last recalculation left it, with the block of every
// printout. Every page is headed by the block's `titel` and the table, repeats the cases' names
// over their halves and the column heads, and ends with the print date and "Seite n von m"; the
// title block carries the block's lines and each case's total, the end of the list the place to
// sign. Amounts end under their heads, to the cent where the table has cents. A case with a start
// month has each month's date after its number. With `netto` (the Sitzung's net pay) each case's
// pay is followed by its net pay and the difference by the net difference, to the cent, and each
// total by the net total. False with a German reason when the printer failed.
bool monatslisteDrucken(const TarifDaten& daten, const Falltabellen& t,
                        std::string_view fenstertitel, const Druckblock& block, Drucker& drucker,
                        std::string& fehler, const Nettofall* netto = nullptr);

}  // namespace korvalt
