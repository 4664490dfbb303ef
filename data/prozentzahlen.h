// The percentages of the calendar settings as text and from text: working-time shares, their hours
// in a 39-hour week, the assumed raise. German conventions whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kalenderangaben.h"

namespace korvalt {

// A working-time share as typed: "87,5", "87.5", "100", a "%" after it allowed; in hundredths of a
// percent, 100..10000. Otherwise nothing and a German reason.
std::optional<int> anteilLesen(std::string_view text, std::string& fehler);

// "87,5 %", "33,33 %", "100 %": no trailing zeros.
std::string anteilText(int anteil);

// The share in hours of a 39-hour week, to the hundredth of an hour, a half up: 8750 -> "34,13
// Std./Woche", 7500 -> "29,25 Std./Woche", 10000 -> "39 Std./Woche".
std::string wochenstundenText(int anteil);

// An assumed raise as typed: "2,5", "2.5", "3", a "%" after it allowed; in tenths of a percent,
// 0..100. Otherwise nothing and a German reason.
std::optional<int> erhoehungLesen(std::string_view text, std::string& fehler);

// "2,5 %", "3,0 %": always one decimal.
std::string erhoehungsprozentText(int zehntelProzent);

// "angenommene Erhöhung 2,5 % jährlich ab 04/2027": the note every output that uses it carries.
std::string erhoehungText(const AngenommeneErhoehung& erhoehung);

}  // namespace korvalt
