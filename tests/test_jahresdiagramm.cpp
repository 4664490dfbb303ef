// The year view's chart: the cumulated difference is drawn as the individual case's lead, and the
// month it pays off is marked.
#include <gtest/gtest.h>

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include "jahresdiagramm.h"
#include "qt_anwendung.h"

using namespace korvalt;

namespace {

QLineSeries* linie(Jahresdiagramm& diagramm, const QString& name) {
    for (QAbstractSeries* reihe : diagramm.chart()->series())
        if (reihe->name().startsWith(name)) return static_cast<QLineSeries*>(reihe);
    return nullptr;
}

}  // namespace

// Cumulated -100,00, level, then +12.300,00 from 10/2031: the line goes down, then up, in euros, at
// the end of each month; the mark stands at the start of 10/2031.
TEST(Jahresdiagramm, KumulierteDifferenzAlsVorsprungDesBeispielfalls) {
    Jahresdaten d;
    d.inCent = true;
    d.centN = {100000, 100000, 100000};
    d.centI = {90000, 110000, 1330000};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, KalenderMonat(2031, 8));
    Jahresdiagramm diagramm;
    diagramm.zeigen(d);
    QLineSeries* kumuliert = linie(diagramm, "Differenz kumuliert");
    ASSERT_NE(kumuliert, nullptr);
    const QList<QPointF> punkte = kumuliert->points();
    ASSERT_EQ(punkte.size(), 3);
    EXPECT_DOUBLE_EQ(punkte[0].y(), -100.0);
    EXPECT_DOUBLE_EQ(punkte[1].y(), 0.0);
    EXPECT_DOUBLE_EQ(punkte[2].y(), 12300.0);
    EXPECT_DOUBLE_EQ(punkte[0].x(), 2031 + 8 / 12.0);
    QLineSeries* marke = linie(diagramm, "vorn ab ");
    ASSERT_NE(marke, nullptr);
    EXPECT_EQ(marke->name(), "vorn ab 10/2031");
    EXPECT_DOUBLE_EQ(marke->points().front().x(), 2031 + 9 / 12.0);
}

// Switched to net, the chart draws the net pays, their cumulated difference and the net pay-off
// month, not the gross ones.
TEST(Jahresdiagramm, NettoZeigtDieNettoreihen) {
    Jahresdaten d;
    d.inCent = true;
    d.centN = {100000, 100000, 100000};
    d.centI = {90000, 110000, 1330000};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, {}}, KalenderMonat(2031, 8));
    d.nettoN = {70000, 70000, 70000};
    d.nettoI = {60000, 75000, 80000};
    d.netto = jahresuebersichtBilden({d.nettoN, {}}, {d.nettoI, {}}, KalenderMonat(2031, 8));
    Jahresdiagramm diagramm;
    diagramm.zeigen(d, true);
    QLineSeries* normal = linie(diagramm, "Normalfall netto");
    ASSERT_NE(normal, nullptr);
    EXPECT_DOUBLE_EQ(normal->points().front().y(), 700.0);
    QLineSeries* kumuliert = linie(diagramm, "Differenz netto kumuliert");
    ASSERT_NE(kumuliert, nullptr);
    const QList<QPointF> punkte = kumuliert->points();
    ASSERT_EQ(punkte.size(), 3);
    EXPECT_DOUBLE_EQ(punkte[0].y(), -100.0);
    EXPECT_DOUBLE_EQ(punkte[1].y(), -50.0);
    EXPECT_DOUBLE_EQ(punkte[2].y(), 50.0);
    QLineSeries* marke = linie(diagramm, "netto vorn ab ");
    ASSERT_NE(marke, nullptr);
    EXPECT_EQ(marke->name(), "netto vorn ab 10/2031");
    diagramm.zeigen(d, false);
    EXPECT_EQ(linie(diagramm, "Normalfall netto"), nullptr);
    EXPECT_NE(linie(diagramm, "Differenz kumuliert"), nullptr);
}
