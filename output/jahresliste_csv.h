// The year view as CSV: one line per year and the totals, as `korvalt --jahresliste` writes it.
#pragma once

#include <string>

#include "jahresdaten.h"
#include "kommandozeile.h"

namespace korvalt {

// An amount of the year view: "1234,56" for the tables with cents, "1235" in whole euros for 2006.
std::string jahresbetragText(const Jahresdaten& daten, std::int64_t cent);

// The heading, a line per year and "Summe;N;…" with an empty cumulative column. The bonus columns
// stay empty where the bonus is not counted. With net pay four more columns, "Netto Normalfall",
// "Netto Beispielfall", "Differenz netto" and "Differenz netto kumuliert", and the notes of net pay
// below the lines.
std::string jahreslisteCsv(const Jahresdaten& daten);

// Runs `--jahresliste` as `--monatsliste` runs, with the rates beside the tariff file; returns the
// exit status.
int jahreslisteCsvExportieren(const Aufruf& aufruf,
                              const std::filesystem::path& programmverzeichnis, std::ostream& aus,
                              std::ostream& fehlerausgabe);

}  // namespace korvalt
