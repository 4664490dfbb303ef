// Years of net pay kept by their inputs: a kept year is taken only for the very same inputs, the
// store stays bounded, and a case's series reads the same with it as without.
#include <gtest/gtest.h>

#include "nettojahrspeicher.h"

using namespace korvalt;

namespace {

// February to December at EGr. 9a Stufe 3, the bonus in November, tax class I.
Nettojahreseingaben grundjahr() {
    Nettojahreseingaben e;
    e.jahr = 2026;
    e.angaben.zusatzbeitrag = Prozentsatz::hundertstel(290);
    for (int m = 2; m <= 12; ++m) e.monate[std::size_t(m - 1)] = {Lohnmonat::Art::imFall, 420356};
    e.sonderzahlung = 357303;
    return e;
}

// Each input alone changes the year; through one store every variant is its own.
TEST(Nettojahrspeicher, JedeAngabeZaehlt) {
    const std::pair<const char*, void (*)(Nettojahreseingaben&)> abwandlungen[] = {
        {"Kirchensteuer", [](Nettojahreseingaben& e) { e.angaben.kirchensteuerProzent = 9; }},
        {"Sonderzahlung im Dezember", [](Nettojahreseingaben& e) { e.sonderzahlungsmonat = 12; }},
        {"Januar vor Beginn",
         [](Nettojahreseingaben& e) {
             e.monate[0] = {Lohnmonat::Art::vorBeginn, 420356};
         }},
        {"ein Cent mehr im Mai", [](Nettojahreseingaben& e) { e.monate[4].brutto += 1; }},
        {"2027", [](Nettojahreseingaben& e) { e.jahr = 2027; }},
    };
    Nettojahrspeicher speicher;
    const Nettojahr grund = nettojahrRechnen(grundjahr());
    EXPECT_EQ(speicher.jahr(grundjahr()), grund);
    for (const auto& [name, aendern] : abwandlungen) {
        Nettojahreseingaben e = grundjahr();
        aendern(e);
        const Nettojahr soll = nettojahrRechnen(e);
        ASSERT_NE(soll.monate, grund.monate) << name;
        EXPECT_EQ(speicher.jahr(e), soll) << name;
    }
    EXPECT_EQ(speicher.jahr(grundjahr()), grund);
    EXPECT_EQ(speicher.groesse(), std::size(abwandlungen) + 1);
}

// Many cases typed one after another do not make the store grow without end.
TEST(Nettojahrspeicher, BleibtBegrenzt) {
    Nettojahrspeicher speicher;
    Nettojahreseingaben e = grundjahr();
    for (int i = 0; i < 600; ++i, ++e.monate[4].brutto) speicher.jahr(e);
    EXPECT_LT(speicher.groesse(), 600u);
    EXPECT_EQ(speicher.jahr(e), nettojahrRechnen(e));
}

// A series through the store, again after a change in its second year, reads as without it.
TEST(Nettojahrspeicher, ReiheWieOhneSpeicher) {
    std::vector<Long> cent(30, 420356);
    std::vector<Sonderzahlung> boni(1);
    boni[0].gebucht = KalenderMonat(2027, 11);
    boni[0].cent = 357303;
    const Steuerangaben angaben = grundjahr().angaben;
    const KalenderMonat beginn(2026, 5);
    Nettojahrspeicher speicher;
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
        EXPECT_EQ(
            nettoreiheRechnen(beginn, cent, boni, true, angaben, Arbeitgeberseite::vka, &speicher)
                .monate,
            nettoreiheRechnen(beginn, cent, boni, true, angaben, Arbeitgeberseite::vka).monate)
            << durchgang;
        cent[12] = 450000;  // 05/2027
    }
    EXPECT_EQ(speicher.groesse(), 4u);  // 2026 to 2028, 2027 twice
}

}  // namespace
