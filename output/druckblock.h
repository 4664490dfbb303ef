// The block every printout carries: whom the case is calculated for and in which tables, its
// calendar settings, the legal basis, that it is an estimate, the print date, the page and the
// place to sign. Built once here; the result page, the month list and the year view only draw it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "falltabellen.h"
#include "nettofall.h"
#include "rechner.h"
#include "tarifdaten.h"

namespace korvalt {

class Sitzung;

// The block's person line when the case has none.
inline constexpr const char* ohnePersonText = "ohne Angaben zur Person";

struct Druckblock {
    // What a printout's heading names: the person ("Anna Müller (Personalnummer 4711)"), without
    // one the case ("Beispielfall", the case file's name).
    std::string titel;
    // One line each. The person's fields that are set ("Name: Anna Müller"), or
    // "ohne Angaben zur Person".
    std::vector<std::string> person;
    // "Tabelle: Tariftabellen Stand MAI 2026"; a table by date with the months of each of its
    // tables ("  07/2024 bis 03/2025: Tariftabellen Stand MÄRZ 2024").
    std::vector<std::string> tabellen;
    // Beginn and Ende, the current step, the working-time shares, the assumed raise.
    std::vector<std::string> kalender;
    // With net pay: the tax and insurance settings and what net pay leaves out (`nettohinweise`).
    std::vector<std::string> netto;
    // "Rechtsgrundlage: §§ 15–17, 20 TVöD" and "Unverbindliche Modellrechnung; …".
    std::vector<std::string> hinweise;
    // "Gedruckt am 12.03.2026".
    std::string gedruckt;
    // The last line of a printout, below the space to sign.
    std::string unterschrift = "Ort, Datum / Unterschrift";

    // Every line from `person` to `hinweise`, in this order.
    std::vector<std::string> zeilen() const;
};

// Today as "12.03.2026", or the day SOURCE_DATE_EPOCH names (seconds since 1970, UTC), so that a
// printout can be made again byte for byte.
std::string druckdatumText();

// The block of the case as the last calculation left it. `abschnitte` and `erhoehungshinweis` are
// the Rechner's; `fall` is the heading's name without a person, the case's own name when empty;
// `datum` is the print date as `druckdatumText` writes it; `netto` the Sitzung's net pay.
Druckblock druckblockBilden(const TarifDaten& daten, const Falltabellen& t,
                            const std::vector<Tabellenabschnitt>& abschnitte,
                            std::string_view erhoehungshinweis, std::string_view fall,
                            std::string_view datum, const Nettofall* netto = nullptr);
// The same for the case of a Sitzung, printed today.
Druckblock druckblockBilden(const Sitzung& sitzung, std::string_view fall = {});

}  // namespace korvalt
