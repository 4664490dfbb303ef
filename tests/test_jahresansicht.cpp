// The year view follows the case without holding up the window: hidden it waits until it is shown
// again, open it gathers the case once however many changes came in one turn of the event loop.
#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>

#include "hauptfensterpruefung.h"
#include "jahresansicht.h"

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

}  // namespace
