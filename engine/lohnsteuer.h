// The wage tax of one payment by an official wage-tax program (PAP) of the BMF; which one is in
// force in a month is the year's law (data/jahresrecht.h). The programs are generated at build time
// from the BMF's XML (tarif/lohnsteuer/).
#pragma once

#include <cstdint>
#include <string_view>

#include "dezimal.h"

namespace korvalt {

// The program's inputs under the program's own names, with its defaults; amounts in cents. Only
// the inputs a payroll of a monthly wage needs; the program has more (pensions, allowances, the
// factor method), which stay at their defaults.
struct PapEingaben {
    int LZZ = 2;   // the pay period: 1 year, 2 month, 3 week, 4 day
    Dezimal RE4;   // the wage of the period
    int STKL = 1;  // tax class 1..6
    Dezimal ZKF;   // child allowances, one decimal
    int R = 0;     // 1 for a member of a church that levies church tax
    Dezimal KVZ;   // the health fund's full additional rate in percent, e.g. 2.90
    int PVZ = 0;   // 1: the childless surcharge of the care insurance
    int PVS = 0;   // 1: Saxony's care rates
    Dezimal PVA;   // the care insurance's reductions for the 2nd to 5th child, 0..4
    // 0 statutory health insurance, 1 private; up to 2025 2 is private with the employer's
    // subsidy, which the program then reckons itself.
    int PKV = 0;
    Dezimal PKPV;     // the private premium for health and care a month
    Dezimal PKPVAGZ;  // from 2026: the employer's subsidy to it a month; earlier programs ignore it
    Dezimal SONSTB;   // a "sonstiger Bezug" paid with this wage, such as the annual bonus
    Dezimal JRE4;     // with SONSTB: the expected wage of the year without it
};

// The program's outputs in cents.
struct PapErgebnis {
    std::int64_t LSTLZZ = 0;   // wage tax of the period
    std::int64_t SOLZLZZ = 0;  // solidarity surcharge of the period
    std::int64_t STS = 0;      // wage tax on SONSTB
    std::int64_t SOLZS = 0;    // solidarity surcharge on SONSTB
    std::int64_t BK = 0;       // base of the church tax of the period
    std::int64_t BKS = 0;      // base of the church tax on SONSTB
    bool operator==(const PapErgebnis&) const = default;
};

// Runs the program of that name ("Lohnsteuer2025", as its XML); std::out_of_range for a name no
// program was built for.
PapErgebnis lohnsteuerBerechnen(std::string_view programm, const PapEingaben& eingaben);

}  // namespace korvalt
