// The sections of the help page that the Hilfe button, F1 and the dialogs open, by the anchor of
// their heading in window/hilfe/hilfe.html.
#pragma once

#include <array>
#include <string_view>

namespace korvalt::hilfeabschnitt {

// The program as a whole: the Hilfe button's help context 135.
inline constexpr std::string_view programm = "kontext135";
inline constexpr std::string_view tabellen = "tabellen";
inline constexpr std::string_view kalender = "kalender";
inline constexpr std::string_view zeitraeume = "zeitraeume";
inline constexpr std::string_view hoehergruppierung = "hoehergruppierung";
inline constexpr std::string_view jahresuebersicht = "jahresuebersicht";
inline constexpr std::string_view steuer = "steuer";
inline constexpr std::string_view aufschluesselung = "aufschluesselung";
inline constexpr std::string_view person = "person";
inline constexpr std::string_view zuletzt = "zuletzt";

inline constexpr std::array alle{
    programm,         tabellen, kalender,         zeitraeume, hoehergruppierung,
    jahresuebersicht, steuer,   aufschluesselung, person,     zuletzt};

}  // namespace korvalt::hilfeabschnitt
