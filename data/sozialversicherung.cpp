// The published rates and ceilings of the social insurance, one row a year.
#include "sozialversicherung.h"

#include <array>

namespace korvalt {

namespace {

// Contribution-ceiling regulations 2024 to 2026 and the health ministry's average additional
// rates; care by the care-support act of 2023 (3,4 %, from 2025 3,6 %).
constexpr std::array<Sozialversicherungsjahr, 3> jahre{{
    {2024, 7300, 170, 3400, 1700, 2200, 600, 250, 9300, 1300, 517500, 755000},
    {2025, 7300, 250, 3600, 1800, 2300, 600, 250, 9300, 1300, 551250, 805000},
    {2026, 7300, 290, 3600, 1800, 2300, 600, 250, 9300, 1300, 581250, 845000},
}};

}  // namespace

const Sozialversicherungsjahr& sozialversicherungsjahr(int jahr) {
    for (const auto& j : jahre)
        if (j.jahr == jahr) return j;
    return jahr < jahre.front().jahr ? jahre.front() : jahre.back();
}

}  // namespace korvalt
