// The annual bonus (Jahressonderzahlung) of one case with a start month, by calendar year.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "falltabellen.h"
#include "kalendermonat.h"
#include "sonderzahlungssaetze.h"
#include "tarifdaten.h"
#include "tariftabellen.h"

namespace korvalt {

// One case's months: month 1 is `beginn`, at index 0 of both series (`monatscent(1)` onwards, as
// many as the case has months).
struct Fallmonate {
    KalenderMonat beginn;
    std::span<const Long> cent;       // the month pays, part-time included
    std::span<const Integer> gruppe;  // the group number in the case's table
    // Employed before `beginn` (the case holds a current step): the months of that year before it
    // were paid, so they do not reduce the bonus.
    bool imDienstVorBeginn = false;
    // Whether each month is paid (as `cent`); empty: every month is.
    std::span<const Zahlung> zahlung = {};
};

struct Sonderzahlung {
    int jahr = 0;
    // November of the year; the first month for a case that begins in December.
    KalenderMonat gebucht{0, 11};
    std::int64_t cent = 0;
    // The base is basissumme / basismonate: the pays of July to September in the case, or the
    // first month's pay of a case that begins in October or later.
    std::int64_t basissumme = 0;
    int basismonate = 0;
    // A month of July to September without pay: the base is basissumme for 30,67 of these
    // calendar days of the paid months instead; 0 when every month of the base is paid.
    int basistage = 0;
    int satz = 0;       // hundredths of a percent
    int zwoelftel = 0;  // the months of the year in the case
};

// The bonus of every year whose 1 December lies in the case: base × rate × twelfths / 12, exactly,
// rounded once to the cent, a half up. A new hire's twelfths are the months of the year from
// `beginn` on. The rate is that of `seite` in that year
// for the group in September, or in the first month of a case beginning in October or later; a
// year without a rate has no bonus.
std::vector<Sonderzahlung> jahressonderzahlungen(const Fallmonate& fall,
                                                 const Tariftabelle& tabelle,
                                                 const Sonderzahlungssaetze& saetze,
                                                 Arbeitgeberseite seite);

// The bonuses of one case of `t` as the last calculation left it (its month pays in cents and
// groups to its last month, from the start month `beginn`), under the rates of the table's
// employer side: what the year view counts and net pay taxes.
std::vector<Sonderzahlung> sonderzahlungenDesFalls(const Falltabellen& t, Seite seite,
                                                   const Tariftabelle& tabelle,
                                                   KalenderMonat beginn,
                                                   const Sonderzahlungssaetze& saetze,
                                                   bool imDienstVorBeginn);

// Why a bonus asked for cannot be computed: "Die Jahressonderzahlung fehlt: " and what is wrong
// with its rates.
std::string sonderzahlungFehltGrund(std::string_view fehler);

}  // namespace korvalt
