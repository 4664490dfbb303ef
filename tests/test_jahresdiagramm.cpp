// The year view's chart figures: a step line has a point where the pay changes, the cumulated
// difference one where its slope changes, drawn as the individual case's lead, and the axis of the
// difference spans all of it; the month it pays off is marked.
#include <gtest/gtest.h>

#include "jahresdiagramm.h"

using namespace korvalt;

TEST(Diagrammdaten, PunkteNurWoSichEtwasAendert) {
    Jahresdaten d;
    d.centN = {100, 100, 200, 200, 200, 150};
    d.centI = {100, 100, 100, 100, 100, 100};
    d.uebersicht.kumuliert = {0, 0, -100, -200, -300, -250};
    const Diagrammdaten dd = diagrammdatenBilden(d);
    EXPECT_EQ(dd.entgeltN, (QList<QPointF>{{0, 1}, {2, 1}, {2, 2}, {5, 2}, {5, 1.5}, {6, 1.5}}));
    EXPECT_EQ(dd.entgeltI, (QList<QPointF>{{0, 1}, {6, 1}}));
    // After months 3 and 4 the difference falls by a euro as after month 2: on the line.
    EXPECT_EQ(dd.kumuliert, (QList<QPointF>{{1, 0}, {2, 0}, {5, -3}, {6, -2.5}}));
    EXPECT_EQ(dd.differenzVon, -3);
    EXPECT_EQ(dd.differenzBis, 97);
    EXPECT_EQ(dd.hoechstesEntgelt, 2);
    EXPECT_EQ(dd.xBis, 6);
}

TEST(Diagrammdaten, MitBeginnInJahren) {
    Jahresdaten d;
    d.centN = d.centI = {100, 200};
    d.uebersicht.kumuliert = {0, 0};
    d.uebersicht.beginn = KalenderMonat(2026, 7);
    const Diagrammdaten dd = diagrammdatenBilden(d);
    EXPECT_EQ(dd.xTitel, "Jahr");
    EXPECT_EQ(dd.entgeltN.front(), QPointF(2026.5, 1));
    EXPECT_EQ(dd.entgeltN.back(), QPointF(2026 + 8 / 12.0, 2));
}

// Cumulated -100,00, level, then +12.300,00 from 10/2031: the line goes down, then up, in euros, at
// the end of each month; the mark stands at the start of 10/2031.
TEST(Diagrammdaten, KumulierteDifferenzAlsVorsprungDesBeispielfalls) {
    Jahresdaten d;
    d.inCent = true;
    d.centN = {100000, 100000, 100000};
    d.centI = {90000, 110000, 1330000};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, KalenderMonat(2031, 8));
    const Diagrammdaten dd = diagrammdatenBilden(d);
    ASSERT_EQ(dd.kumuliert.size(), 3);
    EXPECT_DOUBLE_EQ(dd.kumuliert[0].y(), -100.0);
    EXPECT_DOUBLE_EQ(dd.kumuliert[1].y(), 0.0);
    EXPECT_DOUBLE_EQ(dd.kumuliert[2].y(), 12300.0);
    EXPECT_DOUBLE_EQ(dd.kumuliert[0].x(), 2031 + 8 / 12.0);
    EXPECT_EQ(dd.ausgleichName, "vorn ab 10/2031");
    ASSERT_TRUE(dd.ausgleichX);
    EXPECT_DOUBLE_EQ(*dd.ausgleichX, 2031 + 9 / 12.0);
}

// Switched to net, the chart draws the net pays, their cumulated difference and the net pay-off
// month under names and axis titles that say so, not the gross ones; switched back, the gross ones.
TEST(Diagrammdaten, NettoZeigtDieNettoreihen) {
    Jahresdaten d;
    d.inCent = true;
    d.centN = {100000, 100000, 100000};
    d.centI = {90000, 110000, 1330000};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, KalenderMonat(2031, 8));
    d.nettoN = {70000, 70000, 70000};
    d.nettoI = {60000, 75000, 80000};
    d.netto = jahresuebersichtBilden({d.nettoN, {}}, {d.nettoI, {}}, KalenderMonat(2031, 8));
    const Diagrammdaten netto = diagrammdatenBilden(d, true);
    EXPECT_EQ(netto.nameN, "Normalfall netto");
    EXPECT_EQ(netto.kumuliertName, "Differenz netto kumuliert");
    EXPECT_EQ(netto.entgeltTitel, "Nettolohn im Monat (€)");
    EXPECT_DOUBLE_EQ(netto.entgeltN.front().y(), 700.0);
    EXPECT_DOUBLE_EQ(netto.hoechstesEntgelt, 800.0);
    ASSERT_EQ(netto.kumuliert.size(), 3);
    EXPECT_DOUBLE_EQ(netto.kumuliert[0].y(), -100.0);
    EXPECT_DOUBLE_EQ(netto.kumuliert[1].y(), -50.0);
    EXPECT_DOUBLE_EQ(netto.kumuliert[2].y(), 50.0);
    EXPECT_EQ(netto.ausgleichName, "netto vorn ab 10/2031");

    const Diagrammdaten brutto = diagrammdatenBilden(d, false);
    EXPECT_EQ(brutto.nameN, "Normalfall");
    EXPECT_EQ(brutto.kumuliertName, "Differenz kumuliert");
    EXPECT_DOUBLE_EQ(brutto.entgeltN.front().y(), 1000.0);
    EXPECT_EQ(brutto.ausgleichName, "vorn ab 10/2031");
}

// A case without net pay draws gross even with the switch on.
TEST(Diagrammdaten, OhneNettolohnBrutto) {
    Jahresdaten d;
    d.centN = d.centI = {100, 200};
    d.uebersicht.kumuliert = {0, 0};
    const Diagrammdaten dd = diagrammdatenBilden(d, true);
    EXPECT_EQ(dd.nameN, "Normalfall");
    EXPECT_EQ(dd.entgeltN.back(), QPointF(2, 2));
}

// The legend names the cases by their names, not by the defaults; a name it would cut short goes
// by its mark, even if only the other case's is long.
TEST(Diagrammdaten, LinienTragenDieNamenDerFaelle) {
    const struct {
        Fallnamen namen;
        const char* nameN;
        const char* nameI;
    } faelle[] = {
        {{"bleiben", "wechseln"}, "bleiben", "wechseln"},
        {{"ohne Höhergruppierung", "mit Höhergruppierung nach 9b zum 07/2026"}, "(1)", "(2)"},
    };
    for (const auto& f : faelle) {
        Jahresdaten d;
        d.centN = d.centI = {100};
        d.uebersicht.kumuliert = {0};
        d.namen = f.namen;
        const Diagrammdaten dd = diagrammdatenBilden(d);
        EXPECT_EQ(dd.nameN, f.nameN);
        EXPECT_EQ(dd.nameI, f.nameI);
    }
}
