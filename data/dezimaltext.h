// Decimal numbers as the user types them and as the program writes them, German conventions
// whatever the locale: the percentages of the calendar settings, the rates and amounts of the tax
// settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvalt {

// Digits with at most one decimal comma or point, at most six whole digits and at most `stellen`
// decimals, scaled by 10^stellen: "87,5" with 2 -> 8750. Blanks around it and `einheit` at the
// end ("%", "€") are allowed. Nothing for any other text.
std::optional<long long> dezimalLesen(std::string_view text, int stellen,
                                      std::string_view einheit = "%");

// A scaled number with a decimal comma: (8750, 2) -> "87,50".
std::string dezimalText(long long wert, int stellen);

// "87,50" -> "87,5", "100,00" -> "100".
std::string ohneNullenAmEnde(std::string text);

}  // namespace korvalt
