// The names of the two cases of a case: "Normalfall" and "Beispielfall" unless the case was set up
// with names of its own (the promotion check's „ohne Höhergruppierung“ and „mit Höhergruppierung
// nach 9b zum 07/2026“); with the room each has in the settings file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvalt {

inline constexpr const char* standardnameNormal = "Normalfall";
// Also the name of the case being calculated, which the result page and the printouts' heading
// carry.
inline constexpr const char* standardnameIndividuell = "Beispielfall";

struct Fallnamen {
    std::string normal = standardnameNormal;
    std::string individuell = standardnameIndividuell;

    bool operator==(const Fallnamen&) const = default;
    // Cases with the default names are shown and saved exactly as before cases had names.
    bool standard() const { return *this == Fallnamen{}; }
};

// One case's name: the letter that marks its record, what it is called in a message, where it is
// kept.
struct Fallnamenfeld {
    char kennbuchstabe;
    std::string_view bezeichnung;
    std::string Fallnamen::*text;
};

inline constexpr std::array<Fallnamenfeld, 2> fallnamenfelder = {{
    {'N', "Name des Normalfalls", &Fallnamen::normal},
    {'I', "Name des individuellen Falls", &Fallnamen::individuell},
}};

// Each name has a record of its own, with 72 bytes for its UTF-8 text: „mit Höhergruppierung nach
// 10 zum 07/2026“ takes 41 of them.
inline constexpr std::size_t groessteFallnamenlaenge = 72;

// Why `text` cannot be the name `bezeichnung`: empty, blanks at its ends, not UTF-8, a control
// character, or longer than 72 bytes; "" when it can.
std::string fallnamePruefen(std::string_view bezeichnung, std::string_view text);

}  // namespace korvalt
