// The month list of a case as text for other programs, one line per month and the totals: as CSV
// (UTF-8, ";" separated) and as tab-separated text for the clipboard. Both have the same columns;
// in the tables from 2024 with group labels and amounts to the cent.
#pragma once

#include <string>
#include <string_view>

#include "falltabellen.h"
#include "nettofall.h"
#include "tarifdaten.h"

namespace korvalt {

// A case with a start month has a column "Datum" after "Monat" and amounts with two decimals.
// With `netto` (the Sitzung's net pay) each case's "Entgelt" is followed by its "Netto", and
// "Differenz" by "Differenz netto". `erhoehungshinweis` (the Rechner's, "" when the assumed raise
// was not used) and the notes of net pay end the text.
std::string monatslisteCsv(const TarifDaten& daten, const Falltabellen& t,
                           std::string_view erhoehungshinweis = {},
                           const Nettofall* netto = nullptr);

// The same lines separated by tabs, under a line naming the column groups ("Monat", "Normalfall",
// the case name, "Differenz") above the first column of each group, so that a spreadsheet pastes
// one value per cell. Amounts keep the decimal comma and have no digit grouping: "2061,00" reads as
// a number in a German spreadsheet, where a full stop could be taken for a date or a decimal point
// elsewhere.
std::string monatstabelleText(const TarifDaten& daten, const Falltabellen& t,
                              std::string_view erhoehungshinweis = {},
                              const Nettofall* netto = nullptr);

}  // namespace korvalt
