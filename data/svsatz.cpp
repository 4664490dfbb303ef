// The tax and insurance record's fields. Positions count from 1, as in the other settings records.
#include "svsatz.h"

#include <array>
#include <vector>

#include "satzfelder.h"

namespace korvalt {

namespace {

// The values in the order of `felder`.
enum Feld : std::size_t {
    steuerklasse,        // 1..6
    kinderfreibetraege,  // tenths
    kirchensteuer,       // 0, 8 or 9
    kinder,              // 0 childless
    sachsen,             // 0 or 1
    zusatzbeitrag,       // hundredths of a percent
    privatbeitrag,       // cents
    zusatzversorgung,    // hundredths of a percent
    versorgungskasse,    // blank: own rates, as in files written before it; 1 VBL West
    umlage,              // hundredths of a percent
};

constexpr std::array<Satzfeld, 10> felder{{
    {"Steuerklasse", 3, 1, Feldart::ziffern},
    {"Kinderfreibeträge", 4, 2, Feldart::ziffern},
    {"Kirchensteuer", 6, 1, Feldart::ziffern},
    {"Kinder", 7, 1, Feldart::ziffern},
    {"Sachsen", 8, 1, Feldart::ziffern},
    {"Zusatzbeitrag", 9, 4, Feldart::ziffern},
    {"private Krankenversicherung", 13, 6, Feldart::ziffern},
    {"Zusatzversorgung", 19, 4, Feldart::ziffern},
    {"Zusatzversorgungskasse", 23, 1, Feldart::ziffern},
    {"Umlage", 24, 4, Feldart::ziffern},
}};
constexpr std::int64_t vblWestKennziffer = 1;
static_assert(lueckenlos(felder));
constexpr Satzbeschreibung svSatz{"sv", felder};

}  // namespace

Einstellungssatz svSatzBilden(const Steuerangaben& a, const Einstellungssatz* gelesen) {
    std::vector<Feldwert> werte(felder.size());
    werte[steuerklasse] = Feldwert::zahlwert(a.steuerklasse);
    werte[kinderfreibetraege] = Feldwert::zahlwert(a.kinderfreibetraegeZehntel);
    werte[kirchensteuer] = Feldwert::zahlwert(a.kirchensteuerProzent);
    werte[kinder] = Feldwert::zahlwert(a.kinder);
    werte[sachsen] = Feldwert::zahlwert(a.sachsen ? 1 : 0);
    if (a.zusatzbeitrag)
        werte[zusatzbeitrag] = Feldwert::zahlwert(a.zusatzbeitrag->inHundertsteln());
    if (a.privatbeitrag) werte[privatbeitrag] = Feldwert::zahlwert(*a.privatbeitrag);
    if (a.zusatzversorgung.positiv())
        werte[zusatzversorgung] = Feldwert::zahlwert(a.zusatzversorgung.inHundertsteln());
    // Own rates leave the fund blank, so that a case saved before the fund was a choice keeps its
    // bytes.
    if (a.versorgungskasse == Versorgungskasse::vblWest)
        werte[versorgungskasse] = Feldwert::zahlwert(vblWestKennziffer);
    if (a.umlage.positiv()) werte[umlage] = Feldwert::zahlwert(a.umlage.inHundertsteln());
    return satzSchreiben(svSatz, werte, gelesen);
}

std::optional<Steuerangaben> svSatzLesen(const Einstellungssatz& satz, std::string& fehler) {
    if (satzfelder::feld(satz, 1, 2) != svSatz.kennung) {
        fehler = "Der Satz beginnt nicht mit \u201Esv\u201C.";
        return std::nullopt;
    }
    auto falsch = [&](std::string_view was) {
        fehler =
            "Der Steuer- und Sozialversicherungssatz ist beschädigt (" + std::string(was) + ").";
        return std::nullopt;
    };
    const std::vector<Feldwert> werte = satzLesen(satz, svSatz);
    for (std::size_t f = 0; f < werte.size(); ++f) {
        // Positions 3 to 8 are always written; Saxony is a yes or a no, the fund blank or VBL West.
        if (werte[f].beschaedigt || (f <= sachsen && !werte[f].gesetzt) ||
            (f == sachsen && werte[f].zahl > 1) ||
            (f == versorgungskasse && werte[f].gesetzt && werte[f].zahl != vblWestKennziffer))
            return falsch(felder[f].name);
    }
    Steuerangaben a;
    a.steuerklasse = static_cast<int>(werte[steuerklasse].zahl);
    a.kinderfreibetraegeZehntel = static_cast<int>(werte[kinderfreibetraege].zahl);
    a.kirchensteuerProzent = static_cast<int>(werte[kirchensteuer].zahl);
    a.kinder = static_cast<int>(werte[kinder].zahl);
    a.sachsen = werte[sachsen].zahl == 1;
    if (werte[zusatzbeitrag].gesetzt)
        a.zusatzbeitrag = Prozentsatz::hundertstel(werte[zusatzbeitrag].zahl);
    if (werte[privatbeitrag].gesetzt) a.privatbeitrag = werte[privatbeitrag].zahl;
    a.zusatzversorgung = Prozentsatz::hundertstel(werte[zusatzversorgung].zahl);
    if (werte[versorgungskasse].gesetzt) a.versorgungskasse = Versorgungskasse::vblWest;
    a.umlage = Prozentsatz::hundertstel(werte[umlage].zahl);
    // The limits and what goes together are those the user's input is held to.
    if (const std::string grund = steuerangabenPruefen(a); !grund.empty())
        return falsch(std::string_view(grund).substr(0, grund.size() - 1));
    // The positions after the last field are left for later settings: not read, and written back
    // as read (svSatzBilden).
    return a;
}

}  // namespace korvalt
