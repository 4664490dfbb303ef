// The year view's figures taken from a case: the bonus path with a start month, the reason without
// one, and the sentence on the month the case pays off.
#include <gtest/gtest.h>

#include <memory>

#include "jahresdaten.h"
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
              "Bis 10/2031 kumuliert +12.300 \u20AC; größter Rückstand \u2212100 \u20AC im "
              "08/2031.");
    d.centI = {90000, 110000, 99999};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, std::nullopt);
    EXPECT_EQ(ausgleichSatz(d), "Der Beispielfall holt den Normalfall bis Monat 3 nicht ein.");
    // -100,00, then 0,00, then -0,01: rounded to whole euros.
    EXPECT_EQ(ausgleichZahlen(d),
              "Bis Monat 3 kumuliert \u00B10 \u20AC; größter Rückstand \u2212100 \u20AC im "
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
