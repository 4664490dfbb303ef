// The year view follows the case without holding up the window: hidden it waits until it is shown
// again, open it gathers the case once however many changes came in one turn of the event loop.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include "hauptfensterpruefung.h"
#include "jahresansicht.h"
#include "jahresdiagramm.h"

using namespace korvalt;

namespace {

class JahresansichtTest : public test::HauptfensterTest {
  protected:
    // What the view shows: its sentence and its table, cell by cell.
    static std::string gezeigt(Jahresansicht& ansicht) {
        std::string alles = ansicht.findChild<QLabel*>()->text().toStdString() + "\n";
        const auto* tabelle = ansicht.findChild<QTableWidget*>();
        for (int z = 0; z < tabelle->rowCount(); ++z)
            for (int s = 0; s < tabelle->columnCount(); ++s)
                alles += tabelle->item(z, s)->text().toStdString() + ";";
        return alles;
    }
    // The view of the case as it stands, made anew.
    std::string frischGezeigt() {
        Jahresansicht frisch(*sitzung);
        return gezeigt(frisch);
    }
};

TEST_F(JahresansichtTest, VerborgenWartetSieUndZeigtBeimOeffnenDenFall) {
    starten();
    Jahresansicht& ansicht = fenster->jahresansichtZeigen();
    // The chart's module is found from the program's folder.
    EXPECT_EQ(ansicht.diagrammFehler(), "");
    const std::string anfangs = gezeigt(ansicht);
    ansicht.hide();
    const int vorher = ansicht.neuberechnungen();
    ersetzen("GrDauer1", 2, "60");
    ersetzen("indi1", 3, "20");
    QCoreApplication::processEvents();
    EXPECT_EQ(ansicht.neuberechnungen(), vorher);
    fenster->jahresansichtZeigen();
    EXPECT_EQ(ansicht.neuberechnungen(), vorher + 1);
    EXPECT_NE(gezeigt(ansicht), anfangs);
    EXPECT_EQ(gezeigt(ansicht), frischGezeigt());
}

TEST_F(JahresansichtTest, ZweiAenderungenInEinemDurchlaufEinmalGerechnet) {
    starten();
    Jahresansicht& ansicht = fenster->jahresansichtZeigen();
    const int vorher = ansicht.neuberechnungen();
    ersetzen("GrDauer1", 2, "60");
    ersetzen("indi1", 3, "20");
    EXPECT_EQ(ansicht.neuberechnungen(), vorher);
    QCoreApplication::processEvents();
    EXPECT_EQ(ansicht.neuberechnungen(), vorher + 1);
    EXPECT_EQ(gezeigt(ansicht), frischGezeigt());
}

// A column narrower than its widest text cuts the amount to "1.877.9…": each column fits every
// cell, the bold total of a long case included, and its two-line heading.
TEST_F(JahresansichtTest, JedeSpalteFasstIhrenBreitestenText) {
    starten();
    ersetzen("Startgruppe", 0, "15");
    Kalenderangaben angaben;
    angaben.beginn = KalenderMonat(2026, 7);
    angaben.ende = KalenderMonat(2046, 6);
    std::string fehler;
    ASSERT_TRUE(sitzung->tabelleWaehlen("vka", fehler, angaben)) << fehler;
    fenster->korvaltei().anzeige().starten();
    Jahresansicht& ansicht = fenster->jahresansichtZeigen();
    const auto& tabelle = *ansicht.findChild<QTableWidget*>();
    ASSERT_EQ(tabelle.rowCount(), 22);  // 2026 to 2046 and the total
    const QTableWidgetItem& summe = *tabelle.item(21, 4);
    ASSERT_TRUE(summe.font().bold());
    ASSERT_GE(summe.text().size(), 12) << summe.text().toStdString();  // "9.999.999,99"

    // What the item delegate leaves beside a text on each side.
    const int rand = tabelle.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tabelle);
    for (int s = 0; s < tabelle.columnCount(); ++s) {
        const QString kopf = tabelle.horizontalHeaderItem(s)->text();
        for (const QString& zeile : kopf.split('\n'))
            EXPECT_GE(tabelle.columnWidth(s), tabelle.fontMetrics().horizontalAdvance(zeile))
                << kopf.toStdString();
        for (int z = 0; z < tabelle.rowCount(); ++z) {
            const QTableWidgetItem& zelle = *tabelle.item(z, s);
            EXPECT_GE(tabelle.columnWidth(s),
                      QFontMetrics(zelle.font()).horizontalAdvance(zelle.text()) + 2 * rand)
                << zelle.text().toStdString() << " in Spalte " << s;
        }
    }
}

// The chart's switch to net: the module's lines and the pay axis say "netto" while they draw net
// pay, and go back to the gross names when switched back.
TEST_F(JahresansichtTest, DiagrammNettoNenntSeineLinien) {
    starten();
    mitNettolohn();
    Jahresansicht& ansicht = fenster->jahresansichtZeigen();
    auto* chart = ansicht.diagramm().findChild<QChartView*>();
    auto* schalter = ansicht.findChild<QCheckBox*>("DiagrammNetto");
    ASSERT_TRUE(chart && schalter);
    const auto namen = [&] {
        QStringList n;
        for (const QAbstractSeries* reihe : chart->chart()->series()) n << reihe->name();
        for (const QAbstractAxis* achse : chart->chart()->axes(Qt::Vertical))
            n << achse->titleText();
        return n.join('|').toStdString();
    };
    EXPECT_EQ(namen().find("netto"), std::string::npos) << namen();
    schalter->click();
    for (const char* name : {"Normalfall netto", "Beispielfall netto", "Differenz netto kumuliert",
                             "Nettolohn im Monat (€)"})
        EXPECT_NE(namen().find(name), std::string::npos) << name << " in " << namen();
    schalter->click();
    EXPECT_EQ(namen().find("netto"), std::string::npos) << namen();
}

// With net pay each column is at least as wide as its widest text, the bold sums included, also
// after a change that makes an amount longer.
TEST_F(JahresansichtTest, NettospaltenSoBreitWieIhreTexte) {
    starten();
    mitNettolohn();
    Jahresansicht& ansicht = fenster->jahresansichtZeigen();
    const auto* tabelle = ansicht.findChild<QTableWidget*>();
    const auto pruefen = [&] {
        ASSERT_EQ(tabelle->columnCount(), 12);
        for (int z = 0; z < tabelle->rowCount(); ++z)
            for (int s = 0; s < tabelle->columnCount(); ++s) {
                const QTableWidgetItem* zelle = tabelle->item(z, s);
                const int breite = QFontMetrics(zelle->font()).horizontalAdvance(zelle->text());
                EXPECT_GT(tabelle->columnWidth(s), breite)
                    << z << "/" << s << " " << zelle->text().toStdString();
            }
    };
    pruefen();
    ersetzen("GrDauer1", 2, "300");
    QCoreApplication::processEvents();
    pruefen();
}

}  // namespace
