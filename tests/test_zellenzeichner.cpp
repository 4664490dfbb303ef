// The grid's cells look as the style paints them, pixel for pixel: plain month cells, the merged
// headings, a date given way to its short form and a heading set in a narrower cut.
#include <QFontMetrics>
#include <QImage>
#include <QStyledItemDelegate>

#include "fensterpruefung.h"
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

class ZellenzeichnerTest : public test::FensterTest {};

TEST_F(ZellenzeichnerTest, ZellenSehenAusWieVomStilGezeichnet) {
    starten();
    Kalenderangaben angaben;
    angaben.beginn = KalenderMonat(2026, 7);
    std::string fehler;
    ASSERT_TRUE(sitzung->tabelleWaehlen("2026-05", fehler, angaben)) << fehler;
    fenster->anzeige().starten();
    auto* gitter = finde<Monatsgitter>(*fenster, "MSFlexGrid1");
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

}  // namespace
