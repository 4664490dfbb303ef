// The promotion check: "Lohnt sich die Höhergruppierung, und ab wann?" Today's group and step, the
// promotion to one of the three groups above and its month give a case whose normal case stays
// and whose individual case is promoted, both over the same months of the tables by date.
#pragma once

#include <optional>
#include <string>

#include "falltabellen.h"
#include "kalenderangaben.h"
#include "kalendermonat.h"
#include "tariftabellen.h"

namespace korvalt {

// The period the check covers when no Ende is given: 20 years from Beginn.
inline constexpr int hoehergruppierungMonate = 240;

struct Hoehergruppierung {
    // The tables by date of an employer side: "vka" or "bund".
    std::string tabelle = "vka";
    // Today's group as the table labels it ("9a"), today's step and the month since which it is
    // held.
    std::string gruppe;
    AktuelleStufe stufe;
    // The group promoted to, one of the three above today's ("9b"), and the month it takes effect.
    std::string zielgruppe;
    KalenderMonat zum = fruehesterBeginn;
    // The period; without them January of the promotion's year, not before the month of the step
    // and not before 03/2024, to 20 years later.
    std::optional<KalenderMonat> beginn;
    std::optional<KalenderMonat> ende;
    // The working-time share of both cases, hundredths of a percent, and the assumed raise.
    int anteil = vollzeitAnteil;
    std::optional<AngenommeneErhoehung> erhoehung;

    bool operator==(const Hoehergruppierung&) const = default;
};

// The period's first and last month, the given ones or the defaults.
KalenderMonat hoehergruppierungBeginn(const Hoehergruppierung& h);
KalenderMonat hoehergruppierungEnde(const Hoehergruppierung& h);

// „ohne Höhergruppierung“ and „mit Höhergruppierung nach 9b zum 07/2026“.
Fallnamen hoehergruppierungNamen(const Hoehergruppierung& h);

// The step durations of a column of group `gruppe`: the table's (`Tariftabelle::stufendauer`) in
// steps 1 to 5; 255, the largest a field takes, in step 6.
Reihe<Integer, 1, 6> hoehergruppierungStufendauern(const Tariftabelle& tabelle, int gruppe);

// Sets up the case of the promotion check in `t`: the start group, the standard step durations
// of both cases in every column, the normal case in column 1 up to Ende, the individual case in
// column 1 up to the month before the promotion (none when it takes effect at Beginn), without
// months in the columns between, in the target group's column up to Ende; the calendar settings
// (Beginn, Ende, the current step, both shares, the raise, the bonus counted) and the names.
// Returns the table by date of `h`; nothing, and a German reason, for a table that is not one,
// groups it lacks or a target that is not one of the three above, a promotion outside the period,
// or a step that has served more than its time at Beginn or does not last to the promotion. The
// settings' own limits are the case's check (`kalenderPruefen`).
const Tariftabelle* hoehergruppierungAufstellen(const Hoehergruppierung& h,
                                                const Tabellenkatalog& katalog, Fallangaben& t,
                                                std::string& fehler);

}  // namespace korvalt
