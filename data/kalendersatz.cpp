// The calendar record's fields, and the kinds of record. Positions count from 1.
#include "kalendersatz.h"

#include <array>
#include <string_view>
#include <vector>

#include "satzfelder.h"

namespace korvalt {

namespace {

using satzfelder::feld;

// The values in the order of `felder`.
enum Feld : std::size_t {
    beginn,         // JJJJMM
    stufe,          // one digit 1..6
    seit,           // JJJJMM
    anteilN,        // hundredths of a percent, the normal case
    anteilI,        // the individual case
    erhoehung,      // tenths of a percent
    erhoehungAb,    // JJJJMM
    sonderzahlung,  // "0" when the year view leaves out the annual bonus; blank (or "1") counts
                    // it, so that a record written before the switch existed keeps it on
    ende,           // JJJJMM
};

constexpr std::array<Satzfeld, 9> felder{{
    {"Beginn", 3, 6, Feldart::ziffern},
    {"aktuelle Stufe", 9, 1, Feldart::ziffern},
    {"Stufe seit", 10, 6, Feldart::ziffern},
    {"Arbeitszeitanteil", 16, 5, Feldart::ziffern},
    {"Arbeitszeitanteil", 21, 5, Feldart::ziffern},
    {"angenommene Erhöhung", 26, 3, Feldart::ziffern},
    {"Erhöhung ab", 29, 6, Feldart::ziffern},
    {"Jahressonderzahlung", 35, 1, Feldart::ziffern},
    {"Ende", 36, 6, Feldart::ziffern},
}};
static_assert(lueckenlos(felder));
constexpr Satzbeschreibung kalendersatz{"kz", felder};

}  // namespace

Satzart satzartVon(const Einstellungssatz& satz) {
    const std::string_view kennung = feld(satz, 1, 2);
    if (kennung == "st") return Satzart::fall;
    if (kennung == "tb") return Satzart::tabelle;
    if (kennung == "kz") return Satzart::kalender;
    if (kennung == "fn") return Satzart::fallnamen;
    if (kennung == "sv") return Satzart::steuer;
    if (kennung == "pe") return Satzart::person;
    if (kennung == "zr") return Satzart::zeitraum;
    return Satzart::unbekannt;
}

std::string unbekannterSatzGrund(int nummer, const Einstellungssatz& satz) {
    std::string kennung;
    for (unsigned char c : feld(satz, 1, 2)) {
        if (c >= 0x20 && c < 0x7f) {
            kennung += static_cast<char>(c);
        } else {
            constexpr const char* hex = "0123456789ABCDEF";
            kennung += "\\x";
            kennung += hex[c >> 4];
            kennung += hex[c & 15];
        }
    }
    return "der " + std::to_string(nummer) + ". Satz beginnt mit \u201E" + kennung +
           "\u201C, den diese Version von Korvalt nicht kennt";
}

bool unbekanntesBelegt(const Einstellungssatz& satz) {
    return unbekanntesBelegt(satz, kalendersatz);
}

Einstellungssatz kalendersatzBilden(const Kalenderangaben& angaben,
                                    const Einstellungssatz* gelesen) {
    std::vector<Feldwert> werte(felder.size());
    werte[beginn] = monatswert(angaben.beginn);
    if (angaben.aktuelleStufe) {
        werte[stufe] = Feldwert::zahlwert(angaben.aktuelleStufe->stufe);
        werte[seit] = monatswert(angaben.aktuelleStufe->seit);
    }
    werte[anteilN] = Feldwert::zahlwert(angaben.anteilN);
    werte[anteilI] = Feldwert::zahlwert(angaben.anteilI);
    if (angaben.erhoehung) {
        werte[erhoehung] = Feldwert::zahlwert(angaben.erhoehung->zehntelProzent);
        werte[erhoehungAb] = monatswert(angaben.erhoehung->ab);
    }
    if (!angaben.mitSonderzahlung) werte[sonderzahlung] = Feldwert::zahlwert(0);
    werte[ende] = monatswert(angaben.ende);
    return satzSchreiben(kalendersatz, werte, gelesen);
}

std::optional<Kalenderangaben> kalendersatzLesen(const Einstellungssatz& satz,
                                                 std::string& fehler) {
    if (satzartVon(satz) != Satzart::kalender) {
        fehler = "Der Satz beginnt nicht mit \u201Ekz\u201C.";
        return std::nullopt;
    }
    auto falsch = [&](const std::string& was) {
        fehler = "Der Kalendersatz ist beschädigt (" + was + ").";
        return std::nullopt;
    };
    const std::vector<Feldwert> werte = satzLesen(satz, kalendersatz);
    // A month is six digits JJJJMM or six blanks.
    auto monat = [&](Feld f, std::optional<KalenderMonat>& ziel) {
        const Feldwert& w = werte[f];
        if (!w.gesetzt) return true;
        const auto m = static_cast<int>(w.zahl % 100);
        if (w.beschaedigt || m < 1 || m > 12) return false;
        ziel = KalenderMonat(static_cast<int>(w.zahl / 100), m);
        return true;
    };

    Kalenderangaben angaben;
    if (!monat(beginn, angaben.beginn)) return falsch("Beginn");
    if (angaben.beginn && !beginnPruefen(*angaben.beginn).empty()) return falsch("Beginn");

    const Feldwert& stufenwert = werte[stufe];
    std::optional<KalenderMonat> stufeSeit;
    if (!monat(seit, stufeSeit)) return falsch("Stufe seit");
    if (stufenwert.beschaedigt || stufenwert.gesetzt != stufeSeit.has_value() ||
        (stufenwert.gesetzt && (stufenwert.zahl < 1 || stufenwert.zahl > hoechsteAktuelleStufe)))
        return falsch("aktuelle Stufe");
    if (stufenwert.gesetzt)
        angaben.aktuelleStufe = AktuelleStufe{static_cast<int>(stufenwert.zahl), *stufeSeit};

    for (auto [f, ziel] :
         {std::pair{anteilN, &angaben.anteilN}, std::pair{anteilI, &angaben.anteilI}}) {
        const Feldwert& anteil = werte[f];
        if (!anteil.gesetzt || anteil.beschaedigt || anteil.zahl < kleinsterAnteil ||
            anteil.zahl > vollzeitAnteil)
            return falsch("Arbeitszeitanteil");
        *ziel = static_cast<int>(anteil.zahl);
    }

    const Feldwert& prozent = werte[erhoehung];
    std::optional<KalenderMonat> ab;
    if (!monat(erhoehungAb, ab)) return falsch("Erhöhung ab");
    if (prozent.beschaedigt || prozent.gesetzt != ab.has_value() ||
        prozent.zahl > groessteErhoehung)
        return falsch("angenommene Erhöhung");
    if (prozent.gesetzt)
        angaben.erhoehung = AngenommeneErhoehung{static_cast<int>(prozent.zahl), *ab};

    const Feldwert& bonus = werte[sonderzahlung];
    if (bonus.beschaedigt || bonus.zahl > 1) return falsch("Jahressonderzahlung");
    angaben.mitSonderzahlung = !bonus.gesetzt || bonus.zahl == 1;
    if (!monat(ende, angaben.ende)) return falsch("Ende");
    if (angaben.ende &&
        (!angaben.beginn || *angaben.ende < *angaben.beginn || *angaben.periode() > letzterMonat))
        return falsch("Ende");
    // The positions after the last known one belong to later settings: they are not read, and
    // saving keeps them (kalendersatzBilden).
    return angaben;
}

}  // namespace korvalt
