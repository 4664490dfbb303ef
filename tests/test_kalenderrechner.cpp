// The Rechner in calendar time: tables by date, part-time and the current step, on the tariff file
// built beside the tests.
#include <gtest/gtest.h>

#include <fstream>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "meldungsprotokoll.h"
#include "sitzung.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

constexpr Integer egr9b = 10;

class KalenderRechnerTest : public ::testing::Test {
  protected:
    // A case in `tabelle`, start group 9b, default durations, the given calendar settings.
    void rechnen(const char* tabelle, const Kalenderangaben& kalender) {
        sitzung.oeffnen({{"."}, {}, tabelle}, meldungen);
        ASSERT_TRUE(meldungen.warnungen.empty());
        std::string fehler;
        ASSERT_TRUE(sitzung.kalenderSetzen(kalender, fehler)) << fehler;
        sitzung.starten(egr9b);
    }
    const Falltabellen& t() { return sitzung.tabellen(); }

    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
};

Kalenderangaben ab(KalenderMonat beginn) {
    Kalenderangaben k;
    k.beginn = beginn;
    return k;
}

}  // namespace

// VKA by date from 01/2025 in 9b: step 1 for 12 months, then step 2. 01-03/2025 step 1 of 2024-03
// (3.566,89), 04-12/2025 step 1 of 2025-04 (3.676,89), 01-04/2026 step 2 of 2025-04 (3.929,00),
// from 05/2026 step 2 of 2026-05 (4.039,01).
TEST_F(KalenderRechnerTest, VkaNachDatumZahltDieTabelleDesMonats) {
    rechnen("vka", ab({2025, 1}));
    const struct {
        int monat;
        Long cent;
    } erwartet[] = {{1, 356689},  {3, 356689},  {4, 367689},  {12, 367689},
                    {13, 392900}, {16, 392900}, {17, 403901}, {36, 403901}};
    for (const auto& e : erwartet) EXPECT_EQ(t().monatscentN(e.monat), e.cent) << e.monat;
    EXPECT_EQ(t().kalender.kalendermonat(17), KalenderMonat(2026, 5));
    EXPECT_EQ(sitzung.rechner().erhoehungshinweis(), "");
}

// The same at 75 % in the individual case, each month rounded a half up: 3.566,89 x 0,75 =
// 2.675,1675 -> 2.675,17 (difference -891,72); 3.676,89 -> 2.757,6675 -> 2.757,67 (-919,22);
// 3.929,00 -> 2.946,75 (-982,25); 4.039,01 -> 3.029,2575 -> 3.029,26 (-1.009,75).
TEST_F(KalenderRechnerTest, TeilzeitJeFallAufDenCent) {
    Kalenderangaben k = ab({2025, 1});
    k.anteilI = 7500;
    rechnen("vka", k);
    const struct {
        int monat;
        Long differenz;
    } erwartet[] = {{1, -89172}, {4, -91922}, {13, -98225}, {17, -100975}};
    for (const auto& e : erwartet)
        EXPECT_EQ(t().monatscentI(e.monat) - t().monatscentN(e.monat), e.differenz) << e.monat;
    EXPECT_EQ(
        t().gesamtcent(2) - t().gesamtcent(1), -[&] {
            std::int64_t viertel = 0;
            for (int m = 1; m <= sitzung.daten().monatsanzahl; ++m)
                viertel += t().monatscentN(m) - t().monatscentI(m);
            return viertel;
        }());
}

// The table of 2006 pays whole euros as it always did: a working-time share changes nothing.
TEST_F(KalenderRechnerTest, TeilzeitNieIn2006) {
    Kalenderangaben k = ab({2025, 1});
    k.anteilI = 5000;
    rechnen("2006", k);
    EXPECT_EQ(t().gesamtbetrag(2), t().gesamtbetrag(1));
}

// A case saved with its current step already counted: the same step given again on the command
// line leaves its durations as saved.
TEST_F(KalenderRechnerTest, AktuelleStufeZaehltNurEinmal) {
    rechnen("2026-05", ab({2026, 7}));
    std::string fehler;
    ASSERT_TRUE(sitzung.aktuelleStufeSetzen({3, {2024, 4}}, fehler)) << fehler;
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / "fall.korvalt";
    ASSERT_TRUE(sitzung.speichern("9b", datei, fehler)) << fehler;

    Startoptionen optionen({"."}, datei);
    optionen.ohneFenster = true;
    optionen.kalender.beginn = KalenderMonat{2026, 7};
    optionen.kalender.aktuelleStufe = AktuelleStufe{3, {2024, 4}};
    Sitzung wieder;
    ASSERT_EQ(wieder.oeffnen(optionen, meldungen).fehler, "");
    EXPECT_EQ(wieder.tabellen().stufendauer(1, 1, 3), 9);
}

// After the last table the assumed raise applies from its month; the outputs name it once used.
TEST_F(KalenderRechnerTest, AngenommeneErhoehungNurGenanntWennGenutzt) {
    Kalenderangaben k = ab({2027, 1});
    k.erhoehung = AngenommeneErhoehung{25, {2027, 4}};
    rechnen("vka", k);
    // 9b step 1 of 2026-05, 3.779,84, raised by 2,5 % from 04/2027: 3.874,336 -> 3.874,34.
    EXPECT_EQ(t().monatscentN(3), 377984);
    EXPECT_EQ(t().monatscentN(4), 387434);
    EXPECT_EQ(sitzung.rechner().erhoehungshinweis(),
              "angenommene Erhöhung 2,5 % jährlich ab 04/2027");

    // A case that ends before 04/2027 never used it.
    for (int c = 1; c <= 4; ++c)
        for (Seite seite : {Seite::normal, Seite::individuell})
            sitzung.dauerSetzen(seite, c, 0, c == 1 ? 3 : 0);
    sitzung.starten(egr9b);
    EXPECT_EQ(sitzung.rechner().erhoehungshinweis(), "");
}

// A table by date cannot be chosen, nor its start month taken away, without a start month.
TEST_F(KalenderRechnerTest, NachDatumBrauchtEinenBeginn) {
    rechnen("2026-05", {});
    std::string fehler;
    EXPECT_FALSE(sitzung.tabelleWaehlen("vka", fehler));
    EXPECT_EQ(fehler, "\u201EVKA nach Datum\u201C braucht einen Beginn.");
    EXPECT_EQ(sitzung.daten().tabelle, "2026-05");
    ASSERT_TRUE(sitzung.kalenderSetzen(ab({2025, 1}), fehler));
    ASSERT_TRUE(sitzung.tabelleWaehlen("bund", fehler)) << fehler;
    EXPECT_EQ(sitzung.titel(), "Korvalt für TVöD-Bund, Tariftabellen Bund nach Datum");
    EXPECT_FALSE(sitzung.kalenderSetzen({}, fehler));
    EXPECT_EQ(fehler, "\u201EBund nach Datum\u201C braucht einen Beginn.");
    EXPECT_TRUE(t().kalender.beginn);
}

// A case by date whose calendar record is damaged is never calculated by date without a start
// month: the window's start-up says why and calculates it in the side's latest table, saves it with
// its table and its record as they were, and a Beginn brings it back to its table by date. Without
// a window it is refused.
TEST(KalenderRechnerDatei, NachDatumMitBeschaedigtemKalendersatz) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen standard;
    standardfallSetzen(standard);
    const Einstellungssatz fall = einstellungssatzBilden(10, standard, 17);
    const Einstellungssatz tabelle = tabellensatzBilden("vka");
    std::string beschaedigt = "kz202513       1000010000";
    beschaedigt.resize(einstellungssatzLaenge, ' ');
    const std::string inhalt = std::string(fall.begin(), fall.end()) +
                               std::string(tabelle.begin(), tabelle.end()) + beschaedigt;
    std::ofstream(datei, std::ios::binary) << inhalt;

    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
    ASSERT_EQ(sitzung.oeffnen({{"."}, datei}, meldungen).fehler, "");
    const Tariftabelle& letzte =
        *sitzung.daten().tabellenkatalog.datierteTabellen(Arbeitgeberseite::vka).back();
    EXPECT_EQ(sitzung.daten().tabelle, letzte.schluessel);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("Stand " + letzte.menuetitel()), std::string::npos)
        << meldungen.warnungen[0];
    std::string gespeichert;
    for (const auto& satz : sitzung.saetze("9b")) gespeichert.append(satz.begin(), satz.end());
    EXPECT_EQ(gespeichert, inhalt);

    Kalenderangaben beginn;
    beginn.beginn = KalenderMonat(2025, 1);
    std::string fehler;
    ASSERT_TRUE(sitzung.kalenderSetzen(beginn, fehler)) << fehler;
    EXPECT_EQ(sitzung.daten().tabelle, "vka");
    EXPECT_EQ(sitzung.vertretungsgrund(), "");
    const auto saetze = sitzung.saetze("9b");
    ASSERT_EQ(saetze.size(), 3u);
    EXPECT_EQ(std::string(saetze[2].begin(), saetze[2].begin() + 8), "kz202501");

    Sitzung ohneFenster;
    Startoptionen optionen{{"."}, datei};
    optionen.ohneFenster = true;
    EXPECT_EQ(ohneFenster.oeffnen(optionen, meldungen).fehler,
              "\u201EVKA nach Datum\u201C braucht einen Beginn.");
}
