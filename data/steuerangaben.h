// The tax and insurance settings of a case, the same for both cases: tax class, child allowances,
// church tax, children for the care insurance, Saxony, the health insurance and the supplementary
// pension's fund; with their limits and German texts for the values a user types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "prozentsatz.h"

namespace korvalt {

inline constexpr int kleinsteSteuerklasse = 1;
inline constexpr int groessteSteuerklasse = 6;
// Child allowances in tenths: 0 to 9,5 in steps of 0,5. Only tax classes I to IV have them.
inline constexpr int groessteKinderfreibetraege = 95;
inline constexpr int kinderfreibetraegeSchritt = 5;
inline constexpr int hoechsteKlasseMitKinderfreibetraegen = 4;
// Children for the care insurance: 0 is childless (the surcharge applies, the employee taken to be
// 23 or older); otherwise the number of children under 25 (a parent whose children are all older
// gives 1: no surcharge, no reduction).
inline constexpr int groessteKinderzahl = 9;
// A health fund's additional rate and the supplementary pension's rates: 0 to 10 %, typed with at
// most two decimals.
inline constexpr Prozentsatz groessterZusatzbeitrag = Prozentsatz::hundertstel(1000);
inline constexpr Prozentsatz groessteZusatzversorgung = Prozentsatz::hundertstel(1000);

// The supplementary pension's fund.
enum class Versorgungskasse {
    // The rates as typed, for a municipal fund; both 0 is no supplementary pension.
    eigeneSaetze,
    // VBL West, at the rates of the year's law.
    vblWest,
};

// A private insurance's monthly premium for health and care, in cents.
inline constexpr std::int64_t kleinsterPrivatbeitrag = 1;
inline constexpr std::int64_t groessterPrivatbeitrag = 999999;

struct Steuerangaben {
    int steuerklasse = 1;
    int kinderfreibetraegeZehntel = 0;
    int kirchensteuerProzent = 0;  // 0 none, 8 or 9
    int kinder = 0;                // for the care insurance, 0 childless
    bool sachsen = false;
    // Statutory insurance: the fund's full additional rate; nothing is the year's average.
    std::optional<Prozentsatz> zusatzbeitrag;
    // Private insurance: its monthly premium in cents; then there is no additional rate.
    std::optional<std::int64_t> privatbeitrag;
    // Settings read from a file written before the fund was a choice are own rates: the share
    // typed then and no levy.
    Versorgungskasse versorgungskasse = Versorgungskasse::eigeneSaetze;
    // Own rates only, of the pensionable pay: the employee's share and the employer's levy.
    Prozentsatz zusatzversorgung;
    Prozentsatz umlage;

    bool operator==(const Steuerangaben&) const = default;
    bool privatVersichert() const { return privatbeitrag.has_value(); }
    bool ohneZusatzversorgung() const {
        return versorgungskasse == Versorgungskasse::eigeneSaetze && !zusatzversorgung.positiv() &&
               !umlage.positiv();
    }
};

// The settings a case starts with when it first gets net pay: VBL West, the rest as
// `Steuerangaben{}`.
Steuerangaben neueSteuerangaben();

// Why the settings cannot be used ("Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV."),
// or "" when they can.
std::string steuerangabenPruefen(const Steuerangaben& angaben);

// Each value as typed, checked at once; nothing and a German reason when it is no such value or
// outside its limits.
std::optional<int> steuerklasseLesen(std::string_view text, std::string& fehler);
// "1,5" -> 15 (tenths).
std::optional<int> kinderfreibetraegeLesen(std::string_view text, std::string& fehler);
// "8" or "9", a "%" after it allowed.
std::optional<int> kirchensteuerLesen(std::string_view text, std::string& fehler);
std::optional<int> kinderLesen(std::string_view text, std::string& fehler);
// "2,9" -> 2,9 %.
std::optional<Prozentsatz> zusatzbeitragLesen(std::string_view text, std::string& fehler);
// "612,50" -> 61250 (cents), a "€" after it allowed.
std::optional<std::int64_t> privatbeitragLesen(std::string_view text, std::string& fehler);
std::optional<Prozentsatz> zusatzversorgungLesen(std::string_view text, std::string& fehler);
std::optional<Prozentsatz> umlageLesen(std::string_view text, std::string& fehler);

// "I" .. "VI", as the tax classes are written.
std::string steuerklasseText(int steuerklasse);
// 15 -> "1,5", 10 -> "1".
std::string kinderfreibetraegeText(int zehntel);
// "2,9 %", "2,45 %": no trailing zeros.
std::string prozentText(Prozentsatz satz);
// 61250 -> "612,50 €".
std::string monatsbeitragText(std::int64_t cent);

// The settings of the wage tax: "Steuerklasse I, Kinderfreibeträge 1,5, Kirchensteuer 9 %"; the
// child allowances only when there are any, the church tax always.
std::string lohnsteuerangabenText(const Steuerangaben& angaben);
// The settings of the social insurance: "gesetzlich versichert (Zusatzbeitrag 2,9 %), 2 Kinder
// unter 25, Sachsen, Zusatzversorgung 2,4 %"; Saxony and the supplementary pension only when set,
// the pension as "Zusatzversorgung VBL West" or by its own rates ("Zusatzversorgung 1,5 %,
// Umlage 4 %").
std::string versicherungsangabenText(const Steuerangaben& angaben);
// Both in one line, as messages name the settings.
std::string steuerangabenText(const Steuerangaben& angaben);

}  // namespace korvalt
