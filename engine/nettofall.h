// The net pay of both cases of a case: computed by the Sitzung at most once per recalculation, from
// the month pays the calculation left and the bonuses the year view counts; every output only
// formats it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "falltabellen.h"
#include "jahressonderzahlung.h"
#include "nettolohn.h"
#include "steuerangaben.h"

namespace korvalt {

struct Nettofall {
    Steuerangaben angaben;
    KalenderMonat beginn = fruehesterBeginn;
    std::array<Nettoreihe, 2> reihen;  // normal, individual; month 1 at index 0
    // Whether the months with the bonus include its net.
    bool mitSonderzahlung = false;
    // A case with parental leave: its parental allowance is not reckoned.
    bool mitElternzeit = false;
    // Why a bonus asked for is missing: its rates are missing or damaged; "" otherwise.
    std::string sonderzahlungFehler;

    const Nettoreihe& reihe(Seite seite) const { return reihen[seite == Seite::normal ? 0 : 1]; }
    // Month `monat` (from 1) of one case; null for a month the case does not have.
    const Nettomonat* monat(Seite seite, int monat) const;
    // Some month lies after the last row of the year's law and is reckoned by it.
    bool nachLetztemStand() const {
        return reihen[0].nachLetztemStand || reihen[1].nachLetztemStand;
    }
};

// The net pay of both cases of `t`, whose start month is set, under `angaben`: every month of each
// case as the last calculation left it, with its bonuses. A case with a current step was employed
// before its start month. `seite` is the side of the case's table. Years found in `speicher` are
// taken from it.
Nettofall nettofallRechnen(const Falltabellen& t, const Steuerangaben& angaben,
                           Arbeitgeberseite seite, std::span<const Sonderzahlung> sonderzahlungenN,
                           std::span<const Sonderzahlung> sonderzahlungenI,
                           Nettojahrspeicher* speicher = nullptr);

// Why a month's net pay is below zero: a private premium above the pay.
inline constexpr const char* nettoUnterNullGrund = "der private Beitrag übersteigt das Entgelt";

// What every output that shows net pay says below it, one line each: the settings, the
// supplementary pension's fund with its rates and what of it is not modelled, the bonus in its
// month, the assumption of the last year's law for later years, and the first month whose net pay
// is below zero.
std::vector<std::string> nettohinweise(const Nettofall& netto);

}  // namespace korvalt
