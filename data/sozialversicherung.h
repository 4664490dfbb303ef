// The employee's rates and the contribution ceilings of the social insurance by year: 2024 to 2026
// as published, every later year as 2026, which its outputs say.
#pragma once

#include <cstdint>

namespace korvalt {

// Rates in thousandths of a percent: 7300 is 7,3 %.
inline constexpr std::int64_t satzNenner = 100000;

struct Sozialversicherungsjahr {
    int jahr = 0;
    int krankenAN = 0;  // the employee's half of the general rate
    // The year's average additional rate, full, in hundredths of a percent (the employee pays
    // half of the fund's rate).
    int zusatzbeitragDurchschnitt = 0;
    int pflegeGesamt = 0;  // the whole care rate, for the employer's share
    int pflegeAN = 0;
    int pflegeANSachsen = 0;
    int pflegeKinderlosZuschlag = 0;
    int pflegeAbschlagJeKind = 0;  // from the 2nd to the 5th child under 25
    int renteAN = 0;
    int arbeitslosAN = 0;
    std::int64_t bbgKrankenPflege = 0;      // monthly ceiling in cents
    std::int64_t bbgRenteArbeitslosen = 0;  // monthly ceiling in cents (West in 2024)
};

// The last year with its own rates, ceilings and wage-tax program.
inline constexpr int letztesBekanntesJahr = 2026;

// The values of `jahr`: those of 2024 for any earlier year, those of 2026 for any later one.
const Sozialversicherungsjahr& sozialversicherungsjahr(int jahr);

// Whether `jahr` is reckoned with the values of an earlier year, and the note every output then
// carries.
constexpr bool nachStand2026(int jahr) {
    return jahr > letztesBekanntesJahr;
}
inline constexpr const char* stand2026Hinweis =
    "Lohnsteuer und Sozialversicherung ab 2027 nach dem Stand 2026";

}  // namespace korvalt
