// Layout of the calendar record. Positions count from 1, as in the other settings records.
#include "kalendersatz.h"

#include <algorithm>
#include <string_view>

namespace korvalt {

namespace {

constexpr int stelleBeginn = 3;        // JJJJMM
constexpr int stelleStufe = 9;         // one digit 1..6
constexpr int stelleSeit = 10;         // JJJJMM
constexpr int stelleAnteilN = 16;      // five digits, hundredths of a percent
constexpr int stelleAnteilI = 21;      // five digits
constexpr int stelleErhoehung = 26;    // three digits, tenths of a percent
constexpr int stelleErhoehungAb = 29;  // JJJJMM
// "0" when the year view leaves out the annual bonus; blank (or "1") counts it, so that a record
// written before the switch existed keeps it on.
constexpr int stelleSonderzahlung = 35;
constexpr int stelleEnde = 36;  // JJJJMM
// The last position this version knows; a later version's settings follow it.
constexpr int letzteBekannteStelle = stelleEnde + 5;

void ziffernSchreiben(Einstellungssatz& satz, int position, int laenge, int wert) {
    for (int k = laenge - 1; k >= 0; --k, wert /= 10)
        satz[std::size_t(position - 1 + k)] = static_cast<unsigned char>('0' + wert % 10);
}

void monatSchreiben(Einstellungssatz& satz, int position, const std::optional<KalenderMonat>& m) {
    if (!m) return;
    ziffernSchreiben(satz, position, 4, m->jahr());
    ziffernSchreiben(satz, position + 4, 2, m->monat());
}

std::string_view feld(const Einstellungssatz& satz, int position, int laenge) {
    return {reinterpret_cast<const char*>(satz.data()) + position - 1, std::size_t(laenge)};
}

bool leer(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<int> ziffernLesen(std::string_view text) {
    int wert = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return wert;
}

// What a field holds: nothing when blank, a value, or damage.
struct Feld {
    bool gesetzt = false;
    bool beschaedigt = false;
    int wert = 0;
};

Feld zahlfeld(const Einstellungssatz& satz, int position, int laenge) {
    const auto text = feld(satz, position, laenge);
    if (leer(text)) return {};
    const auto wert = ziffernLesen(text);
    return {true, !wert, wert.value_or(0)};
}

}  // namespace

Satzart satzartVon(const Einstellungssatz& satz) {
    const std::string_view kennung = feld(satz, 1, 2);
    if (kennung == "st") return Satzart::fall;
    if (kennung == "tb") return Satzart::tabelle;
    if (kennung == "kz") return Satzart::kalender;
    if (kennung == "fn") return Satzart::fallnamen;
    if (kennung == "sv") return Satzart::steuer;
    if (kennung == "pe") return Satzart::person;
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
    return !leer(feld(satz, letzteBekannteStelle + 1, int(satz.size()) - letzteBekannteStelle));
}

Einstellungssatz kalendersatzBilden(const Kalenderangaben& angaben,
                                    const Einstellungssatz* gelesen) {
    Einstellungssatz satz;
    satz.fill(' ');
    if (gelesen)
        std::copy(gelesen->begin() + letzteBekannteStelle, gelesen->end(),
                  satz.begin() + letzteBekannteStelle);
    satz[0] = 'k';
    satz[1] = 'z';
    monatSchreiben(satz, stelleBeginn, angaben.beginn);
    if (angaben.aktuelleStufe) {
        ziffernSchreiben(satz, stelleStufe, 1, angaben.aktuelleStufe->stufe);
        monatSchreiben(satz, stelleSeit, angaben.aktuelleStufe->seit);
    }
    ziffernSchreiben(satz, stelleAnteilN, 5, angaben.anteilN);
    ziffernSchreiben(satz, stelleAnteilI, 5, angaben.anteilI);
    if (angaben.erhoehung) {
        ziffernSchreiben(satz, stelleErhoehung, 3, angaben.erhoehung->zehntelProzent);
        monatSchreiben(satz, stelleErhoehungAb, angaben.erhoehung->ab);
    }
    if (!angaben.mitSonderzahlung) satz[stelleSonderzahlung - 1] = '0';
    monatSchreiben(satz, stelleEnde, angaben.ende);
    return satz;
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
    // A month is six digits JJJJMM or six blanks.
    auto monat = [&](int position, std::optional<KalenderMonat>& ziel) {
        const auto text = feld(satz, position, 6);
        if (leer(text)) return true;
        const auto jahr = ziffernLesen(text.substr(0, 4));
        const auto m = ziffernLesen(text.substr(4));
        if (!jahr || !m || *m < 1 || *m > 12) return false;
        ziel = KalenderMonat(*jahr, *m);
        return true;
    };

    Kalenderangaben angaben;
    if (!monat(stelleBeginn, angaben.beginn)) return falsch("Beginn");
    if (angaben.beginn && !beginnPruefen(*angaben.beginn).empty()) return falsch("Beginn");

    const Feld stufe = zahlfeld(satz, stelleStufe, 1);
    std::optional<KalenderMonat> seit;
    if (!monat(stelleSeit, seit)) return falsch("Stufe seit");
    if (stufe.beschaedigt || stufe.gesetzt != seit.has_value() ||
        (stufe.gesetzt && (stufe.wert < 1 || stufe.wert > hoechsteAktuelleStufe)))
        return falsch("aktuelle Stufe");
    if (stufe.gesetzt) angaben.aktuelleStufe = AktuelleStufe{stufe.wert, *seit};

    for (auto [position, ziel] :
         {std::pair{stelleAnteilN, &angaben.anteilN}, std::pair{stelleAnteilI, &angaben.anteilI}}) {
        const Feld anteil = zahlfeld(satz, position, 5);
        if (!anteil.gesetzt || anteil.beschaedigt || anteil.wert < kleinsterAnteil ||
            anteil.wert > vollzeitAnteil)
            return falsch("Arbeitszeitanteil");
        *ziel = anteil.wert;
    }

    const Feld prozent = zahlfeld(satz, stelleErhoehung, 3);
    std::optional<KalenderMonat> ab;
    if (!monat(stelleErhoehungAb, ab)) return falsch("Erhöhung ab");
    if (prozent.beschaedigt || prozent.gesetzt != ab.has_value() ||
        prozent.wert > groessteErhoehung)
        return falsch("angenommene Erhöhung");
    if (prozent.gesetzt) angaben.erhoehung = AngenommeneErhoehung{prozent.wert, *ab};

    const Feld sonderzahlung = zahlfeld(satz, stelleSonderzahlung, 1);
    if (sonderzahlung.beschaedigt || sonderzahlung.wert > 1) return falsch("Jahressonderzahlung");
    angaben.mitSonderzahlung = !sonderzahlung.gesetzt || sonderzahlung.wert == 1;
    if (!monat(stelleEnde, angaben.ende)) return falsch("Ende");
    if (angaben.ende &&
        (!angaben.beginn || *angaben.ende < *angaben.beginn || *angaben.periode() > letzterMonat))
        return falsch("Ende");
    // The positions after the last known one belong to later settings: they are not read, and
    // saving keeps them (kalendersatzBilden).
    return angaben;
}

}  // namespace korvalt
