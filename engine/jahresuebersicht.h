// The year view of both cases: months, pays, bonuses and the difference per year, and the month
// from which the individual case stays ahead. Computed once here; the view and the CSV only format
// it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "jahressonderzahlung.h"
#include "kalendermonat.h"
#include "tarifdaten.h"

namespace korvalt {

// One case: its month pays from month 1 at index 0, and its bonuses (none without a start month).
struct Fallreihe {
    std::span<const Long> cent;
    std::span<const Sonderzahlung> sonderzahlungen;
};

// One year of both cases, or their sums. Built once, here: the view, its printout, the chart and
// the CSV only format it.
struct Jahreszeile {
    int jahr = 0;  // the calendar year, or the year of the case from 1 without a start month
    std::string bezeichnung;  // "2026", "Jahr 1", "Summe"
    int monate = 0;           // the months of the year in the longer case
    int monateN = 0;
    int monateI = 0;
    std::int64_t centN = 0;  // the month pays of the year
    std::int64_t centI = 0;
    std::int64_t sonderzahlungN = 0;
    std::int64_t sonderzahlungI = 0;
    // Individual minus normal case, bonuses included.
    std::int64_t differenz = 0;
    // The cumulated difference at the end of the year.
    std::int64_t kumuliert = 0;
};

// The lowest the cumulated difference falls below 0, and the first month it does so.
struct Rueckstand {
    std::int64_t cent = 0;
    int monat = 0;
};

struct Jahresuebersicht {
    std::optional<KalenderMonat> beginn;  // calendar years when set, "Jahr 1" … otherwise
    std::vector<Jahreszeile> jahre;
    Jahreszeile gesamt;  // the sums; `jahr` is 0
    // The cumulated difference after each month, bonuses included, from month 1 at index 0; the
    // years and the sums take theirs from here.
    std::vector<std::int64_t> kumuliert;
    // The first month (1 = the first of the case) from which the cumulated difference is above 0
    // and never falls below 0 again to the end; nothing when there is none.
    std::optional<int> ausgleichsmonat;
    std::optional<Rueckstand> groessterRueckstand;  // nothing when it never falls below 0
    // Month by month, bonuses in the month they are booked: the month after the last one in which
    // the individual case is paid less, or without one the first in which it is paid more; nothing
    // when it is paid less in the last month, or never more after the last month it is paid less.
    std::optional<int> monatlichMehrAb;
    // Whether the individual case is paid more in any month at all.
    bool jemalsMehr = false;

    std::optional<KalenderMonat> ausgleichKalendermonat() const {
        if (!beginn || !ausgleichsmonat) return std::nullopt;
        return *beginn + (*ausgleichsmonat - 1);
    }
};

// The months run to the end of the longer case; behind its end a case pays nothing. A bonus counts
// in the month it is booked.
Jahresuebersicht jahresuebersichtBilden(const Fallreihe& normal, const Fallreihe& individuell,
                                        std::optional<KalenderMonat> beginn);

}  // namespace korvalt
