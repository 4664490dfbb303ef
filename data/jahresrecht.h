// The law net pay reckons with, one row a year: the wage-tax program of each month, the employee's
// social-insurance rates and the ceilings, the care insurance's reductions for children, the month
// of the annual bonus, and the limits of the supplementary pension's tax treatment. Code asks for
// the row of a year; a year after the last row is reckoned by the last row, and says so.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "arbeitgeberseite.h"
#include "kalendermonat.h"
#include "prozentsatz.h"

namespace korvalt {

struct Jahresrecht {
    int jahr = 0;
    // The BMF's wage-tax programs by the name of their XML in tarif/lohnsteuer/: the year's, and
    // the one of December where the year changed its program; empty: the year's.
    std::string_view lohnsteuer;
    std::string_view lohnsteuerDezember;
    // The program takes the employer's subsidy to a private premium as an input; before, it
    // reckoned the subsidy itself.
    bool privatzuschussVorgegeben = false;

    Prozentsatz krankenAN;  // the employee's half of the general rate
    // The year's average additional rate, full: the employee pays half of the fund's rate.
    Prozentsatz zusatzbeitragDurchschnitt;
    Prozentsatz pflegeGesamt;  // the whole care rate, for the employer's share
    Prozentsatz pflegeAN;
    Prozentsatz pflegeANSachsen;
    Prozentsatz pflegeKinderlosZuschlag;
    Prozentsatz pflegeAbschlagJeKind;
    int hoechsteKinderabschlaege = 0;  // from the 2nd child under 25 to the 5th
    Prozentsatz renteAN;
    Prozentsatz arbeitslosAN;
    std::int64_t bbgKrankenPflege = 0;      // monthly ceiling in cents
    std::int64_t bbgRenteArbeitslosen = 0;  // monthly ceiling in cents (West in 2024)

    int sonderzahlungsmonat = 0;  // the annual bonus is paid with this month's pay

    // Supplementary pension: the tax-free share of the employer's levy (§ 3 Nr. 56 EStG), a share
    // of the yearly pension ceiling (West); the flat-taxed amounts of § 40b EStG a month, in cents.
    Prozentsatz steuerfreiZusatzversorgungAnteil;
    std::int64_t pauschalZusatzversorgungBund = 0;
    std::int64_t pauschalZusatzversorgungVka = 0;
    // What the levy adds to the social-insurance base (§ 1 Abs. 1 Satz 3 and 4 SvEV): the tax-free
    // and flat-taxed part above this amount a month, in cents, and of the part up to it the share
    // of the pay it stands for, less the deduction in cents.
    std::int64_t svFreibetragZusatzversorgung = 0;
    Prozentsatz svHinzurechnungsanteil;
    std::int64_t svHinzurechnungsabzug = 0;
    // The rates of VBL West: the employer's levy and the employee's share (levy and contribution).
    Prozentsatz vblWestUmlage;
    Prozentsatz vblWestAnteil;

    // The program that taxes a wage paid in `monat` (1..12) of the year.
    std::string_view lohnsteuerprogramm(int monat) const;
    // The tax-free amount of § 3 Nr. 56 EStG of the year, in cents.
    std::int64_t steuerfreieZusatzversorgung() const;
    // The § 40b amount a month under the side's pension agreement, in cents.
    std::int64_t pauschalZusatzversorgung(Arbeitgeberseite seite) const;
};

// Every row, the years ascending.
std::span<const Jahresrecht> jahresrechtZeilen();

// The row of `jahr`: the first row for an earlier year, the last for a later one.
const Jahresrecht& jahresrecht(int jahr);

// The wage-tax program of a wage paid in `monat`.
std::string_view lohnsteuerprogramm(KalenderMonat monat);

// Whether `jahr` lies after the last row and is reckoned by it; the note every output then
// carries: "Lohnsteuer und Sozialversicherung ab 2027 nach dem Stand 2026".
bool nachLetztemStand(int jahr);
std::string standHinweis();

}  // namespace korvalt
