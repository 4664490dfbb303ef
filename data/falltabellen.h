// The case tables: pay table, durations, progression results and month series of both cases, and
// the focus values the arrow buttons act on.
#pragma once

#include <cstdint>
#include <optional>

#include "fallnamen.h"
#include "grenzen.h"
#include "kalenderangaben.h"
#include "personenangaben.h"
#include "steuerangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// Side index of the three-dimensional tables: 1 = normal case, 2 = individual case.
enum class Seite : int { normal = 1, individuell = 2 };

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

// A record the case was read with and writes back: a damaged one whole, a sound one with what a
// later version wrote after the positions this version knows.
struct GelesenerSatz {
    Einstellungssatz satz;
    bool beschaedigt = false;
};
using GelesenerKalendersatz = GelesenerSatz;

struct Falltabellen {
    Reihe<Integer, 1, 4> gruppe;
    Spaltentabelle entgelt;
    // The same pay in cents as read from the tariff file; its whole euros are the amount shown and
    // paid per month.
    Reihe2<Long, 1, 4, 1, 6> entgeltCent;
    // Whether the table has the step at all (EGr. 1 has no step 1 in the tables from 2024).
    Reihe2<bool, 1, 4, 1, 6> stufeVorhanden;
    Spaltentabelle garantieN;
    Spaltentabelle garantieI;
    Reihe3<Integer, 1, 2, 1, 4, 1, 6> stufendauer;
    Reihe3<Integer, 1, 2, 1, 4, 1, 6> stufenende;
    Reihe3<Integer, 1, 2, 1, 4, 1, 6> stufenmonate;
    Single bisherbetrag = 0;
    Reihe<Integer, 1, 4> grdauerN;
    Reihe<Integer, 1, 4> grdauerI;
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
    Reihe<Integer, 1, 2> letztermonat;
    // The last month each case's own durations give, before the comparison holds the shorter case
    // to the common end of a case with a start month (`letztermonat` is then that end).
    Reihe<Integer, 1, 2> eigenesEnde;
    // 64 bits, so that neither the running totals nor their difference can overflow.
    Reihe<std::int64_t, 1, 2> gesamtbetrag;
    // The totals in cents, and the difference of the totals in whole euros as shown.
    Reihe<std::int64_t, 1, 2> gesamtcent;
    std::int64_t gesamtdifferenz = 0;
    // Start month, current step, working-time shares and assumed raise; empty for a case that has
    // none of them, which is calculated and saved as before they existed.
    Kalenderangaben kalender;
    // What the two cases are called; nothing in the calculation depends on it.
    Fallnamen namen;
    // Tax class, church tax, health insurance and the rest of what net pay needs; nothing for a
    // case without net pay, which is calculated and saved as before it existed.
    std::optional<Steuerangaben> steuer;
    // The tax record the case was read with, kept as the calendar record is.
    std::optional<GelesenerSatz> steuersatz;
    // Whom the case is calculated for; nothing in the calculation depends on it.
    Personenangaben person;
    // The calendar record the case was read with: what a later version wrote into the positions
    // this version does not know goes back into the file byte for byte, and a damaged record goes
    // back whole until the case gets new calendar settings.
    std::optional<GelesenerKalendersatz> kalendersatz;
    // The records read with the case that this version cannot read (of a later version's kind, a
    // name or person field it does not know, damaged ones): written back as read, in their places.
    std::vector<BehaltenerSatz> behalten;
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
    int anteil(Seite s) const { return s == Seite::normal ? kalender.anteilN : kalender.anteilI; }
    const std::string& name(Seite s) const {
        return s == Seite::normal ? namen.normal : namen.individuell;
    }
    Reihe<Integer, 1, 4>& grdauer(Seite s) { return s == Seite::normal ? grdauerN : grdauerI; }
    Monatsbetraege& monatsbetrag(Seite s) {
        return s == Seite::normal ? monatsbetragN : monatsbetragI;
    }
    Monatszahlen& monatsgruppe(Seite s) {
        return s == Seite::normal ? monatsgruppeN : monatsgruppeI;
    }
    Monatszahlen& monatsstufe(Seite s) { return s == Seite::normal ? monatsstufeN : monatsstufeI; }
    Monatscent& monatscent(Seite s) { return s == Seite::normal ? monatscentN : monatscentI; }
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
// 120 per group; no calendar settings, no calendar record, the default names, no tax settings, no
// person.
void standardfallSetzen(Falltabellen& t);

}  // namespace korvalt
