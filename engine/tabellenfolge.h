// The pay table in force in each calendar month for one employer side: its dated tables, and after
// them an assumed yearly raise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kalenderangaben.h"
#include "kalendermonat.h"
#include "tarifdatei.h"
#include "tariftabellen.h"

namespace korvalt {

// The pays of every group of a table: group g at [g - 1].
using Entgelttabelle = std::vector<Gruppenentgelte>;

// A table from the month it comes into force. `erhoehungen` counts the assumed raises on top of
// the table of that key (0 for a table of the tariff file).
struct DatierteTabelle {
    KalenderMonat ab;
    std::string schluessel;
    Entgelttabelle entgelte;
    int erhoehungen = 0;
};

// Every group of a table as the tariff file holds it.
Entgelttabelle entgelttabelleLesen(Tarifdatei& datei, const Tariftabelle& tabelle);

// A cell raised by tenths of a percent, rounded to the cent, a half up; at most the largest
// 32-bit amount.
std::int32_t centErhoehen(std::int32_t cent, int zehntelProzent);
Entgelttabelle tabelleErhoehen(const Entgelttabelle& tabelle, int zehntelProzent);

class Tabellenfolge {
  public:
    // `tabellen`: one side's tables in the order they come into force, the first in force from
    // the first month asked about. The raise applies at `ab`, `ab` + 12, … up to `bis` to the
    // table in force then (a table of the file coming into force the same month first); a later
    // table of the file replaces a raised one. Each raised table is computed once, here.
    Tabellenfolge(std::vector<DatierteTabelle> tabellen,
                  const std::optional<AngenommeneErhoehung>& erhoehung, KalenderMonat bis);

    // The table in force in `monat`; the first one before it comes into force.
    const DatierteTabelle& tabelleIm(KalenderMonat monat) const;
    // The pays of a group (1..number of groups) in `monat`.
    const Gruppenentgelte& gruppenentgelte(KalenderMonat monat, int gruppe) const;
    // The pay of a step in `monat`; empty for a step the table lacks.
    Stufenentgelt entgelt(KalenderMonat monat, int gruppe, int stufe) const {
        return gruppenentgelte(monat, gruppe)(stufe);
    }
    // Whether some month from `von` to `bis` is paid from a raised table: then the output says so.
    bool erhoehungGenutzt(KalenderMonat von, KalenderMonat bis) const;

    // The tables in the order they come into force, the raised ones included.
    const std::vector<DatierteTabelle>& abschnitte() const { return abschnitte_; }

  private:
    std::vector<DatierteTabelle> abschnitte_;
};

}  // namespace korvalt
