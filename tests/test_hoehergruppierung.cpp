// The promotion check: the case it sets up, why it refuses one, its worked example and what makes
// it an ordinary case again; on the tariff file built beside the tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dauerfelder.h"
#include "druckblock.h"
#include "eingabefelder.h"
#include "feldtabelle.h"
#include "hoehergruppierung.h"
#include "hoehergruppierungsbeispiel.h"
#include "jahresdaten.h"
#include "meldungsprotokoll.h"
#include "monatsliste.h"
#include "sitzung.h"
#include "speicherfall.h"

using namespace korvalt;

namespace {

constexpr Integer egr9a = 9;
constexpr Integer egr9b = 10;

class HoehergruppierungTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(sitzung.oeffnen({{"."}}, meldungen).fehler, "");
        ASSERT_TRUE(meldungen.warnungen.empty());
    }
    void einrichten(const Hoehergruppierung& h) {
        std::string fehler;
        ASSERT_TRUE(sitzung.hoehergruppierungEinrichten(h, fehler)) << fehler;
        sitzung.starten(sitzung.fall().startgruppe);
    }
    const Falltabellen& t() const { return sitzung.tabellen(); }

    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
};

}  // namespace

// Beginn is January of the promotion's year, but not before the step's month nor before 03/2024;
// Ende is 20 years (240 months) after it.
TEST(Hoehergruppierung, BeginnUndEndeOhneEingabe) {
    const struct {
        const char* name;
        KalenderMonat seit, zum, beginn;
    } faelle[] = {
        {"Januar des Jahres", {2024, 4}, {2026, 7}, {2026, 1}},
        {"nicht vor der Stufe", {2026, 3}, {2026, 7}, {2026, 3}},
        {"nicht vor 03/2024", {2023, 1}, {2024, 5}, {2024, 3}},
    };
    for (const auto& f : faelle) {
        Hoehergruppierung h = test::hoehergruppierungsbeispiel();
        h.stufe.seit = f.seit;
        h.zum = f.zum;
        EXPECT_EQ(hoehergruppierungBeginn(h), f.beginn) << f.name;
        EXPECT_EQ(hoehergruppierungEnde(h), f.beginn + 239) << f.name;
    }
    Hoehergruppierung h = test::hoehergruppierungsbeispiel();
    h.beginn = KalenderMonat(2025, 5);
    h.ende = KalenderMonat(2030, 4);
    EXPECT_EQ(hoehergruppierungBeginn(h), KalenderMonat(2025, 5));
    EXPECT_EQ(hoehergruppierungEnde(h), KalenderMonat(2030, 4));
}

// The case as set up: the normal case stays in 9a, the individual one has 6 months in 9a and the
// rest of the 240 months in 9b; the standard durations everywhere, EGr. 1 with 48 months in each
// of its steps 2 to 5.
TEST_F(HoehergruppierungTest, DerFallDerHoehergruppierung) {
    einrichten(test::hoehergruppierungsbeispiel());
    EXPECT_EQ(sitzung.fall().startgruppe, egr9a);
    EXPECT_EQ(sitzung.tabelle().schluessel, "vka");
    constexpr Integer standard[] = {12, 24, 36, 48, 60, 255};
    const int erwartetN[] = {240, 0, 0, 0};
    const int erwartetI[] = {6, 234, 0, 0};
    for (int spalte = 1; spalte <= 4; ++spalte) {
        EXPECT_EQ(t().grdauerN(spalte), erwartetN[spalte - 1]) << spalte;
        EXPECT_EQ(t().grdauerI(spalte), erwartetI[spalte - 1]) << spalte;
        for (int seite = 1; seite <= 2; ++seite)
            for (int stufe = 1; stufe <= 6; ++stufe)
                EXPECT_EQ(t().stufendauer(seite, spalte, stufe), standard[stufe - 1]);
    }
    const Kalenderangaben& k = t().kalender;
    EXPECT_EQ(k.beginn, KalenderMonat(2026, 1));
    EXPECT_EQ(k.ende, KalenderMonat(2045, 12));
    EXPECT_EQ(k.aktuelleStufe, (AktuelleStufe{3, {2024, 4}}));
    EXPECT_EQ(k.anteilN, 7500);
    EXPECT_EQ(k.anteilI, 7500);
    EXPECT_TRUE(k.mitSonderzahlung);
    EXPECT_EQ(t().namen,
              (Fallnamen{"ohne Höhergruppierung", "mit Höhergruppierung nach 9b zum 07/2026"}));

    const Tariftabelle& vka = sitzung.tabelle();
    const auto egr1 = hoehergruppierungStufendauern(vka, 1);
    constexpr Integer dauernEgr1[] = {0, 48, 48, 48, 48, 255};
    for (int stufe = 1; stufe <= 6; ++stufe) EXPECT_EQ(egr1(stufe), dauernEgr1[stufe - 1]);
    // Three groups up, the groups between without months.
    Hoehergruppierung h = test::hoehergruppierungsbeispiel();
    h.zielgruppe = "10";
    einrichten(h);
    EXPECT_EQ(t().grdauerI(2), 0);
    EXPECT_EQ(t().grdauerI(3), 0);
    EXPECT_EQ(t().grdauerI(4), 234);
    EXPECT_EQ(t().namen.individuell, "mit Höhergruppierung nach 10 zum 07/2026");
}

// The promotion check refuses, with its reason, what it cannot set up; the case stays as it was.
TEST_F(HoehergruppierungTest, WasDiePruefungAblehnt) {
    const struct {
        const char* name;
        void (*aendern)(Hoehergruppierung&);
        const char* grund;
    } faelle[] = {
        {"Tabelle eines Datums", [](Hoehergruppierung& h) { h.tabelle = "2026-05"; },
         "Die Höhergruppierung prüft Korvalt in einer Tabelle nach Datum (\u201EVKA nach "
         "Datum\u201C oder \u201EBund nach Datum\u201C), nicht in \u201ETariftabellen Stand MAI "
         "2026\u201C."},
        {"Tabelle 2006", [](Hoehergruppierung& h) { h.tabelle = "2006"; },
         "nicht in \u201ETariftabellen Stand JANUAR 2006 WEST\u201C."},
        {"unbekannte Gruppe", [](Hoehergruppierung& h) { h.gruppe = "9"; },
         "Die Entgeltgruppe \u201E9\u201C gibt es in \u201ETariftabellen VKA nach Datum\u201C "
         "nicht."},
        {"vier Gruppen höher", [](Hoehergruppierung& h) { h.zielgruppe = "11"; },
         "Von EGr. 9a geht die Höhergruppierung in eine der nächsten Gruppen 9b, 9c oder 10, "
         "nicht nach 11."},
        {"niedriger", [](Hoehergruppierung& h) { h.zielgruppe = "8"; }, "nicht nach 8."},
        {"höchste Gruppe",
         [](Hoehergruppierung& h) {
             h.gruppe = "15";
             h.zielgruppe = "15";
         },
         "EGr. 15 ist die höchste Entgeltgruppe; höher geht es nicht."},
        {"vor dem Beginn", [](Hoehergruppierung& h) { h.beginn = KalenderMonat(2026, 8); },
         "Die Höhergruppierung zum 07/2026 liegt vor dem Beginn 08/2026."},
        {"nach dem Ende", [](Hoehergruppierung& h) { h.ende = KalenderMonat(2026, 6); },
         "Die Höhergruppierung zum 07/2026 liegt nach dem Ende 06/2026."},
        {"Stufe länger als ihre Zeit",
         [](Hoehergruppierung& h) {
             h.stufe = AktuelleStufe{2, {2023, 1}};
         },
         "Stufe 2 seit 01/2023: Bis zum Beginn 01/2026 wären 36 Monate in ihr vergangen, sie "
         "dauert 24 Monate. Ein Beginn bis 01/2025 passt."},
        {"Stufe nach dem Beginn",
         [](Hoehergruppierung& h) {
             h.stufe.seit = KalenderMonat(2026, 2);
             h.beginn = KalenderMonat(2026, 1);
         },
         "Stufe 3 seit 02/2026: dieser Monat liegt nach dem Beginn 01/2026."},
        // Step 6 since 01/2026 lasts 255 months, to 03/2047: column 1 cannot reach 07/2048.
        {"Spalte 1 zu kurz",
         [](Hoehergruppierung& h) {
             h.stufe = AktuelleStufe{6, {2026, 1}};
             h.zum = KalenderMonat(2048, 7);
             h.beginn = KalenderMonat(2026, 1);
             h.ende = KalenderMonat(2050, 12);
         },
         "Die Stufen von EGr. 9a (Stufe 6 mit höchstens 255 Monaten) reichen vom Beginn 01/2026 "
         "nur bis 03/2047; die Höhergruppierung muss spätestens zum 04/2047 wirken."},
        {"Ende zu spät", [](Hoehergruppierung& h) { h.ende = KalenderMonat(2076, 1); },
         "liegt mehr als 600 Monate nach dem Beginn 01/2026"},
        {"Teilzeit", [](Hoehergruppierung& h) { h.anteil = 0; },
         "liegt nicht zwischen 1 und 100 %"},
    };
    for (const auto& f : faelle) {
        Hoehergruppierung h = test::hoehergruppierungsbeispiel();
        f.aendern(h);
        const std::string grund = sitzung.hoehergruppierungPruefen(h);
        EXPECT_NE(grund.find(f.grund), std::string::npos) << f.name << ": " << grund;
        std::string fehler;
        EXPECT_FALSE(sitzung.hoehergruppierungEinrichten(h, fehler)) << f.name;
        EXPECT_EQ(fehler, grund) << f.name;
        EXPECT_EQ(sitzung.tabelle().schluessel, "2006") << f.name;
        EXPECT_TRUE(t().kalender.leer()) << f.name;
        EXPECT_TRUE(t().namen.standard()) << f.name;
    }
    EXPECT_EQ(sitzung.hoehergruppierungPruefen(test::hoehergruppierungsbeispiel()), "");
    // The last months column 1 can hold: a promotion at its end is accepted.
    Hoehergruppierung h = test::hoehergruppierungsbeispiel();
    h.stufe = AktuelleStufe{6, {2026, 1}};
    h.zum = KalenderMonat(2047, 4);
    h.beginn = KalenderMonat(2026, 1);
    h.ende = KalenderMonat(2050, 12);
    EXPECT_EQ(sitzung.hoehergruppierungPruefen(h), "");
}

// The worked example of the promotion check, reckoned by hand in test_jahresdaten
// (HoehergruppierungNach9bVonHandGerechnet) on durations typed by hand: through the check it gives
// the same months. Equal to 06/2026, ahead from 07/2026, behind 04/2027-06/2029, 04/2031-06/2033
// and 04/2036-06/2038, ahead for good, the bonus included, from 08/2035; +25.848,79 by 12/2045,
// largest shortfall -7.466,38 in 06/2029.
TEST_F(HoehergruppierungTest, BeispielVonHandGerechnet) {
    einrichten(test::hoehergruppierungsbeispiel());
    ASSERT_EQ(sitzung.daten().monatsanzahl, 240);
    const auto differenz = [&](int m) { return t().monatscentI(m) - t().monatscentN(m); };
    const struct {
        int von, bis;
        Long differenz;
    } abschnitte[] = {{1, 6, 0},      {7, 15, 7942},    {16, 42, -28741}, {43, 63, 7783},
                      {64, 90, -516}, {91, 123, 21126}, {124, 150, -65},  {151, 240, 25005}};
    for (const auto& a : abschnitte)
        for (int m = a.von; m <= a.bis; ++m) ASSERT_EQ(differenz(m), a.differenz) << "Monat " << m;

    // The same months and bonuses: the same pay-off month and total as by hand.
    const Jahresdaten d = jahresdatenBilden(sitzung, true);
    EXPECT_EQ(d.uebersicht.ausgleichKalendermonat(), KalenderMonat(2035, 8));
    EXPECT_EQ(d.uebersicht.gesamt.kumuliert, 2584879);
    // Behind again month by month in 04/2036–06/2038 (months 124 to 150), ahead for good after.
    EXPECT_EQ(ausgleichSaetze(d),
              (std::vector<std::string>{"Die Höhergruppierung hat sich ab 08/2035 ausgezahlt "
                                        "(kumuliert).",
                                        "Monat für Monat mehr ab 07/2038."}));
}

// A promotion at Beginn: column 1 has no months, and the individual case enters 9b in the step it
// holds, step 3 (4.203,56 at 75 %: 3.152,67); how the step runs on is the Rechner's.
TEST_F(HoehergruppierungTest, ZumBeginnOhneMonateInSpalteEins) {
    Hoehergruppierung h = test::hoehergruppierungsbeispiel();
    h.beginn = KalenderMonat(2026, 7);
    einrichten(h);
    EXPECT_EQ(t().grdauerI(1), 0);
    EXPECT_EQ(t().monatsgruppeI(1), egr9b);
    EXPECT_EQ(t().monatscentI(1), 315267);
    EXPECT_EQ(t().monatsgruppeN(1), egr9a);
}

// The durations stay editable, and an edit makes it an ordinary case: a changed duration, start
// group, Beginn or Ende gives the cases their default names again; the same value, the shares or
// the bonus switch keep them.
TEST_F(HoehergruppierungTest, EineAenderungMachtEinenGewoehnlichenFall) {
    const Fallnamen eigene = hoehergruppierungNamen(test::hoehergruppierungsbeispiel());
    std::string fehler;
    const auto kalenderMit = [&](auto aendern) {
        Kalenderangaben k = t().kalender;
        aendern(k);
        EXPECT_TRUE(sitzung.kalenderSetzen(k, fehler)) << fehler;
    };
    const struct {
        const char* name;
        std::function<void()> aendern;
        bool bleibt;
    } faelle[] = {
        {"dieselbe Dauer", [&] { sitzung.dauerSetzen(Seite::individuell, 1, 0, 6); }, true},
        {"Teilzeit", [&] { kalenderMit([](Kalenderangaben& k) { k.anteilI = 5000; }); }, true},
        {"Schalter", [&] { kalenderMit([](Kalenderangaben& k) { k.mitSonderzahlung = false; }); },
         true},
        {"Dauer", [&] { sitzung.dauerSetzen(Seite::individuell, 1, 0, 7); }, false},
        {"Stufendauer", [&] { sitzung.dauerSetzen(Seite::normal, 1, 4, 47); }, false},
        {"Startgruppe", [&] { sitzung.starten(egr9b); }, false},
        {"Beginn",
         [&] { kalenderMit([](Kalenderangaben& k) { k.beginn = KalenderMonat(2025, 12); }); },
         false},
        {"Ende", [&] { kalenderMit([](Kalenderangaben& k) { k.ende = KalenderMonat(2046, 1); }); },
         false},
    };
    for (const auto& f : faelle) {
        einrichten(test::hoehergruppierungsbeispiel());
        ASSERT_EQ(t().namen, eigene);
        f.aendern();
        sitzung.starten(sitzung.fall().startgruppe);
        EXPECT_EQ(t().namen.standard(), !f.bleibt) << f.name;
    }
}

// The cases are named by their names wherever they are named: the grid's heads, the totals' and
// the input fields' hints, the pay-off sentence, the block of the printouts; back to the default
// names, the grid heads the normal case "N o r m a l f a l l" again.
TEST(HoehergruppierungAnzeige, NamenStehenWoDieFaelleGenanntWerden) {
    Speicherfall fall;
    test::Meldungsprotokoll meldungen;
    ASSERT_EQ(fall.anzeige.laden({{"."}}, meldungen), "");
    std::string fehler;
    ASSERT_TRUE(
        fall.anzeige.hoehergruppierungEinrichten(test::hoehergruppierungsbeispiel(), fehler))
        << fehler;
    const std::string ohne = "ohne Höhergruppierung";
    const std::string mit = "mit Höhergruppierung nach 9b zum 07/2026";
    EXPECT_EQ(fall.felder.text({Feldname::Startgruppe}), "9a");
    EXPECT_EQ(fall.felder.text(feldVon(Dauerfeld{Seite::individuell, 2, 0})), "234");
    const Gitterspeicher& gitter = fall.felder.gitter();
    EXPECT_EQ(gitter.zelle(0, 1).text, ohne);
    EXPECT_EQ(gitter.zelle(0, 4).text, mit);
    EXPECT_EQ(fall.felder.zustand({Feldname::Ergebnis1}).hinweis, "Summe " + ohne);
    EXPECT_EQ(fall.felder.zustand({Feldname::Differenz}).hinweis,
              "Differenz " + mit + " \u2212 " + ohne);
    EXPECT_EQ(eingabefeldHinweis(fall.sitzung.tabellen(), fall.sitzung.tabelle(),
                                 feldVon(Dauerfeld{Seite::individuell, 2, 3})),
              "Monate in Stufe 3 der EGr. 9b, " + mit);

    const Jahresdaten d = jahresdatenBilden(fall.sitzung, true);
    EXPECT_EQ(ausgleichSatz(d), "Die Höhergruppierung hat sich ab 08/2035 ausgezahlt (kumuliert).");
    Jahresdaten zurueck = d;
    zurueck.uebersicht.ausgleichsmonat.reset();
    EXPECT_EQ(ausgleichSatz(zurueck),
              "Die Höhergruppierung hat sich bis 12/2045 nicht ausgezahlt (kumuliert).");
    const Druckblock block = druckblockBilden(fall.sitzung);
    EXPECT_NE(std::find(block.kalender.begin(), block.kalender.end(),
                        "Arbeitszeit: " + ohne + " 75 % (29,25 Std./Woche), " + mit +
                            " 75 % (29,25 Std./Woche)"),
              block.kalender.end())
        << block.kalender.back();
    EXPECT_EQ(summenText(fall.sitzung.daten(), fall.sitzung.tabellen()).rfind("Summe " + ohne, 0),
              0u);

    fall.sitzung.dauerSetzen(Seite::individuell, 1, 0, 7);
    fall.anzeige.starten();
    EXPECT_EQ(gitter.zelle(0, 1).text, "N o r m a l f a l l");
    EXPECT_EQ(gitter.zelle(0, 4).text, "Beispielfall");
    EXPECT_EQ(fall.felder.zustand({Feldname::Ergebnis2}).hinweis, "Summe Beispielfall");
}
