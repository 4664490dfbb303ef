// The year list and the month list as a spreadsheet (.xlsx): the CSV's rows with amounts as numbers
// in a euro format, the case names in the column heads, and a second sheet with the settings and
// the sentences.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "fallnamen.h"
#include "kommandozeile.h"

namespace korvalt {

class Sitzung;

// What a cell of the CSV becomes in the sheet.
enum class Zellart { text, zahl, betrag, monat };

struct Tabellenzelle {
    Zellart art = Zellart::text;
    std::string text;  // as the CSV has it
    double wert = 0;   // a number or an amount in euros; a month as year * 100 + month
};

struct Tabellenmappe {
    std::string blattname;  // "Jahresübersicht", "Monatsliste"
    std::vector<std::string> koepfe;
    std::vector<std::vector<Tabellenzelle>> zeilen;
    // Whether the amounts have cents (every table but the one of 2006).
    bool mitCent = true;
    // The second sheet, "Angaben": one line each.
    std::vector<std::string> angaben;
};

// The cell of `text` in a column headed `kopf`: "Monat", "Jahr", "Monate" and "Stufe" are numbers,
// "Datum" a month, "Entgelt", "Netto", "Differenz" and "Jahressonderzahlung" amounts; a text that
// is not a number stays text ("Summe", a group "9a", a note line).
Tabellenzelle tabellenzelle(std::string_view kopf, const std::string& text);

// The rows of `csv` (";"-separated, its first line the heads) as cells, with `koepfe` in place of
// the CSV's heads.
Tabellenmappe mappeAusCsv(std::string blattname, std::vector<std::string> koepfe,
                          std::string_view csv);

// The year list of the session's case: the CSV's rows, the heads with the case names, and beside
// them the block of every printout and both sentences, gross and net.
Tabellenmappe jahreslisteMappe(const Sitzung& sitzung);
// The month list: the CSV's rows, "EGr.", "Stufe", "Entgelt" and "Netto" headed with their case.
Tabellenmappe monatslisteMappe(const Sitzung& sitzung);

// Writes the workbook through the one safe file writer; false with a German reason.
bool mappeSchreiben(const std::filesystem::path& ziel, const Tabellenmappe& mappe,
                    std::string& fehler);

// Whether a target names a spreadsheet (".xlsx" in any case).
bool istTabellenZiel(std::string_view ziel);

// `--jahresliste DATEI.xlsx` and `--monatsliste DATEI.xlsx`; return the exit status.
int jahreslisteMappeExportieren(const Aufruf& aufruf,
                                const std::filesystem::path& programmverzeichnis,
                                std::ostream& fehlerausgabe);
int monatslisteMappeExportieren(const Aufruf& aufruf,
                                const std::filesystem::path& programmverzeichnis,
                                std::ostream& fehlerausgabe);

}  // namespace korvalt
