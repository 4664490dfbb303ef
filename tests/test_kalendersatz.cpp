// The calendar record "kz": its bytes, reading it back, damaged records and the kinds of record.
#include <gtest/gtest.h>

#include <string>

#include "kalendersatz.h"

using namespace korvalt;

namespace {

Einstellungssatz satzAus(const std::string& text) {
    Einstellungssatz satz;
    satz.fill(' ');
    std::copy(text.begin(), text.end(), satz.begin());
    return satz;
}

Kalenderangaben beispiel() {
    Kalenderangaben a;
    a.beginn = KalenderMonat(2026, 7);
    a.aktuelleStufe = AktuelleStufe{3, KalenderMonat(2024, 4)};
    a.anteilI = 7500;
    a.erhoehung = AngenommeneErhoehung{25, KalenderMonat(2027, 4)};
    return a;
}

Kalenderangaben nurBeginn() {
    Kalenderangaben a;
    a.beginn = KalenderMonat(2025, 1);
    return a;
}

Kalenderangaben zwanzigJahre() {
    Kalenderangaben a;
    a.beginn = KalenderMonat(2026, 1);
    a.ende = KalenderMonat(2045, 12);
    return a;
}

Kalenderangaben ohneSonderzahlung() {
    Kalenderangaben a;
    a.mitSonderzahlung = false;
    return a;
}

}  // namespace

// What is not set stays blank; of the bonus switch only "off" is written.
TEST(Kalendersatz, BytesUndZurueck) {
    const struct {
        const char* name;
        Kalenderangaben angaben;
        const char* bytes;
    } faelle[] = {
        // Beginn, step, since, the two shares, the raise in tenths of a percent and its month.
        {"alles", beispiel(), "kz20260732024041000007500025202704"},
        {"nur Beginn", nurBeginn(), "kz202501       1000010000"},
        {"ohne Jahressonderzahlung", ohneSonderzahlung(), "kz             1000010000         0"},
        // Ende in positions 36-41.
        {"bis", zwanzigJahre(), "kz202601       1000010000          204512"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_FALSE(f.angaben.leer());
        EXPECT_EQ(kalendersatzBilden(f.angaben), satzAus(f.bytes));
        std::string fehler;
        EXPECT_EQ(kalendersatzLesen(satzAus(f.bytes), fehler), f.angaben);
    }
    EXPECT_TRUE(Kalenderangaben{}.leer());
    // A blank, as before the switch, reads as on.
    std::string fehler;
    EXPECT_TRUE(kalendersatzLesen(satzAus("kz             1000010000"), fehler)->mitSonderzahlung);
}

// A later version's settings after position 35 go back byte for byte; the known positions are
// written from the case, the bonus switch at 35 included.
TEST(Kalendersatz, UnbekannteStellenBleibenErhalten) {
    // Positions 36-41 hold Ende; a later version's settings follow them.
    const Einstellungssatz gelesen =
        satzAus("kz202501       1000010000         1" + std::string(6, ' ') + "ABC" +
                std::string(30, ' ') + "Z");
    EXPECT_TRUE(unbekanntesBelegt(gelesen));
    EXPECT_FALSE(unbekanntesBelegt(satzAus("kz202501       1000010000         1")));
    Kalenderangaben neu = nurBeginn();
    neu.beginn = KalenderMonat(2026, 7);
    neu.mitSonderzahlung = false;
    const Einstellungssatz satz = kalendersatzBilden(neu, &gelesen);
    EXPECT_EQ(std::string(satz.begin(), satz.begin() + 35), "kz202607       1000010000         0");
    EXPECT_EQ(std::string(satz.begin() + 41, satz.end()),
              std::string(gelesen.begin() + 41, gelesen.end()));
}

TEST(Kalendersatz, BeschaedigterSatz) {
    const struct {
        const char* text;
        const char* feld;
    } faelle[] = {
        {"kz202513       1000010000", "Beginn"},
        {"kz2025013      1000010000", "aktuelle Stufe"},
        {"kz202501       0009910000", "Arbeitszeitanteil"},
        {"kz202501       1000010000101202704", "angenommene Erhöhung"},
        {"kz202501       1000010000         2", "Jahressonderzahlung"},
        {"kz202601       1000010000          202512", "Ende"},
        {"kz             1000010000          204512", "Ende"},
        // 600 months from 01/2026 end in 12/2075.
        {"kz202601       1000010000          207601", "Ende"},
        {"kz202601       1000010000          2045 1", "Ende"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        std::string fehler;
        EXPECT_FALSE(kalendersatzLesen(satzAus(f.text), fehler));
        EXPECT_EQ(fehler, std::string("Der Kalendersatz ist beschädigt (") + f.feld + ").");
    }
}

TEST(Kalendersatz, SatzartenNachDenErstenZweiBytes) {
    EXPECT_EQ(satzartVon(satzAus("st")), Satzart::fall);
    EXPECT_EQ(satzartVon(satzAus("tb2026-05")), Satzart::tabelle);
    EXPECT_EQ(satzartVon(satzAus("kz")), Satzart::kalender);
    Einstellungssatz spaeter = satzAus("x");
    spaeter[1] = 0x01;
    EXPECT_EQ(satzartVon(spaeter), Satzart::unbekannt);
    EXPECT_EQ(
        unbekannterSatzGrund(3, spaeter),
        "der 3. Satz beginnt mit \u201Ex\\x01\u201C, den diese Version von Korvalt nicht kennt");
}

// Each field at its positions: written there and read from there. Read a byte early or late, each
// value changes or the record is damaged.
TEST(Kalendersatz, JedesFeldAnSeinerStelle) {
    const struct {
        const char* feld;
        Kalenderangaben angaben;
        const char* bytes;
    } faelle[] = {
        {"Beginn 3-8", {.beginn = KalenderMonat(2026, 7)}, "kz202607       1000010000"},
        {"Stufe 9, seit 10-15",
         {.aktuelleStufe = AktuelleStufe{3, {2024, 4}}},
         "kz      32024041000010000"},
        {"Anteil 16-20", {.anteilN = 7500}, "kz             0750010000"},
        {"Anteil 21-25", {.anteilI = 9999}, "kz             1000009999"},
        {"Erhöhung 26-28, ab 29-34",
         {.erhoehung = AngenommeneErhoehung{25, {2027, 4}}},
         "kz             1000010000025202704"},
        {"Jahressonderzahlung 35",
         {.mitSonderzahlung = false},
         "kz             1000010000         0"},
        {"Ende 36-41",
         {.beginn = KalenderMonat(2026, 1), .ende = KalenderMonat(2045, 12)},
         "kz202601       1000010000          204512"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.feld);
        EXPECT_EQ(kalendersatzBilden(f.angaben), satzAus(f.bytes));
        std::string fehler;
        EXPECT_EQ(kalendersatzLesen(satzAus(f.bytes), fehler), f.angaben) << fehler;
    }
}
