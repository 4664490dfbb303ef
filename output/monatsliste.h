// The month list printout: title block with the totals, one line per month of both cases, footer.
#pragma once

#include <string>
#include <string_view>

#include "drucker.h"
#include "falltabellen.h"
#include "tarifdaten.h"

namespace korvalt {

// The footer line of the list: the program and its version.
std::string monatslisteFusszeile();

// Prints the list of the current case as the last recalculation left it. Sets `druckspalte` and,
// line by line, `monatsdifferenz`. False with a German reason when the printer failed.
bool monatslisteDrucken(TarifDaten& daten, Falltabellen& t, std::string_view fenstertitel,
                        Drucker& drucker, std::string& fehler);

}  // namespace korvalt
