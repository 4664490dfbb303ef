// The month list printout: title block with the totals, one line per month of both cases, footer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drucker.h"
#include "falltabellen.h"
#include "tarifdaten.h"

namespace korvalt {

// The footer line of the list: the program and its version.
std::string monatslisteFusszeile();

// The case's stored name without its padding: "Beispielfall".
std::string fallnameText(const TarifDaten& daten);

// The lines a printout puts once under its heading: the working-time shares when one is below
// 100 % ("Teilzeit: Normalfall 100 % (39 Std./Woche), Beispielfall 75 % (29,25 Std./Woche)") and
// `erhoehungshinweis`, the Rechner's note of the assumed raise, when it is not empty.
std::vector<std::string> kopfangaben(const TarifDaten& daten, const Falltabellen& t,
                                     std::string_view erhoehungshinweis);

// The totals in words, as the list prints them: "Summe Normalfall 1.604.172 €, Summe Beispielfall
// 1.604.172 €, Differenz 0 €".
std::string summenText(const TarifDaten& daten, const Falltabellen& t);

// Prints the list of the current case as the last recalculation left it. Every page is headed by
// `fall` (the case's stored name when empty) and the table, repeats the column heads and ends with
// "Seite n von m". The title block carries the `kopfangaben`; a case with a start month has each
// month's date after its number. False with a German reason when the printer failed.
bool monatslisteDrucken(const TarifDaten& daten, const Falltabellen& t,
                        std::string_view fenstertitel, Drucker& drucker, std::string& fehler,
                        std::string_view fall = {}, std::string_view erhoehungshinweis = {});

}  // namespace korvalt
