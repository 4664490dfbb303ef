// Layout of the tax and insurance record. Positions count from 1, as in the other settings records.
#include "svsatz.h"

#include <algorithm>

#include "satzfelder.h"

namespace korvalt {

namespace {

using namespace satzfelder;

constexpr int stelleSteuerklasse = 3;        // one digit 1..6
constexpr int stelleKinderfreibetraege = 4;  // two digits, tenths
constexpr int stelleKirchensteuer = 6;       // 0, 8 or 9
constexpr int stelleKinder = 7;              // one digit, 0 childless
constexpr int stelleSachsen = 8;             // 0 or 1
constexpr int stelleZusatzbeitrag = 9;       // four digits, hundredths of a percent
constexpr int stellePrivatbeitrag = 13;      // six digits, cents
constexpr int stelleZusatzversorgung = 19;   // four digits, hundredths of a percent
constexpr int letzteBekannteStelle = 22;

}  // namespace

Einstellungssatz svSatzBilden(const Steuerangaben& a, const Einstellungssatz* gelesen) {
    Einstellungssatz satz;
    satz.fill(' ');
    if (gelesen)
        std::copy(gelesen->begin() + letzteBekannteStelle, gelesen->end(),
                  satz.begin() + letzteBekannteStelle);
    satz[0] = 's';
    satz[1] = 'v';
    ziffernSchreiben(satz, stelleSteuerklasse, 1, a.steuerklasse);
    ziffernSchreiben(satz, stelleKinderfreibetraege, 2, a.kinderfreibetraegeZehntel);
    ziffernSchreiben(satz, stelleKirchensteuer, 1, a.kirchensteuerProzent);
    ziffernSchreiben(satz, stelleKinder, 1, a.kinder);
    ziffernSchreiben(satz, stelleSachsen, 1, a.sachsen ? 1 : 0);
    if (a.zusatzbeitrag)
        ziffernSchreiben(satz, stelleZusatzbeitrag, 4, a.zusatzbeitrag->inHundertsteln());
    if (a.privatbeitrag) ziffernSchreiben(satz, stellePrivatbeitrag, 6, *a.privatbeitrag);
    if (a.zusatzversorgung.positiv())
        ziffernSchreiben(satz, stelleZusatzversorgung, 4, a.zusatzversorgung.inHundertsteln());
    return satz;
}

std::optional<Steuerangaben> svSatzLesen(const Einstellungssatz& satz, std::string& fehler) {
    if (feld(satz, 1, 2) != "sv") {
        fehler = "Der Satz beginnt nicht mit \u201Esv\u201C.";
        return std::nullopt;
    }
    auto falsch = [&](const std::string& was) {
        fehler = "Der Steuer- und Sozialversicherungssatz ist beschädigt (" + was + ").";
        return std::nullopt;
    };
    // A field that must be set, as a number.
    auto pflicht = [&](int position, int laenge, int& ziel) {
        const Feld f = zahlfeld(satz, position, laenge);
        ziel = static_cast<int>(f.wert);
        return f.gesetzt && !f.beschaedigt;
    };
    Steuerangaben a;
    int sachsen = 0;
    if (!pflicht(stelleSteuerklasse, 1, a.steuerklasse)) return falsch("Steuerklasse");
    if (!pflicht(stelleKinderfreibetraege, 2, a.kinderfreibetraegeZehntel))
        return falsch("Kinderfreibeträge");
    if (!pflicht(stelleKirchensteuer, 1, a.kirchensteuerProzent)) return falsch("Kirchensteuer");
    if (!pflicht(stelleKinder, 1, a.kinder)) return falsch("Kinder");
    if (!pflicht(stelleSachsen, 1, sachsen) || sachsen > 1) return falsch("Sachsen");
    a.sachsen = sachsen == 1;
    const Feld zusatzbeitrag = zahlfeld(satz, stelleZusatzbeitrag, 4);
    const Feld privatbeitrag = zahlfeld(satz, stellePrivatbeitrag, 6);
    const Feld zusatzversorgung = zahlfeld(satz, stelleZusatzversorgung, 4);
    if (zusatzbeitrag.beschaedigt) return falsch("Zusatzbeitrag");
    if (privatbeitrag.beschaedigt) return falsch("private Krankenversicherung");
    if (zusatzversorgung.beschaedigt) return falsch("Zusatzversorgung");
    if (zusatzbeitrag.gesetzt) a.zusatzbeitrag = Prozentsatz::hundertstel(zusatzbeitrag.wert);
    if (privatbeitrag.gesetzt) a.privatbeitrag = privatbeitrag.wert;
    a.zusatzversorgung = Prozentsatz::hundertstel(zusatzversorgung.wert);
    // The limits and what goes together are those the user's input is held to.
    if (const std::string grund = steuerangabenPruefen(a); !grund.empty()) {
        std::string ohnePunkt = grund.substr(0, grund.size() - 1);
        return falsch(ohnePunkt);
    }
    // Positions 23..75 are left for later settings: not read, and written back as read.
    return a;
}

}  // namespace korvalt
