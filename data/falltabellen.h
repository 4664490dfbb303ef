// The case tables: the case (`Fallangaben`) with what its calculation derives from it (pay table,
// progression results and month series of both cases), and the focus values the arrow buttons act
// on.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fallangaben.h"
#include "grenzen.h"
#include "kalenderangaben.h"
#include "personenangaben.h"
#include "steuerangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// The kind of input field that last had the focus. A value outside these three makes the arrow
// buttons change nothing but the comparison.
enum class Fokusart : Integer { Gruppendauer = 1, Stufendauer = 2, Startgruppe = 3 };

// The focus values at start-up name the individual duration of step 3 in column 1, so that the
// arrow buttons act on that field until the user focuses another one.
inline constexpr Fokusart anfangsFokusart = Fokusart::Stufendauer;
inline constexpr Integer anfangsFokusseite = 2;
inline constexpr Integer anfangsFokusspalte = 1;
inline constexpr Integer anfangsFokusstufe = 3;

using Monatsbetraege = Reihe<Single, 0, letzterMonat>;
using Monatszahlen = Reihe<Integer, 0, letzterMonat>;
using Monatscent = Reihe<Long, 0, letzterMonat>;
using Spaltentabelle = Reihe2<Single, 1, 4, 1, 6>;

struct Stufenabschnitt {
    int spalte = 0;
    int stufe = 0;
    int von = 0;
    int bis = 0;
    bool operator==(const Stufenabschnitt&) const = default;
};

struct Falltabellen : Fallangaben {
    Reihe<Integer, 1, 4> gruppe;
    Spaltentabelle entgelt;
    // The same pay in cents as read from the tariff file; its whole euros are the amount shown and
    // paid per month.
    Reihe2<Long, 1, 4, 1, 6> entgeltCent;
    // Whether the table has the step at all (EGr. 1 has no step 1 in the tables from 2024).
    Reihe2<bool, 1, 4, 1, 6> stufeVorhanden;
    Spaltentabelle garantieN;
    Spaltentabelle garantieI;
    Reihe3<Integer, 1, 2, 1, 4, 1, 6> stufenende;
    Reihe3<Integer, 1, 2, 1, 4, 1, 6> stufenmonate;
    Single bisherbetrag = 0;
    Integer restmonate = 0;
    Integer anfangsmonat = 0;
    Integer summemonate = 0;
    Monatsbetraege monatsbetragN;
    Monatsbetraege monatsbetragI;
    Monatszahlen monatsgruppeN;
    Monatszahlen monatsgruppeI;
    Monatszahlen monatsstufeN;
    Monatszahlen monatsstufeI;
    // The month pays in cents: what the tables with cents total, exactly.
    Monatscent monatscentN;
    Monatscent monatscentI;
    // Whether each month is paid; a month of an interruption keeps its group and step.
    Reihe<Zahlung, 0, letzterMonat> monatszahlungN;
    Reihe<Zahlung, 0, letzterMonat> monatszahlungI;
    // The months a step held before a harmful interruption sent the case back a step: the table
    // above keeps each step's last months, these the earlier ones.
    Reihe<std::vector<Stufenabschnitt>, 1, 2> fruehereAbschnitte;
    Reihe<Integer, 1, 2> letztermonat;
    // The last month each case's own durations give, before the comparison holds the shorter case
    // to the common end of a case with a start month (`letztermonat` is then that end).
    Reihe<Integer, 1, 2> eigenesEnde;
    // 64 bits, so that neither the running totals nor their difference can overflow.
    Reihe<std::int64_t, 1, 2> gesamtbetrag;
    // The totals in cents, and the difference of the totals in whole euros as shown.
    Reihe<std::int64_t, 1, 2> gesamtcent;
    std::int64_t gesamtdifferenz = 0;
    Fokusart fokusart = anfangsFokusart;
    Integer fokusseite = anfangsFokusseite;
    Integer fokusspalte = anfangsFokusspalte;
    Integer fokusstufe = anfangsFokusstufe;

    void anfangsfokusSetzen() {
        fokusart = anfangsFokusart;
        fokusseite = anfangsFokusseite;
        fokusspalte = anfangsFokusspalte;
        fokusstufe = anfangsFokusstufe;
    }

    // The tables of one side, so that a procedure given for both cases is written once.
    Spaltentabelle& garantie(Seite s) { return s == Seite::normal ? garantieN : garantieI; }
    const Spaltentabelle& garantie(Seite s) const {
        return s == Seite::normal ? garantieN : garantieI;
    }
    using Fallangaben::grdauer;
    Monatsbetraege& monatsbetrag(Seite s) {
        return s == Seite::normal ? monatsbetragN : monatsbetragI;
    }
    Monatszahlen& monatsgruppe(Seite s) {
        return s == Seite::normal ? monatsgruppeN : monatsgruppeI;
    }
    Monatszahlen& monatsstufe(Seite s) { return s == Seite::normal ? monatsstufeN : monatsstufeI; }
    Monatscent& monatscent(Seite s) { return s == Seite::normal ? monatscentN : monatscentI; }
    Reihe<Zahlung, 0, letzterMonat>& monatszahlung(Seite s) {
        return s == Seite::normal ? monatszahlungN : monatszahlungI;
    }
    const Reihe<Zahlung, 0, letzterMonat>& monatszahlung(Seite s) const {
        return s == Seite::normal ? monatszahlungN : monatszahlungI;
    }
    const Monatscent& monatscent(Seite s) const {
        return s == Seite::normal ? monatscentN : monatscentI;
    }
    const Monatsbetraege& monatsbetrag(Seite s) const {
        return s == Seite::normal ? monatsbetragN : monatsbetragI;
    }
    const Monatszahlen& monatsgruppe(Seite s) const {
        return s == Seite::normal ? monatsgruppeN : monatsgruppeI;
    }
    const Monatszahlen& monatsstufe(Seite s) const {
        return s == Seite::normal ? monatsstufeN : monatsstufeI;
    }
};

// The default durations of every column and both cases: 12, 24, 36, 48, 60, 120 months per step,
// 120 per group; no calendar settings and no records kept, the default names, no tax settings, no
// person. The table and the start group stay.
void standardfallSetzen(Fallangaben& t);

}  // namespace korvalt
