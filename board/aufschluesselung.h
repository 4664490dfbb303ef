// The breakdown of one month of both cases: the gross pay, each tax and contribution, and the net
// pay, as a web calculator of net pay shows a month. Built once here; the window and its tests
// only format it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kalendermonat.h"
#include "nettofall.h"

namespace korvalt {

struct Aufschluesselungszeile {
    enum class Art {
        zahlung,  // paid out: the pay, the bonus, the employer's subsidy
        abzug,    // taken off
        davon,    // the part of the line above that falls on the bonus
        netto,    // what is left
        angabe,   // neither paid nor taken off: the employer's levy and what follows from it
    };
    std::string bezeichnung;
    Art art = Art::zahlung;
    std::array<std::int64_t, 2> cent{};  // normal, individual; a deduction as a positive amount

    // Individual less normal case, as the net pay goes: a higher deduction is a loss.
    std::int64_t differenz() const {
        const std::int64_t d = cent[1] - cent[0];
        return art == Art::abzug || art == Art::davon ? -d : d;
    }
};

struct Aufschluesselung {
    int monat = 0;  // from 1
    KalenderMonat datum = fruehesterBeginn;
    std::vector<Aufschluesselungszeile> zeilen;
    // "Nettolohn unter 0: …" when either case's net pay of the month is below zero, else "".
    std::string hinweis;
};

// Month `monat` of both cases; nothing for a month neither case has. Lines that are 0 in both cases
// and only belong to some cases (the bonus, the employer's subsidy, care insurance under private
// insurance, the supplementary pension) are left out. After the net pay, the employer's levy to
// the supplementary pension, its part taxed with the pay and what it adds to the social-insurance
// base.
std::optional<Aufschluesselung> aufschluesselungBilden(const Nettofall& netto, int monat);

// "01/2027 (Monat 13)"
std::string aufschluesselungTitel(const Aufschluesselung& a);

}  // namespace korvalt
