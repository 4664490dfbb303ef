// A case as a value: everything the user gave for it (table, start group, durations, calendar
// settings, names, tax settings, person) and the records it was read with and must write back.
// Nothing derived lives here; `==` tells whether two cases would calculate and save alike.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fallnamen.h"
#include "kalenderangaben.h"
#include "personenangaben.h"
#include "reihen.h"
#include "steuerangaben.h"
#include "tarifdaten.h"
#include "zeitraeume.h"

namespace korvalt {

// Side index of the three-dimensional tables: 1 = normal case, 2 = individual case.
enum class Seite : int { normal = 1, individuell = 2 };

// A record the case was read with and writes back: a damaged one whole, a sound one with what a
// later version wrote after the positions this version knows.
struct GelesenerSatz {
    Einstellungssatz satz;
    bool beschaedigt = false;
    bool operator==(const GelesenerSatz&) const = default;
};
using GelesenerKalendersatz = GelesenerSatz;

using Gruppendauern = Reihe<Integer, 1, 4>;
using Stufendauern3 = Reihe3<Integer, 1, 2, 1, 4, 1, 6>;

struct Fallangaben {
    // The key of the table the case is calculated in.
    std::string tabelle = standardtabelle;
    // The start group by its number in that table.
    Integer startgruppe = 0;
    Reihe3<Integer, 1, 2, 1, 4, 1, 6> stufendauer;
    Reihe<Integer, 1, 4> grdauerN;
    Reihe<Integer, 1, 4> grdauerI;
    // Start month, current step, working-time shares and assumed raise; empty for a case that has
    // none of them, which is calculated and saved as before they existed.
    Kalenderangaben kalender;
    // Changes of the working-time share and interruptions without pay, in the order given.
    Zeitraeume zeitraeume;
    // What the two cases are called; nothing in the calculation depends on it.
    Fallnamen namen;
    // Tax class, church tax, health insurance and the rest of what net pay needs; nothing for a
    // case without net pay, which is calculated and saved as before it existed.
    std::optional<Steuerangaben> steuer;
    // Whom the case is calculated for; nothing in the calculation depends on it.
    Personenangaben person;
    // The calendar and tax records the case was read with: what a later version wrote into the
    // positions this version does not know goes back into the file byte for byte, and a damaged
    // record goes back whole until the case gets settings of its own.
    std::optional<GelesenerKalendersatz> kalendersatz;
    std::optional<GelesenerSatz> steuersatz;
    // The records read with the case that this version cannot read (of a later version's kind, a
    // name or person field it does not know, damaged ones): written back as read, in their places.
    std::vector<BehaltenerSatz> behalten;
    // Calendar settings its table cannot use (the one of 2006, or settings the table refuses), as
    // the record they were read with: calculated without, saved unchanged, taken up again by a
    // table that can use them.
    std::optional<Einstellungssatz> ruhenderKalender;
    // A case by date without a start month is calculated in its side's latest table and saved
    // with the table by date it names, kept here; empty otherwise.
    std::string nachDatum;

    Reihe<Integer, 1, 4>& grdauer(Seite s) { return s == Seite::normal ? grdauerN : grdauerI; }
    const Reihe<Integer, 1, 4>& grdauer(Seite s) const {
        return s == Seite::normal ? grdauerN : grdauerI;
    }
    int anteil(Seite s) const { return s == Seite::normal ? kalender.anteilN : kalender.anteilI; }
    const std::string& name(Seite s) const {
        return s == Seite::normal ? namen.normal : namen.individuell;
    }

    bool operator==(const Fallangaben&) const = default;
};

}  // namespace korvalt
