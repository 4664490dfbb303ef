// The year view's figures taken from a case: the bonus path with a start month, the reason without
// one, and the sentence on the month the case pays off.
#include <gtest/gtest.h>

#include <memory>

#include "jahresdaten.h"
#include "meldungsprotokoll.h"
#include "vkanachdatum.h"

using namespace korvalt;

namespace {

// Both cases 3 months in EGr. 9b from 10/2026; the individual one a step higher.
std::unique_ptr<Falltabellen> dreiMonate() {
    auto t = std::make_unique<Falltabellen>();
    t->letztermonat(1) = t->letztermonat(2) = 3;
    for (int m = 1; m <= 3; ++m) {
        t->monatscentN(m) = 377984;
        t->monatscentI(m) = 403901;
        t->monatsbetragN(m) = 3780;
        t->monatsbetragI(m) = 4039;
        t->monatsgruppeN(m) = t->monatsgruppeI(m) = test::egr9b;
    }
    return t;
}

}  // namespace

TEST(Jahresdaten, SonderzahlungMitBeginnGezaehltUndAbschaltbar) {
    const auto vka = test::vkaNachDatum();
    const auto t = dreiMonate();
    std::string fehler;
    const auto saetze = sonderzahlungssaetzeLaden(".", fehler);
    ASSERT_TRUE(saetze) << fehler;
    const Jahresfall fall{*t, vka.tabelle, KalenderMonat(2026, 10), &*saetze};

    const Jahresdaten mit = jahresdatenBilden(fall, true);
    EXPECT_TRUE(mit.mitSonderzahlung);
    ASSERT_EQ(mit.uebersicht.jahre.size(), 1u);
    EXPECT_GT(mit.uebersicht.jahre[0].sonderzahlungI, mit.uebersicht.jahre[0].sonderzahlungN);
    EXPECT_GT(mit.uebersicht.jahre[0].sonderzahlungN, 0);

    const Jahresdaten ohne = jahresdatenBilden(fall, false);
    EXPECT_TRUE(ohne.sonderzahlungMoeglich);
    EXPECT_FALSE(ohne.mitSonderzahlung);
    EXPECT_EQ(ohne.uebersicht.gesamt.sonderzahlungI, 0);
}

TEST(Jahresdaten, OhneBeginnKeineSonderzahlungUndDerGrund) {
    const auto vka = test::vkaNachDatum();
    const auto t = dreiMonate();
    const Jahresdaten d = jahresdatenBilden({*t, vka.tabelle, std::nullopt, nullptr}, true);
    EXPECT_FALSE(d.sonderzahlungMoeglich);
    EXPECT_EQ(d.sonderzahlungGrund, ohneSonderzahlungGrund);
    EXPECT_EQ(d.uebersicht.gesamt.centN, 3 * 377984);
}

// Without sound rates the view names the fault, and a bonus asked for is an error.
TEST(Jahresdaten, FehlendeSaetzeWerdenGenannt) {
    const auto vka = test::vkaNachDatum();
    const auto t = dreiMonate();
    const Jahresfall fall{*t, vka.tabelle, KalenderMonat(2026, 10), nullptr, "Die Sätze fehlen."};
    const Jahresdaten d = jahresdatenBilden(fall, true);
    EXPECT_FALSE(d.sonderzahlungMoeglich);
    EXPECT_EQ(d.sonderzahlungGrund, "Die Jahressonderzahlung fehlt: Die Sätze fehlen.");
    EXPECT_EQ(d.sonderzahlungFehler, d.sonderzahlungGrund);
    EXPECT_EQ(jahresdatenBilden(fall, false).sonderzahlungFehler, "");
}

TEST(Jahresdaten, Tabelle2006InGanzenEuroMal100) {
    auto tabelle = test::vkaNachDatum().tabelle;
    tabelle.inCent = false;
    const auto t = dreiMonate();
    const Jahresdaten d = jahresdatenBilden({*t, tabelle, KalenderMonat(2026, 10), nullptr}, true);
    EXPECT_EQ(d.uebersicht.gesamt.centI, 3 * 403900);
    EXPECT_EQ(d.sonderzahlungGrund, ohneSonderzahlungGrund);
}

// Cumulated -100,00, level, then +12.300,00: ahead from the third month, not from the level one.
TEST(Jahresdaten, SatzVornUndNie) {
    Jahresdaten d;
    d.centN = {100000, 100000, 100000};
    d.centI = {90000, 110000, 1330000};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, KalenderMonat(2031, 8));
    EXPECT_EQ(ausgleichSatz(d), "Der Beispielfall liegt ab 10/2031 dauerhaft vorn.");
    EXPECT_EQ(ausgleichZahlen(d),
              "Bis 10/2031 kumuliert +12.300 \u20AC; größter Rückstand \u2212100 \u20AC in "
              "08/2031.");
    d.centI = {90000, 110000, 99999};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, std::nullopt);
    EXPECT_EQ(ausgleichSatz(d), "Der Beispielfall holt den Normalfall bis Monat 3 nicht ein.");
    // -100,00, then 0,00, then -0,01: rounded to whole euros.
    EXPECT_EQ(ausgleichZahlen(d),
              "Bis Monat 3 kumuliert \u00B10 \u20AC; größter Rückstand \u2212100 \u20AC in "
              "Monat 1.");
    d.centI = {100000, 100100, 100000};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, std::nullopt);
    EXPECT_EQ(ausgleichZahlen(d), "Bis Monat 3 kumuliert +1 \u20AC; nie im Rückstand.");
}

// Equal in every month, the cases get their own sentence and no figures; behind, then level to
// the end, the individual case catches up without getting ahead.
TEST(Jahresdaten, SatzGleicheFaelle) {
    const auto vka = test::vkaNachDatum();
    auto t = dreiMonate();
    for (int m = 1; m <= 3; ++m) t->monatscentI(m) = t->monatscentN(m);
    EXPECT_EQ(ausgleichSatz(jahresdatenBilden({*t, vka.tabelle, std::nullopt, nullptr}, true)),
              "Der Beispielfall und der Normalfall sind in jedem Monat gleich hoch bezahlt.");
    EXPECT_EQ(ausgleichZahlen(jahresdatenBilden({*t, vka.tabelle, std::nullopt, nullptr}, true)),
              "");
    t->monatscentI(1) -= 100;
    t->monatscentI(2) += 100;
    EXPECT_EQ(ausgleichSatz(jahresdatenBilden({*t, vka.tabelle, std::nullopt, nullptr}, true)),
              "Der Beispielfall holt den Normalfall bis Monat 3 ein, liegt aber nicht vorn.");
}

// The promotion check's example, set up through durations: VKA by date, 9a in step 3 since
// 04/2024, both cases at 75 %, Beginn 01/2026, Ende 12/2045 (240 months), step durations 12, 24,
// 36, 48, 60 and 255 everywhere. The normal case stays in 9a (column 1: 240 months); the
// individual case has 6 months in 9a and is promoted to 9b from 07/2026 (column 2: 234 months).
//
// By 01/2026 21 of the 36 months of step 3 are served, so both hold 9a step 3 to 03/2027 at the
// latest. Normal: 9a/3 to 03/2027, 9a/4 04/2027-03/2031, 9a/5 04/2031-03/2036, 9a/6 from 04/2036.
// Individual: 9a/3 01-06/2026, then 9b in step 3 with its time anew: 9b/3 07/2026-06/2029, 9b/4
// 07/2029-06/2033, 9b/5 07/2033-06/2038, 9b/6 from 07/2038.
// Pays of 05/2026 at 75 %, each rounded a half up (9a | 9b): step 3 3.073,25 | 3.152,67; step 4
// 3.440,08 | 3.517,91; step 5 3.523,07 | 3.734,33; step 6 3.734,98 | 3.985,03. Month by month:
//   01-06/2026 equal (both 9a/3; 01-04/2026 from the table of 04/2025);
//   07/2026-03/2027 ahead  +79,42 (9b/3 against 9a/3);
//   04/2027-06/2029 behind -287,41 (9a step 4 pays more than 9b step 3);
//   07/2029-03/2031 ahead  +77,83; 04/2031-06/2033 behind -5,16;
//   07/2033-03/2036 ahead +211,26; 04/2036-06/2038 behind -0,65; from 07/2038 ahead +250,05.
// The annual bonus is 85 % of the July-September average, booked in November, twelve twelfths
// every year; its difference is 0,85 times that of the month: 2026 +67,51, 2027-2028 -244,30,
// 2029-2030 +66,15, 2031-2032 -4,39, 2033-2035 +179,57, 2036-2037 -0,55, from 2038 +212,55.
// Cumulated, bonus included, the difference is lowest in 06/2029 (-7.466,38), still -207,11 at the
// end of 07/2035, +4,15 after 08/2035 (+211,26), and never below 0 again: the later dips of 0,65 a
// month and 0,55 a year are small against it. So it pays off from 08/2035 (09/2035 without the
// bonus), and by 12/2045 the promotion has brought +25.848,79.
namespace {

void befoerderungsfall(Sitzung& sitzung) {
    test::Meldungsprotokoll meldungen;
    ASSERT_EQ(sitzung.oeffnen({{"."}, {}, "vka"}, meldungen).fehler, "");
    constexpr int dauern[] = {12, 24, 36, 48, 60, 255};
    for (Seite seite : {Seite::normal, Seite::individuell})
        for (int spalte = 1; spalte <= 4; ++spalte)
            for (int stufe = 1; stufe <= 6; ++stufe)
                sitzung.dauerSetzen(seite, spalte, stufe, Integer(dauern[stufe - 1]));
    for (int spalte = 1; spalte <= 4; ++spalte) {
        sitzung.dauerSetzen(Seite::normal, spalte, 0, spalte == 1 ? 240 : 0);
        sitzung.dauerSetzen(Seite::individuell, spalte, 0, spalte == 1 ? 6 : spalte == 2 ? 234 : 0);
    }
    Kalenderangaben k;
    k.beginn = KalenderMonat(2026, 1);
    k.ende = KalenderMonat(2045, 12);
    k.aktuelleStufe = AktuelleStufe{3, KalenderMonat(2024, 4)};
    k.anteilN = k.anteilI = 7500;
    std::string fehler;
    ASSERT_TRUE(sitzung.kalenderSetzen(k, fehler)) << fehler;
    sitzung.starten(9);
}

}  // namespace

TEST(Jahresdaten, HoehergruppierungNach9bVonHandGerechnet) {
    Sitzung sitzung;
    befoerderungsfall(sitzung);
    // The months themselves are checked where the promotion check sets the case up; here what
    // the year view makes of them.
    ASSERT_EQ(sitzung.daten().monatsanzahl, 240);
    const Jahresdaten mit = jahresdatenBilden(sitzung, true);
    EXPECT_EQ(mit.uebersicht.ausgleichKalendermonat(), KalenderMonat(2035, 8));
    EXPECT_EQ(mit.uebersicht.kumuliert[114], -20711);
    EXPECT_EQ(mit.uebersicht.kumuliert[115], 415);
    ASSERT_TRUE(mit.uebersicht.groessterRueckstand);
    EXPECT_EQ(mit.uebersicht.groessterRueckstand->cent, -746638);
    EXPECT_EQ(mit.uebersicht.groessterRueckstand->monat, 42);
    EXPECT_EQ(mit.uebersicht.gesamt.kumuliert, 2584879);
    EXPECT_EQ(ausgleichSatz(mit), "Der Beispielfall liegt ab 08/2035 dauerhaft vorn.");
    EXPECT_EQ(ausgleichZahlen(mit),
              "Bis 12/2045 kumuliert +25.849 \u20AC; größter Rückstand \u22127.466 \u20AC in "
              "06/2029.");
    EXPECT_EQ(jahresdatenBilden(sitzung, false).uebersicht.ausgleichKalendermonat(),
              KalenderMonat(2035, 9));
}

// The same promotion in net, tax class I, church tax 9 %, childless, the average additional rate.
// In 2035 each month brings +111,28 net (9b step 5 2.420,28 against 9a step 5 2.309,00), November
// +185,30 with the bonus. The cumulated net difference stands at -938,79 at the end of 2034,
// -48,55 after 08/2035 and +62,73 after 09/2035; the later dips (-4,26 net in 2037) never take it
// below 0 again. So in net the promotion pays off a month later than in gross, from 09/2035, and by
// 12/2045 it brings +13.177,42.
TEST(Jahresdaten, HoehergruppierungNetto) {
    Sitzung sitzung;
    befoerderungsfall(sitzung);
    Steuerangaben angaben;
    angaben.kirchensteuerProzent = 9;
    std::string fehler;
    ASSERT_TRUE(sitzung.steuerSetzen(angaben, fehler)) << fehler;

    const Jahresdaten d = jahresdatenBilden(sitzung, true);
    ASSERT_TRUE(d.netto);
    EXPECT_EQ(ausgleichSatz(d), "Der Beispielfall liegt ab 08/2035 dauerhaft vorn.");
    EXPECT_EQ(nettoAusgleichSatz(d), "Netto liegt der Beispielfall ab 09/2035 dauerhaft vorn.");
    EXPECT_EQ(d.netto->kumuliert[107], -93879);
    EXPECT_EQ(d.netto->kumuliert[115], -4855);
    EXPECT_EQ(d.netto->kumuliert[116], 6273);
    EXPECT_EQ(d.netto->gesamt.kumuliert, 1317742);

    // The years sum the months' net pays, the bonus's included, and count no bonus of their own.
    const Nettofall* netto = sitzung.netto();
    std::int64_t jahr2035 = 0;
    for (int m = 109; m <= 120; ++m) jahr2035 += netto->monat(Seite::individuell, m)->netto;
    const Jahreszeile& z = d.netto->jahre[9];
    EXPECT_EQ(z.jahr, 2035);
    EXPECT_EQ(z.centI, jahr2035);
    EXPECT_EQ(z.sonderzahlungI, 0);
    EXPECT_EQ(z.differenz, 140938);
    EXPECT_EQ(d.nettohinweise, nettohinweise(*netto));
}

// The heads mark each case; a name of its own only by its number, explained in a line above, which
// the default names, given whole in the heads, do without.
TEST(Jahresdaten, FallzeichenUndNamenszeile) {
    EXPECT_EQ(fallzeichen(Fallnamen{}), std::make_pair(std::string("N."), std::string("B.")));
    EXPECT_EQ(fallnamenZeile(Fallnamen{}), "");
    const Fallnamen eigene{"bleiben", "wechseln"};
    EXPECT_EQ(fallzeichen(eigene), std::make_pair(std::string("(1)"), std::string("(2)")));
    EXPECT_EQ(fallnamenZeile(eigene), "(1) bleiben   (2) wechseln");
}
