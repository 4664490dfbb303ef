// Net pay of a case's months: wage tax, solidarity surcharge and church tax by the official program
// of each month, the employee's social insurance up to the month's ceilings, the supplementary
// pension with the employer's levy in tax and insurance; the annual bonus taxed as a "sonstiger
// Bezug" in its month. Plain functions over plain data: the caller passes the months, the bonus and
// the settings.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "arbeitgeberseite.h"
#include "jahressonderzahlung.h"
#include "kalendermonat.h"
#include "steuerangaben.h"
#include "tarifdaten.h"

namespace korvalt {

// One calendar month of the year as the caller knows it.
struct Lohnmonat {
    enum class Art {
        ohne,         // no employment: counts for nothing
        vorBeginn,    // an employee in service before the case's start: counts towards the year's
                      // wage and the bonus's ceiling, at the pay the caller gives, and is not shown
        imFall,       // a month of the case: computed and shown
        ohneEntgelt,  // a month of the case without pay (leave): shown with no tax and no
                      // contributions, and counts for nothing but a bonus paid in it
    };
    // Paid, so that it counts towards the year's wage and the bonus's ceiling.
    bool zaehlt() const { return art == Art::vorBeginn || art == Art::imFall; }
    Art art = Art::ohne;
    std::int64_t brutto = 0;  // cents, part-time included

    bool operator==(const Lohnmonat&) const = default;
};

struct Nettojahreseingaben {
    int jahr = 0;
    std::array<Lohnmonat, 12> monate{};  // January at index 0
    std::int64_t sonderzahlung = 0;  // cents; paid in `sonderzahlungsmonat`, a month in the case
    int sonderzahlungsmonat = 11;
    Steuerangaben angaben;  // sound: steuerangabenPruefen gives ""
    // The pension agreement the levy's flat-taxed amount follows.
    Arbeitgeberseite seite = Arbeitgeberseite::vka;

    bool operator==(const Nettojahreseingaben&) const = default;
};

// Every amount in cents.
struct Nettomonat {
    KalenderMonat monat = fruehesterBeginn;
    std::int64_t brutto = 0;
    std::int64_t sonderzahlung = 0;
    // On the month's pay and the bonus together; the bonus's part below.
    std::int64_t lohnsteuer = 0;
    std::int64_t solidaritaetszuschlag = 0;
    std::int64_t kirchensteuer = 0;
    std::int64_t lohnsteuerSonderzahlung = 0;
    std::int64_t solidaritaetszuschlagSonderzahlung = 0;
    std::int64_t kirchensteuerSonderzahlung = 0;
    // Statutory: the employee's share. Private: the whole premium for health and care, and no care
    // contribution of its own.
    std::int64_t krankenversicherung = 0;
    std::int64_t pflegeversicherung = 0;
    std::int64_t rentenversicherung = 0;
    std::int64_t arbeitslosenversicherung = 0;
    // Private only: the employer's subsidy to the premium, paid out with the pay.
    std::int64_t arbeitgeberzuschuss = 0;
    std::int64_t zusatzversorgung = 0;
    // The employer's levy to the supplementary pension, not paid out: the whole, its tax-free part
    // (§ 3 Nr. 56 EStG), the part the employer taxes flat (§ 40b EStG), the part taxed with the
    // pay, and what it adds to the month's social-insurance base (§ 1 SvEV).
    std::int64_t umlage = 0;
    std::int64_t umlageSteuerfrei = 0;
    std::int64_t umlagePauschal = 0;
    std::int64_t umlageVersteuert = 0;
    std::int64_t svHinzurechnung = 0;
    // brutto + sonderzahlung + arbeitgeberzuschuss less every tax and contribution.
    std::int64_t netto = 0;

    bool operator==(const Nettomonat&) const = default;
};

struct Nettojahr {
    int jahr = 0;
    // A year after the last row of the year's law, reckoned by that row.
    bool nachLetztemStand = false;
    std::vector<Nettomonat> monate;  // the months in the case, in order

    bool operator==(const Nettojahr&) const = default;
};

// The year's months in the case. The employer's levy of every month that counts (the bonus with it
// in its month) uses up the year's tax-free amount from January, then the month's flat-taxed
// amount; the rest is taxed with the month's pay. The bonus is taxed with SONSTB = the bonus and
// JRE4 = the year's regular pay of every month that counts, with that rest; its social insurance
// base is the bonus up to what is left of each ceiling pro rata: the monthly ceiling × the months
// that count up to the bonus month, less their bases (§ 23a SGB IV).
Nettojahr nettojahrRechnen(const Nettojahreseingaben& eingaben);

class Nettojahrspeicher;

struct Nettoreihe {
    std::vector<Nettomonat> monate;  // month 1 of the case at index 0
    bool nachLetztemStand = false;   // some month lies after the last row of the year's law
};

// Every month of a case: `cent` the month pays from `beginn` on, `sonderzahlungen` the bonuses in
// their months. For an employee in service (`imDienstVorBeginn`) the months of the first year
// before `beginn` count at the first month's pay. `seite` is the side of the case's table. Years
// found in `speicher` are taken from it. `zahlung` says which months are paid (as `cent`; empty:
// every month).
Nettoreihe nettoreiheRechnen(KalenderMonat beginn, std::span<const Long> cent,
                             std::span<const Sonderzahlung> sonderzahlungen, bool imDienstVorBeginn,
                             const Steuerangaben& angaben, Arbeitgeberseite seite,
                             Nettojahrspeicher* speicher = nullptr,
                             std::span<const Zahlung> zahlung = {});

}  // namespace korvalt
