// A working life with its breaks: when each step comes with leave that stops the step clock, a
// harmful interruption's step on return, and the bonus of a year with part-time and leave; every
// figure worked by hand from the rules.
#include <gtest/gtest.h>

#include <functional>

#include "fallaenderungen.h"
#include "hoehergruppierungsbeispiel.h"
#include "jahressonderzahlung.h"
#include "meldungsprotokoll.h"
#include "sitzung.h"
#include "stufendaten.h"

using namespace korvalt;

namespace {

Zeitraum unterbrechung(Zeitraumart art, KalenderMonat von, KalenderMonat bis) {
    Zeitraum z;
    z.art = art;
    z.von = von;
    z.bis = bis;
    return z;
}

Zeitraum teilzeitAb(KalenderMonat von, int anteil) {
    Zeitraum z;
    z.von = von;
    z.anteil = anteil;
    return z;
}

// Today in 9b step 3 (or `stufe`) since `seit`, the normal case staying there from `seit` on.
Hoehergruppierung in9b(int stufe, KalenderMonat seit, const char* seite = "vka") {
    Hoehergruppierung h;
    h.tabelle = seite;
    h.gruppe = "9b";
    h.stufe = AktuelleStufe{stufe, seit};
    h.zielgruppe = "9c";
    h.zum = seit;
    h.beginn = seit;
    return h;
}

class ZeitraeumeTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(sitzung.oeffnen({{"."}}, meldungen).fehler, ""); }
    void einrichten(const Hoehergruppierung& h, const Zeitraeume& zeitraeume) {
        std::string fehler;
        // The periods belong to the person: those of the row before would have to lie in this
        // row's case.
        ASSERT_TRUE(sitzung.aendern(mitZeitraeumen(sitzung.fall(), {}, sitzung.katalog()), fehler));
        ASSERT_TRUE(sitzung.hoehergruppierungEinrichten(h, fehler)) << fehler;
        ASSERT_TRUE(
            sitzung.aendern(mitZeitraeumen(sitzung.fall(), zeitraeume, sitzung.katalog()), fehler))
            << fehler;
        sitzung.starten(sitzung.fall().startgruppe);
    }
    // The first month from `nach` in which the case holds `gruppe` in `stufe`.
    std::optional<KalenderMonat> ab(Seite seite, const std::string& gruppe, int stufe,
                                    KalenderMonat nach) const {
        const Falltabellen& t = sitzung.tabellen();
        const auto nummer = sitzung.tabelle().gruppennummer(gruppe);
        for (int m = 1; m <= t.letztermonat(static_cast<int>(seite)); ++m) {
            const KalenderMonat monat = *t.kalender.kalendermonat(m);
            if (monat >= nach && t.monatsgruppe(seite)(m) == *nummer &&
                t.monatsstufe(seite)(m) == stufe)
                return monat;
        }
        return std::nullopt;
    }
    std::vector<Sonderzahlung> sonderzahlungen(Seite seite) const {
        const Falltabellen& t = sitzung.tabellen();
        return sonderzahlungenDesFalls(t, seite, sitzung.tabelle(), *t.kalender.beginn,
                                       *sitzung.sonderzahlungssaetze(), true);
    }

    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
};

}  // namespace

// One row per way the step clock goes wrong: leave not stopping it, a harmful interruption not
// restarting it or not sending the case back, the Federation's parental leave taken as harmful.
TEST_F(ZeitraeumeTest, StufenMitUnterbrechungen) {
    using A = Zeitraumart;
    Zeitraum elternzeit = unterbrechung(A::elternzeit, {2028, 10}, {2029, 9});
    elternzeit.geburt = KalenderMonat(2028, 8);
    const Zeitraeume laufbahn{elternzeit, teilzeitAb({2029, 10}, 10000)};
    const Zeitraeume sonderurlaub{unterbrechung(A::sonderurlaub, {2028, 1}, {2031, 6})};
    const Zeitraeume sechsJahre{unterbrechung(A::elternzeit, {2028, 1}, {2033, 12})};
    const Zeitraeume vierJahre{unterbrechung(A::sonderurlaub, {2028, 1}, {2031, 12})};
    const Zeitraeume angerechnet{unterbrechung(A::sonderurlaubAngerechnet, {2028, 1}, {2031, 6})};
    const struct {
        const char* name;
        Hoehergruppierung h;
        Zeitraeume zeitraeume;
        Seite seite;
        const char* gruppe;
        int stufe;
        KalenderMonat nach;
        KalenderMonat erwartet;
    } faelle[] = {
        // 9b step 3 anew from the promotion 07/2026: 36 months and the 12 of the leave.
        {"befördert",
         test::hoehergruppierungsbeispiel(),
         laufbahn,
         Seite::individuell,
         "9b",
         4,
         {2026, 7},
         {2030, 7}},
        {"nicht befördert, Stufe 4 vor der Elternzeit",
         test::hoehergruppierungsbeispiel(),
         laufbahn,
         Seite::normal,
         "9a",
         4,
         {2024, 4},
         {2027, 4}},
        // Step 4's 48 months from 04/2027, the leave's 12 added.
        {"nicht befördert, Stufe 5",
         test::hoehergruppierungsbeispiel(),
         laufbahn,
         Seite::normal,
         "9a",
         5,
         {2024, 4},
         {2032, 4}},
        // 42 months unpaid: harmful, step 3 stays (a new hire with 3 years), its 36 months anew
        // from the return 07/2031.
        {"Sonderurlaub über 3 Jahre",
         in9b(3, {2026, 7}),
         sonderurlaub,
         Seite::normal,
         "9b",
         4,
         {2026, 7},
         {2034, 7}},
        {"Sonderurlaub angerechnet",
         in9b(3, {2026, 7}),
         angerechnet,
         Seite::normal,
         "9b",
         4,
         {2026, 7},
         {2029, 7}},
        // The Federation: 18 months served before, 18 after the return 01/2034.
        {"Bund, Elternzeit 6 Jahre",
         in9b(3, {2026, 7}, "bund"),
         sechsJahre,
         Seite::normal,
         "9b",
         4,
         {2026, 7},
         {2035, 7}},
        {"VKA, Elternzeit 6 Jahre",
         in9b(3, {2026, 7}),
         sechsJahre,
         Seite::normal,
         "9b",
         4,
         {2026, 7},
         {2037, 1}},
        // Step 5 held at the harmful return 01/2032: back to step 4 for its 48 months.
        {"zurück in Stufe 4",
         in9b(5, {2026, 7}),
         vierJahre,
         Seite::normal,
         "9b",
         4,
         {2026, 7},
         {2032, 1}},
        {"wieder Stufe 5",
         in9b(5, {2026, 7}),
         vierJahre,
         Seite::normal,
         "9b",
         5,
         {2032, 1},
         {2036, 1}},
    };
    for (const auto& f : faelle) {
        einrichten(f.h, f.zeitraeume);
        EXPECT_EQ(ab(f.seite, f.gruppe, f.stufe, f.nach), f.erwartet) << f.name;
    }
}

// A month of leave is paid nothing and keeps its group and step; part-time changes by date.
TEST_F(ZeitraeumeTest, MonatsentgeltMitTeilzeitUndElternzeit) {
    einrichten(test::hoehergruppierungsbeispiel(),
               {unterbrechung(Zeitraumart::elternzeit, {2028, 10}, {2029, 9}),
                teilzeitAb({2029, 10}, 10000)});
    const Falltabellen& t = sitzung.tabellen();
    const auto monat = [&](KalenderMonat m) { return m - *t.kalender.beginn + 1; };
    const int vorher = monat({2028, 9});
    const int inDer = monat({2028, 10});
    const int danach = monat({2029, 10});
    EXPECT_GT(t.monatscentI(vorher), 0);
    EXPECT_EQ(t.monatscentI(inDer), 0);
    EXPECT_EQ(t.monatsstufeI(inDer), t.monatsstufeI(vorher));
    EXPECT_EQ(t.monatszahlungI(inDer), Zahlung::unbezahltOhneKuerzung);
    // 75 % before the leave, 100 % after it, in the same step and table year's pay.
    EXPECT_EQ(t.monatsstufeI(danach), 3);
}

// The bonus: part-time as paid in the base, a base month without pay by calendar days, no pay in
// July to September, and the twelfths of a birth year.
TEST_F(ZeitraeumeTest, JahressonderzahlungMitTeilzeitUndElternzeit) {
    using A = Zeitraumart;
    const struct {
        const char* name;
        Hoehergruppierung h;
        Zeitraeume zeitraeume;
        Seite seite;
        int jahr;
        std::int64_t cent;
        int zwoelftel;
    } faelle[] = {
        // (4.089,07 + 4.089,07 + 2.044,54) / 3 × 70,28 % = 2.394,83.
        {"50 % ab September",
         in9b(3, {2025, 1}),
         {teilzeitAb({2025, 9}, 5000)},
         Seite::normal,
         2025,
         239483,
         12},
        // 8.178,14 × 30,67 × 70,28 % / 62 = 2.843,21, the birth year's leave costs no twelfth.
        {"Elternzeit ab September",
         in9b(3, {2025, 1}),
         {unterbrechung(A::elternzeit, {2025, 9}, {2026, 8})},
         Seite::normal,
         2025,
         284321,
         12},
        // Unpaid special leave costs a twelfth for each month: 4.089,07 × 70,28 % × 9/12.
        {"Sonderurlaub Oktober bis Dezember",
         in9b(3, {2025, 1}),
         {unterbrechung(A::sonderurlaub, {2025, 10}, {2026, 3})},
         Seite::normal,
         2025,
         215535,
         9},
        {"befördert, Geburtsjahr",
         test::hoehergruppierungsbeispiel(),
         {[] {
             Zeitraum z = unterbrechung(A::elternzeit, {2028, 10}, {2029, 9});
             z.geburt = KalenderMonat(2028, 8);
             return z;
         }()},
         Seite::individuell,
         2028,
         -1,
         12},
        {"befördert, ohne Entgelt im Sommer",
         test::hoehergruppierungsbeispiel(),
         {unterbrechung(A::elternzeit, {2028, 10}, {2029, 9})},
         Seite::individuell,
         2029,
         0,
         3},
    };
    for (const auto& f : faelle) {
        einrichten(f.h, f.zeitraeume);
        const auto zahlungen = sonderzahlungen(f.seite);
        const auto jahr = std::find_if(zahlungen.begin(), zahlungen.end(),
                                       [&](const Sonderzahlung& z) { return z.jahr == f.jahr; });
        ASSERT_NE(jahr, zahlungen.end()) << f.name;
        if (f.cent >= 0) EXPECT_EQ(jahr->cent, f.cent) << f.name;
        EXPECT_EQ(jahr->zwoelftel, f.zwoelftel) << f.name;
    }
}

// Periods outside the case, an end before the start, overlaps, the table of 2006 and a promotion
// into a leave are refused with their reason.
TEST_F(ZeitraeumeTest, Ablehnungen) {
    einrichten(test::hoehergruppierungsbeispiel(), {});
    const Fallangaben fall = sitzung.fall();
    const auto& katalog = sitzung.katalog();
    using A = Zeitraumart;
    const struct {
        const char* name;
        Zeitraeume zeitraeume;
        const char* grund;
    } faelle[] = {
        {"vor dem Beginn", {unterbrechung(A::elternzeit, {2023, 1}, {2023, 6})}, "nicht im Fall"},
        {"Ende vor Anfang",
         {unterbrechung(A::sonderurlaub, {2030, 6}, {2030, 1})},
         "vor dem Anfang"},
        {"überschneidend",
         {unterbrechung(A::sonderurlaub, {2030, 1}, {2030, 6}),
          unterbrechung(A::elternzeit, {2030, 6}, {2031, 6})},
         "überschneidet sich"},
        {"Anteil 0", {teilzeitAb({2030, 1}, 0)}, "nicht zwischen 1 und 100"},
    };
    for (const auto& f : faelle) {
        const auto ergebnis = mitZeitraeumen(fall, f.zeitraeume, katalog);
        EXPECT_FALSE(ergebnis.ok()) << f.name;
        EXPECT_NE(ergebnis.grund().find(f.grund), std::string::npos)
            << f.name << ": " << ergebnis.grund();
    }
    Fallangaben in2006 = fall;
    in2006.tabelle = "2006";
    EXPECT_FALSE(mitZeitraeumen(in2006, {teilzeitAb({2030, 1}, 5000)}, katalog).ok());
    Fallangaben mitUrlaub = fall;
    mitUrlaub.zeitraeume = {unterbrechung(A::sonderurlaub, {2026, 1}, {2026, 12})};
    EXPECT_NE(hoehergruppierungPruefen(mitUrlaub, test::hoehergruppierungsbeispiel(), katalog), "");
}

// The step dates say how much later each step comes than without the leave; a step before it
// comes no later.
TEST_F(ZeitraeumeTest, StufendatenMitVerzoegerung) {
    Zeitraum elternzeit = unterbrechung(Zeitraumart::elternzeit, {2028, 10}, {2029, 9});
    elternzeit.geburt = KalenderMonat(2028, 8);
    einrichten(test::hoehergruppierungsbeispiel(), {elternzeit});
    const auto zeilen = stufendatenDesFalls(sitzung);
    const auto hat = [&](const std::string& zeile) {
        return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
    };
    EXPECT_TRUE(hat("  EGr. 9a Stufe 4 ab 04/2027"));
    EXPECT_TRUE(hat("  Stufe 5 ab 04/2032 (Elternzeit: 12 Monate später)"));
    EXPECT_TRUE(hat("  Stufe 4 ab 07/2030 (Elternzeit: 12 Monate später)"));
    einrichten(test::hoehergruppierungsbeispiel(), {});
    EXPECT_TRUE(stufendatenDesFalls(sitzung).empty());
}

// Changes of hours hold by date, whatever order they were given in.
TEST_F(ZeitraeumeTest, TeilzeitNachDatum) {
    // Step 5 from 07/2026 for 60 months: the same pay in every year but for the share.
    einrichten(in9b(5, {2026, 7}), {teilzeitAb({2030, 1}, 10000), teilzeitAb({2029, 1}, 5000)});
    const Falltabellen& t = sitzung.tabellen();
    const auto cent = [&](KalenderMonat m) { return t.monatscentN(m - *t.kalender.beginn + 1); };
    EXPECT_EQ(cent({2029, 6}) * 2, cent({2028, 6}) + (cent({2028, 6}) % 2 ? 1 : 0));
    EXPECT_EQ(cent({2030, 6}), cent({2028, 6}));
}
