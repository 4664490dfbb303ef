// The month grid on the window: a table view over the grid store with fixed, merged headings,
// cell colours, and after each fill only the changed rows told and repainted.
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <set>

#include "fensterpruefung.h"
#include "monatsgitter.h"

using namespace korvalt;
using korvalt::test::finde;

namespace {

class MonatsgitterTest : public test::FensterTest {
  protected:
    void SetUp() override {
        starten();
        gitter = finde<Monatsgitter>(*fenster, "Monatsgitter");
        ASSERT_NE(gitter, nullptr);
    }
    QVariant zelle(int zeile, int spalte, int rolle = Qt::DisplayRole) const {
        return gitter->model()->data(gitter->model()->index(zeile, spalte), rolle);
    }
    QColor grund(int zeile, int spalte) const {
        return zelle(zeile, spalte, Qt::BackgroundRole).value<QColor>();
    }
    Monatsgitter* gitter = nullptr;
};

TEST_F(MonatsgitterTest, UeberschriftenSindVerbundenUndBleibenStehen) {
    const QString kopf[] = {
        "Monat",        "N o r m a l f a l l", "N o r m a l f a l l", "N o r m a l f a l l",
        "Beispielfall", "Beispielfall",        "Beispielfall",        "Differenz"};
    const QString unterkopf[] = {"", "EGr.", "Stufe", "Entgelt", "EGr.", "Stufe", "Entgelt", ""};
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(zelle(0, s).toString(), kopf[s]);
        EXPECT_EQ(zelle(1, s).toString(), unterkopf[s]);
    }
    for (QTableView* v : {static_cast<QTableView*>(gitter), &gitter->kopf()}) {
        EXPECT_EQ(v->columnSpan(0, 0), 1);
        EXPECT_EQ(v->columnSpan(0, 1), 3);
        EXPECT_EQ(v->columnSpan(0, 4), 3);
        EXPECT_EQ(v->columnSpan(0, 7), 1);
        EXPECT_EQ(v->columnSpan(1, 1), 1);
        EXPECT_GT(v->rowHeight(0), v->rowHeight(1));
    }
    // Scrolled to the last month, the headings still cover the top of the grid.
    gitter->verticalScrollBar()->setValue(gitter->verticalScrollBar()->maximum());
    EXPECT_GT(gitter->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(gitter->kopf().isVisible());
    EXPECT_EQ(gitter->kopf().geometry().top(), gitter->viewport()->geometry().top());
    EXPECT_GE(gitter->kopf().height(), gitter->rowHeight(0) + gitter->rowHeight(1));
    EXPECT_EQ(gitter->kopf().indexAt(QPoint(5, 2)).row(), 0);
    EXPECT_GT(gitter->indexAt(QPoint(5, gitter->kopf().height() + 2)).row(), 400);
}

TEST_F(MonatsgitterTest, MonatszeilenMitFarbenUndLeererSchlusszeile) {
    const int monate = sitzung->daten().monatsanzahl;
    EXPECT_EQ(monate, 480);
    EXPECT_EQ(gitter->model()->rowCount(), monate + 4);
    EXPECT_EQ(zelle(3, 0).toString(), "1");
    EXPECT_EQ(zelle(3, 1).toString(), "9");
    EXPECT_EQ(zelle(3, 2).toString(), "1");
    EXPECT_EQ(zelle(3, 3).toString(), "2.061");
    EXPECT_EQ(zelle(3, 7).toString(), "0");
    EXPECT_EQ(grund(3, 3), QColor(128, 255, 128));
    EXPECT_EQ(grund(3, 6), QColor(255, 255, 0));
    EXPECT_EQ(grund(3, 1), QColor(238, 238, 238));
    EXPECT_EQ(grund(3, 0), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(zelle(monate + 2, 0).toString(), "480");
    for (int s = 0; s < 8; ++s) EXPECT_EQ(zelle(monate + 3, s).toString(), "") << s;
    EXPECT_EQ(grund(monate + 3, 3), QColor(238, 238, 238));
    EXPECT_EQ(grund(monate + 3, 6), QColor(238, 238, 238));
    EXPECT_EQ(gitter->rowHeight(5), gitter->rowHeight(monate + 2));
}

// With a start month the month column and the step's month labels show dates: the grid the full
// one with "07/26" for a narrow column, the labels the short one with the full date as their note.
TEST_F(MonatsgitterTest, MitBeginnZeigenMonatsspalteUndStufenmonateDasDatum) {
    Kalenderangaben angaben;
    angaben.beginn = KalenderMonat(2026, 7);
    std::string fehler;
    ASSERT_TRUE(sitzung->tabelleWaehlen("2026-05", fehler, angaben)) << fehler;
    fenster->anzeige().starten();
    EXPECT_EQ(zelle(3, 0).toString(), "07/2026");
    EXPECT_EQ(zelle(3, 0, Gittermodell::kurztextRolle).toString(), "07/26");
    EXPECT_EQ(zelle(3 + 6, 0).toString(), "01/2027");
    EXPECT_EQ(zelle(3, 1, Gittermodell::kurztextRolle).toString(), "");
    EXPECT_EQ(text("nanfang1", 1), "07/26");
    EXPECT_EQ(beschriftung("nanfang1", 1)->toolTip().toStdString(),
              "Stufe 1 ab 07/2026 (EGr. 9a, Monat 1)");
}

// A fill tells the views only what changed: the months that look different and the rows dropped
// at the end, never a reset of the whole grid.
TEST_F(MonatsgitterTest, JedeFuellungMeldetNurGeaenderteZeilen) {
    QSignalSpy zurueckgesetzt(gitter->model(), &QAbstractItemModel::modelReset);
    QSignalSpy geaendert(gitter->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy entfernt(gitter->model(), &QAbstractItemModel::rowsRemoved);
    const auto geaenderteZeilen = [&] {
        std::set<int> zeilen;
        for (const QList<QVariant>& signal : geaendert)
            for (int z = signal[0].toModelIndex().row(); z <= signal[1].toModelIndex().row(); ++z)
                zeilen.insert(z);
        geaendert.clear();
        return zeilen;
    };
    // The individual case ends 60 months earlier: only its last 60 months change, the case still
    // runs 480 months.
    ersetzen(feld("GrDauer1", 4), "60");
    std::set<int> erwartet;
    for (int m = 421; m <= 480; ++m) erwartet.insert(m + 2);
    EXPECT_EQ(geaenderteZeilen(), erwartet);
    EXPECT_EQ(gitter->model()->rowCount(), 480 + 4);
    // Both cases are 60 months shorter: the rows behind the new closing row are gone.
    ersetzen(feld("GrDauer", 4), "60");
    ASSERT_EQ(entfernt.count(), 1);
    EXPECT_EQ(entfernt[0][1].toInt(), 420 + 4);
    EXPECT_EQ(entfernt[0][2].toInt(), 480 + 3);
    EXPECT_EQ(gitter->model()->rowCount(), 420 + 4);
    EXPECT_TRUE(geaenderteZeilen().contains(423));
    EXPECT_EQ(zelle(423, 0).toString(), "");
    EXPECT_EQ(grund(423, 3), QColor(238, 238, 238));
    EXPECT_EQ(gitter->columnSpan(0, 1), 3);
    // The same value again changes nothing.
    ersetzen(feld("GrDauer", 4), "60");
    EXPECT_TRUE(geaenderteZeilen().empty());
    EXPECT_EQ(zurueckgesetzt.count(), 0);
}

// Gathers what a widget paints.
class Malzaehler : public QObject {
  public:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint)
            gemalt += static_cast<QPaintEvent*>(ereignis)->region();
        return QObject::eventFilter(objekt, ereignis);
    }
    QRegion gemalt;
};

// After an Enter the grid repaints the rows in view that changed, and those only.
TEST_F(MonatsgitterTest, GeaenderteZeilenWerdenNeuGezeichnet) {
    for (int runde = 0; runde < 3; ++runde) QCoreApplication::processEvents();
    Malzaehler zaehler;
    gitter->viewport()->installEventFilter(&zaehler);
    // Step 1 of the individual case a month shorter: month 12 is its first month in step 2.
    ersetzen(feld("indi1", 1), "11");
    for (int runde = 0; runde < 3; ++runde) QCoreApplication::processEvents();
    EXPECT_EQ(zelle(12 + 2, 5).toString(), "2");
    EXPECT_TRUE(zaehler.gemalt.contains(gitter->visualRect(gitter->model()->index(12 + 2, 5))));
    EXPECT_FALSE(zaehler.gemalt.intersects(gitter->visualRect(gitter->model()->index(5, 5))));
}

TEST_F(MonatsgitterTest, GitterhintergrundGiltFuerZellenOhneEigeneFarbe) {
    fenster->setzeHintergrund({Feldname::Monatsgitter}, rgb(255, 255, 255));
    EXPECT_EQ(grund(3, 1), QColor(255, 255, 255));
    EXPECT_EQ(grund(3, 3), QColor(128, 255, 128));
    EXPECT_EQ(gitter->palette().color(QPalette::Base), QColor(255, 255, 255));
    fenster->setzeHintergrund({Feldname::Monatsgitter}, rgb(238, 238, 238));
    EXPECT_EQ(grund(3, 1), QColor(238, 238, 238));
}

}  // namespace
