// The file note: one page a clerk files about one case. Plain lines and a small table built here;
// output_qt/vermerkdruck.cpp only draws them.
#pragma once

#include <string>
#include <vector>

#include "druckblock.h"

namespace korvalt {

class Sitzung;

// The twelve months the note shows the monthly difference of, each as a column.
struct Vermerksmonat {
    std::string monat;  // "07/2026", "Monat 7" without a start month
    std::string brutto;
    std::string netto;  // "" without net pay
};

struct Vermerk {
    // The person, the tables and the settings, the legal basis and the note that it is an
    // estimate, the print date and the place to sign: the block of every printout.
    Druckblock block;
    // From what to what, on which date: „Entgeltgruppe 9a Stufe 3 (seit 04/2024), Tariftabellen
    // … : ohne Höhergruppierung oder mit Höhergruppierung nach 9b zum 07/2026?“
    std::vector<std::string> frage;
    // Each case with the months its group or step changes: „ohne Höhergruppierung: 9a Stufe 3 ab
    // 01/2026, Stufe 4 ab 04/2027, …“.
    std::vector<std::string> stufen;
    // „Monatliche Differenz ab 07/2026 (mit − ohne Höhergruppierung)“ and its twelve months.
    std::string monatsueberschrift;
    std::vector<Vermerksmonat> monate;
    bool mitNetto = false;
    // Both sentences, gross and net, the totals at Ende and the largest shortfall.
    std::vector<std::string> ergebnis;
};

// The note of the session's case as the last calculation left it, printed today.
Vermerk vermerkBilden(const Sitzung& sitzung);

}  // namespace korvalt
