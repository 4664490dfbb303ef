// One month of both cases as every month output shows it, the column headings they share and the
// totals: built once here, only formatted by the grid, the month list, the CSV and the clipboard.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "falltabellen.h"
#include "kalendermonat.h"
#include "nettofall.h"
#include "tariftabellen.h"

namespace korvalt {

// The eight columns of a month row: month, group, step and pay of each case, difference.
inline constexpr std::array<std::string_view, 8> monatsspalten = {
    "Monat", "EGr.", "Stufe", "Entgelt", "EGr.", "Stufe", "Entgelt", "Differenz"};
// With net pay a month list has the net pay after each case's pay and the net difference after
// the difference.
inline constexpr std::string_view nettospalte = "Netto";
inline constexpr std::string_view nettodifferenzspalte = "Differenz netto";
// The column after which `spalte` of `monatsspalten` has a column of net pay: "Netto" after
// "Entgelt", "Differenz netto" after "Differenz", nothing after the others.
std::string_view nettospalteNach(std::string_view spalte);

// One case's part of a month row.
struct Fallmonat {
    // Behind the end of its case a month has no group and step; its pay is what the series holds.
    bool imFall = false;
    Integer gruppe = 0;
    std::string gruppentext;  // the table's label of the group
    Integer stufe = 0;
    std::int64_t euro = 0;  // the pay in whole euros, as the grid and the month list show it
    std::int64_t cent = 0;  // the pay to the cent (the tables with cents)
    Single betrag = 0;      // the pay as the table of 2006 holds it
    // The month's net pay in cents, the bonus's included; nothing without net pay.
    std::optional<std::int64_t> netto;
};

struct Monatszeile {
    int monat = 0;
    bool inCent = false;  // the table's unit
    Fallmonat normal;
    Fallmonat individuell;
    std::int64_t differenzEuro = 0;              // individual less normal, in whole euros as shown
    std::int64_t differenzCent = 0;              // individual less normal, to the cent
    std::optional<std::int64_t> differenzNetto;  // the same of the net pays, in cents
    // The calendar month of a case with a start month.
    std::optional<KalenderMonat> datum;

    const Fallmonat& fall(Seite seite) const {
        return seite == Seite::normal ? normal : individuell;
    }
    // Pay and difference as exactly as the table keeps them: cents for the tables with cents,
    // the 2006 pay with two decimals and its difference in whole euros.
    std::string entgeltGenau(Seite seite) const;
    std::string differenzGenau() const;
};

// The numbers month m of both cases is shown from: all a month row is built of besides the table,
// and cheap to take and compare, so that a display can find the months that changed without
// building their rows.
struct Monatswerte {
    struct Fall {
        bool imFall = false;
        Integer gruppe = 0;  // 0 behind the end of the case, as the step
        Integer stufe = 0;
        Single betrag = 0;
        Long cent = 0;
        bool operator==(const Fall&) const = default;
    };
    int monat = 0;
    Fall normal;
    Fall individuell;
    std::optional<KalenderMonat> datum;
    bool operator==(const Monatswerte&) const = default;
};

Monatswerte monatswerte(const Falltabellen& t, int m);

// Month m of the case as the last comparison left it, with its net pay from `netto` when given.
Monatszeile monatszeile(const Falltabellen& t, const Tariftabelle& tabelle, int m,
                        const Nettofall* netto = nullptr);
// The same from its numbers taken before, without net pay.
Monatszeile monatszeile(const Monatswerte& werte, const Tariftabelle& tabelle);

// The totals of both cases and their difference, in the same units as a month row.
struct Monatssummen {
    bool inCent = false;
    std::array<std::int64_t, 2> euro{};  // normal, individual
    std::int64_t differenzEuro = 0;
    std::array<std::int64_t, 2> cent{};
    std::int64_t differenzCent = 0;
    // The net pays in cents and their difference; nothing without net pay.
    std::optional<std::array<std::int64_t, 2>> netto;
    std::optional<std::int64_t> differenzNetto;

    std::int64_t euroDer(Seite seite) const { return euro[seite == Seite::normal ? 0 : 1]; }
    // Cents for the tables with cents, whole euros for the one of 2006.
    std::string genau(Seite seite) const;
    std::string differenzGenau() const;
};

Monatssummen monatssummen(const Falltabellen& t, const Tariftabelle& tabelle,
                          const Nettofall* netto = nullptr);

}  // namespace korvalt
