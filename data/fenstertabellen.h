// The case tables of the main window: pay table, durations, progression results and month series of
// both cases.
#pragma once

#include "tarifdaten.h"

namespace korvalt {

// Side index of the three-dimensional tables: 1 = normal case, 2 = individual case.
enum class Seite : int { normal = 1, individuell = 2 };

inline constexpr int letzterMonat = 600;

using Monatsbetraege = Feld<Single, 0, letzterMonat>;
using Monatszahlen = Feld<Integer, 0, letzterMonat>;
using Spaltentabelle = Feld2<Single, 1, 4, 1, 6>;

struct Fenstertabellen {
    Feld<Integer, 1, 4> gruppe;
    Spaltentabelle entgelt;
    Spaltentabelle garantieN;
    Spaltentabelle garantieI;
    Feld3<Integer, 1, 2, 1, 4, 1, 6> stufendauer;
    Feld3<Integer, 1, 2, 1, 4, 1, 6> stufenende;
    Feld3<Integer, 1, 2, 1, 4, 1, 6> stufenmonate;
    Single bisherbetrag = 0;
    Feld<Integer, 1, 4> grdauerN;
    Feld<Integer, 1, 4> grdauerI;
    Integer restmonate = 0;
    Integer anfangsmonat = 0;
    Integer summemonate = 0;
    Monatsbetraege monatsbetragN;
    Monatsbetraege monatsbetragI;
    Monatszahlen monatsgruppeN;
    Monatszahlen monatsgruppeI;
    Monatszahlen monatsstufeN;
    Monatszahlen monatsstufeI;
    Feld<Integer, 1, 2> letztermonat;
    Feld<Long, 1, 2> gesamtbetrag;
    Long monatsdifferenz = 0;
    Integer fokusart = 2;
    Integer fokusseite = 2;
    Integer fokusspalte = 1;
    Integer fokusstufe = 3;

    // The tables of one side, so that a procedure given for both cases is written once.
    Spaltentabelle& garantie(Seite s) { return s == Seite::normal ? garantieN : garantieI; }
    Feld<Integer, 1, 4>& grdauer(Seite s) { return s == Seite::normal ? grdauerN : grdauerI; }
    Monatsbetraege& monatsbetrag(Seite s) {
        return s == Seite::normal ? monatsbetragN : monatsbetragI;
    }
    Monatszahlen& monatsgruppe(Seite s) {
        return s == Seite::normal ? monatsgruppeN : monatsgruppeI;
    }
    Monatszahlen& monatsstufe(Seite s) { return s == Seite::normal ? monatsstufeN : monatsstufeI; }
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
// 120 per group.
void standardfallSetzen(Fenstertabellen& t);

}  // namespace korvalt
