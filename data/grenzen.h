// The limits of every value a user can enter, and of the month series: one place for the input
// fields, the arrow buttons, the settings record and the calculation.
#pragma once

namespace korvalt {

// The start group runs from here to the last group of the case's table.
inline constexpr int kleinsteStartgruppe = 1;
inline constexpr int groessteStufendauer = 255;   // months in one step
inline constexpr int groessteGruppendauer = 600;  // months in one group
// The month series end here; a longer case is cut at this month, its captions keep the true months.
inline constexpr int letzterMonat = 600;

}  // namespace korvalt
