// The year view of both cases: months, pays, bonuses and the difference per year, and the month
// from which the individual case stays ahead. Computed once here; the view and the CSV only format
// it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
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

struct Jahreszeile {
    int jahr = 0;  // the calendar year, or the year of the case from 1 without a start month
    int monateN = 0;
    int monateI = 0;
    std::int64_t centN = 0;  // the month pays of the year
    std::int64_t centI = 0;
    std::int64_t sonderzahlungN = 0;
    std::int64_t sonderzahlungI = 0;
    // Individual minus normal case, bonuses included.
    std::int64_t differenz = 0;
    std::int64_t kumuliert = 0;
};

struct Jahresuebersicht {
    std::optional<KalenderMonat> beginn;  // calendar years when set, "Jahr 1" … otherwise
    std::vector<Jahreszeile> jahre;
    Jahreszeile gesamt;  // the sums; `jahr` is 0
    // The first month (1 = the first of the case) from which the cumulated difference stays at 0
    // or above to the end; nothing when it ends below 0.
    std::optional<int> ausgleichsmonat;

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
