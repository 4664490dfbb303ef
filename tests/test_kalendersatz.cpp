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

}  // namespace

TEST(Kalendersatz, GoldeneBytes) {
    const Einstellungssatz golden = satzAus(
        "kz"
        "202607"
        "3"
        "202404"
        "10000"
        "07500"
        "025"
        "202704");
    EXPECT_EQ(kalendersatzBilden(beispiel()), golden);
    std::string fehler;
    EXPECT_EQ(kalendersatzLesen(golden, fehler), beispiel());
}

TEST(Kalendersatz, NichtGesetztesBleibtLeer) {
    Kalenderangaben a;
    EXPECT_TRUE(a.leer());
    a.beginn = KalenderMonat(2025, 1);
    EXPECT_FALSE(a.leer());
    const Einstellungssatz satz = kalendersatzBilden(a);
    EXPECT_EQ(satz, satzAus("kz202501       1000010000"));
    std::string fehler;
    EXPECT_EQ(kalendersatzLesen(satz, fehler), a);
}

// Only a switched-off bonus is written; a blank, as before the switch, reads as on.
TEST(Kalendersatz, JahressonderzahlungAusgeschaltet) {
    Kalenderangaben a;
    a.mitSonderzahlung = false;
    EXPECT_FALSE(a.leer());
    const Einstellungssatz satz = kalendersatzBilden(a);
    EXPECT_EQ(satz, satzAus("kz             1000010000         0"));
    std::string fehler;
    EXPECT_EQ(kalendersatzLesen(satz, fehler), a);
    EXPECT_TRUE(kalendersatzLesen(satzAus("kz             1000010000"), fehler)->mitSonderzahlung);
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
