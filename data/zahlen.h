// Every number that becomes text and every text that becomes a number, in German conventions
// whatever the locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvalt {

// The number at the beginning of a text: optional blanks and sign, digits, an optional decimal
// point with digits; 0 when the text does not begin with a number.
double zahlAmAnfang(std::string_view text);

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
double rundeGerade(double wert);

// Half-to-even rounding into the 16-bit and 32-bit integers of the data model, limited to their
// range.
std::int16_t alsInteger(double wert);
std::int32_t alsLong(double wert);
// The same for the 64-bit totals.
std::int64_t alsGanz64(double wert);

// A whole number as plain decimal text: "-12", "0", "600".
std::string ganzzahlText(std::int64_t wert);

// A printer's number item: one blank or a minus sign, the digits, one blank.
// 9 -> " 9 ", -3 -> "-3 ".
std::string zahlpostenText(std::int64_t wert);

// The patterns "##,##0" and "##,###,##0": a full stop every three digits, a half rounded away from
// zero.
std::string tausenderText(double wert);

// A Single in general format: at most 7 significant digits, decimal comma, no trailing zeros.
std::string allgemeinText(float wert);

// An amount with exactly two decimals and a decimal comma, no grouping: "2061,00".
std::string zweiStellenText(double wert);

// An amount in cents with two decimals and a decimal comma, exactly, no grouping: 458677 ->
// "4586,77", -1230 -> "-12,30", -5 -> "-0,05".
std::string centText(std::int64_t cent);

// The same with a full stop every three digits: 123456789 -> "1.234.567,89".
std::string centTausenderText(std::int64_t cent);

// Cents as whole euros, a half rounded away from zero, exactly: 250 -> 3, -250 -> -3, 249 -> 2.
std::int64_t euroGerundet(std::int64_t cent);

// The caption of a table amount: whole euros truncated toward zero, grouped (-150 cents -> "-1").
std::string betragsanzeige(std::int32_t cent);

// Reads a displayed amount back: blanks around it, a sign, full stops as digit grouping, a decimal
// comma.
double angezeigtenBetragLesen(std::string_view text);

}  // namespace korvalt
