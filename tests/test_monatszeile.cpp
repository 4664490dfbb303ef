// The month row: the difference's sign in the table's unit, and a month behind one case's end.
#include <gtest/gtest.h>

#include <memory>

#include "monatszeile.h"

using namespace korvalt;

namespace {

Tariftabelle tabelleMit(bool inCent) {
    Tariftabelle tabelle;
    tabelle.gruppen = {"1", "2", "3", "4", "5", "6", "7", "8", "9a"};
    tabelle.inCent = inCent;
    return tabelle;
}

TEST(Monatszeile, DifferenzIstIndividuellWenigerNormalInDerEinheitDerTabelle) {
    struct Fall {
        const char* name;
        bool inCent;
        float betragN, betragI;
        Long centN, centI;
        std::int64_t euro;
        const char* genau;
    };
    const Fall faelle[] = {
        {"2006, weniger", false, 2475, 2355, 0, 0, -120, "-120"},
        {"2006, eine Hälfte zur geraden", false, 2475, 2475.5f, 0, 0, 0, "0"},
        {"in Cent, weniger", true, 0, 0, 250000, 249950, -1, "-0,50"},
        {"in Cent, mehr", true, 0, 0, 249950, 262349, 124, "123,99"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        auto t = std::make_unique<Falltabellen>();
        t->letztermonat(1) = t->letztermonat(2) = 1;
        t->monatsbetragN(1) = f.betragN;
        t->monatsbetragI(1) = f.betragI;
        t->monatscentN(1) = f.centN;
        t->monatscentI(1) = f.centI;
        const Monatszeile z = monatszeile(*t, tabelleMit(f.inCent), 1);
        EXPECT_EQ(z.differenzEuro, f.euro);
        EXPECT_EQ(z.differenzGenau(), f.genau);
    }
}

TEST(Monatszeile, HinterDemEndeEinesFallsKeineGruppeUndStufe) {
    auto t = std::make_unique<Falltabellen>();
    t->letztermonat(1) = 10;
    t->letztermonat(2) = 11;
    for (Seite seite : {Seite::normal, Seite::individuell}) {
        t->monatsgruppe(seite)(11) = 9;
        t->monatsstufe(seite)(11) = 2;
        t->monatscent(seite)(11) = 300000;
    }
    const Monatszeile z = monatszeile(*t, tabelleMit(true), 11);
    EXPECT_FALSE(z.normal.imFall);
    EXPECT_EQ(z.normal.gruppentext, "");
    EXPECT_EQ(z.normal.stufe, 0);
    EXPECT_EQ(z.normal.euro, 3000) << "the pay is what the series holds";
    EXPECT_TRUE(z.individuell.imFall);
    EXPECT_EQ(z.individuell.gruppentext, "9a");
    EXPECT_EQ(z.individuell.stufe, 2);
}

}  // namespace
