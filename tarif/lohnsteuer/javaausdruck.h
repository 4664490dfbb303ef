// Translates the Java expressions of a wage-tax program into C++ over korvalt::Dezimal.
#pragma once

#include <string>
#include <string_view>

namespace korvalt::pap {

// One expression or assignment, as it stands in an `exec`, `expr`, `default` or `value`
// attribute. BigDecimal's constants, roundings and `valueOf` become Dezimal's; a `valueOf` of a
// number becomes the exact constant BigDecimal makes of it; `TAB[J]` becomes the checked
// `TAB.at(J)`. Anything the translation does not know (another rounding, another method, `new`
// of anything but a whole number) throws Uebersetzungsfehler with `zeile`: the program is then
// not built rather than built wrong. Names, whole numbers and operators stay as they are, so the
// C++ compiler checks every type.
std::string ausdruckUebersetzen(std::string_view java, int zeile);

// The Dezimal constant of a number in the Java text: a whole number as BigDecimal.valueOf(long)
// takes it, a decimal number as BigDecimal.valueOf(double) does (the shortest decimal that reads
// back as the same double): "932.30" gives "Dezimal(9323, 1)".
std::string dezimalKonstante(std::string_view zahl, int zeile);

}  // namespace korvalt::pap
