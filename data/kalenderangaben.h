// The calendar settings of a case: its start month, the step held at that month, the working-time
// share of both cases and an assumed yearly raise after the last table; with their limits.
#pragma once

#include <optional>

#include "grenzen.h"
#include "kalendermonat.h"

namespace korvalt {

// Working-time shares in hundredths of a percent: 1,00 % to 100,00 %.
inline constexpr int kleinsterAnteil = 100;
inline constexpr int vollzeitAnteil = 10000;
// The hours of a full-time week under the TVöD (VKA West and Federation).
inline constexpr int vollzeitWochenstunden = 39;
// An assumed raise in tenths of a percent: 0,0 % to 10,0 % a year.
inline constexpr int groessteErhoehung = 100;
// The month after the current agreement ends.
inline constexpr KalenderMonat standardErhoehungAb{2027, 4};
inline constexpr int hoechsteAktuelleStufe = 6;

// "In step s since MM/JJJJ", for column 1 of both cases.
struct AktuelleStufe {
    int stufe = 1;
    KalenderMonat seit = fruehesterBeginn;
    bool operator==(const AktuelleStufe&) const = default;
};

// Raises the table in force by `zehntelProzent` every 12 months from `ab` on.
struct AngenommeneErhoehung {
    int zehntelProzent = 0;
    KalenderMonat ab = standardErhoehungAb;
    bool operator==(const AngenommeneErhoehung&) const = default;
};

struct Kalenderangaben {
    std::optional<KalenderMonat> beginn;
    // The last month of both cases, at most `letzterMonat` months from the start month; without it
    // the last month of the longer case.
    std::optional<KalenderMonat> ende;
    std::optional<AktuelleStufe> aktuelleStufe;
    int anteilN = vollzeitAnteil;
    int anteilI = vollzeitAnteil;
    std::optional<AngenommeneErhoehung> erhoehung;
    // The year view counts the annual bonus where it applies.
    bool mitSonderzahlung = true;

    bool operator==(const Kalenderangaben&) const = default;
    // The calendar month of month `monat` (from 1) of the case; nothing without a start month.
    std::optional<KalenderMonat> kalendermonat(int monat) const {
        if (!beginn) return std::nullopt;
        return *beginn + (monat - 1);
    }
    // The months from the start month to Ende; nothing without either.
    std::optional<int> periode() const {
        if (!beginn || !ende) return std::nullopt;
        return *ende - *beginn + 1;
    }
    // A case without any of these settings: it is saved exactly as before they existed.
    bool leer() const { return *this == Kalenderangaben{}; }
};

}  // namespace korvalt
