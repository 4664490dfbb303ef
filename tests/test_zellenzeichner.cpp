// The grid's cells look as the style paints them, pixel for pixel: plain month cells, the merged
// headings, a date given way to its short form and a heading set in a narrower cut; so do the year
// table's cells, its bold sums included.
#include <QFontMetrics>
#include <QImage>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "fensterpruefung.h"
#include "jahresansicht.h"
#include "monatsgitter.h"
#include "zellenzeichner.h"

using namespace korvalt;
using korvalt::test::finde;

namespace {

// Paints every cell the style's way, as the grid did before it painted plain cells itself.
class NurDerStil : public QStyledItemDelegate {
  public:
    explicit NurDerStil(const Zellenzeichner& zeichner) : zeichner_(zeichner) {}
    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        zeichner_.mitStilZeichnen(maler, option, index);
    }

  private:
    const Zellenzeichner& zeichner_;
};

// The view as its own painter paints it, and as the style alone does.
std::pair<QImage, QImage> beideBilder(QTableView& ansicht) {
    const QImage eigen = ansicht.viewport()->grab().toImage();
    auto* zeichner = static_cast<Zellenzeichner*>(ansicht.itemDelegate());
    NurDerStil stil(*zeichner);
    ansicht.setItemDelegate(&stil);
    const QImage mitStil = ansicht.viewport()->grab().toImage();
    ansicht.setItemDelegate(zeichner);
    return {eigen, mitStil};
}

class ZellenzeichnerTest : public test::FensterTest {
  protected:
    // The case reckoned by date from 07/2026 in the tables of 05/2026.
    void mitKalenderStarten() {
        starten();
        Kalenderangaben angaben;
        angaben.beginn = KalenderMonat(2026, 7);
        std::string fehler;
        ASSERT_TRUE(sitzung->tabelleWaehlen("2026-05", fehler, angaben)) << fehler;
        fenster->anzeige().starten();
    }
};

TEST_F(ZellenzeichnerTest, ZellenSehenAusWieVomStilGezeichnet) {
    mitKalenderStarten();
    auto* gitter = finde<Monatsgitter>(*fenster, "Monatsgitter");
    ASSERT_NE(gitter, nullptr);
    // The month column is too narrow for the full date and for its heading: "07/26" is shown, and
    // "Monat" in a narrower cut.
    const QFontMetrics masse(gitter->font());
    const int platz = gitter->columnWidth(0) - 2 * 3;
    ASSERT_GT(masse.horizontalAdvance("07/2026"), platz);
    ASSERT_GT(masse.horizontalAdvance("Monat"), platz);
    for (QTableView* ansicht : {static_cast<QTableView*>(gitter), &gitter->kopf()}) {
        const auto [eigen, mitStil] = beideBilder(*ansicht);
        EXPECT_EQ(eigen, mitStil) << ansicht->objectName().toStdString();
    }
}

// The year table's last row, the sums, is bold: a cell painted in the view's font would differ.
TEST_F(ZellenzeichnerTest, JahrestabelleMitFettenSummenWieVomStilGezeichnet) {
    mitKalenderStarten();
    Jahresansicht ansicht(*sitzung);
    ansicht.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ansicht));
    auto* tabelle = ansicht.findChild<QTableWidget*>();
    ASSERT_NE(tabelle, nullptr);
    const int letzte = tabelle->rowCount() - 1;
    ASSERT_GT(letzte, 0);
    ASSERT_TRUE(tabelle->item(letzte, 2)->font().bold());
    ASSERT_FALSE(tabelle->item(0, 2)->font().bold());
    tabelle->scrollToBottom();
    ASSERT_TRUE(
        tabelle->viewport()->rect().intersects(tabelle->visualItemRect(tabelle->item(letzte, 2))));
    const auto [eigen, mitStil] = beideBilder(*tabelle);
    EXPECT_EQ(eigen, mitStil);
}

}  // namespace
