// The main window on a screen smaller than its design: 1366 x 768 at 125 % (kleiner-bildschirm.json
// gives the offscreen platform that screen). It opens within the screen's available area, the step
// panels scroll at their design size while the buttons, totals and the grid stay in view, and the
// result page is the whole window all the same.
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>

#include "arbeitsflaeche.h"
#include "bildschirmeinpassung.h"
#include "dateien.h"
#include "druckauftrag.h"
#include "ergebnisseite.h"
#include "hauptfensterpruefung.h"
#include "pdftext.h"

using namespace korvalt;

namespace {

struct Einpassung {
    const char* name;
    QRect rahmen;
    QRect erwartet;
};

// The available area of a screen with a panel of 30 pixels at the top.
const QRect bereich(0, 30, 1093, 584);

TEST(InBereich, VerkleinertUndVerschiebtNurWoNoetig) {
    const Einpassung faelle[] = {
        {"passt", QRect(10, 40, 735, 500), QRect(10, 40, 735, 500)},
        {"zu hoch", QRect(10, 40, 735, 676), QRect(10, 30, 735, 584)},
        {"genau so gross", QRect(0, 30, 1093, 584), QRect(0, 30, 1093, 584)},
        {"ragt rechts hinaus", QRect(500, 40, 735, 500), QRect(358, 40, 735, 500)},
        {"unter dem Rand oben", QRect(10, 0, 735, 500), QRect(10, 30, 735, 500)},
        {"zu breit und zu hoch", QRect(-20, 0, 1200, 700), QRect(0, 30, 1093, 584)},
    };
    for (const auto& f : faelle) EXPECT_EQ(inBereich(f.rahmen, bereich), f.erwartet) << f.name;
}

class BildschirmTest : public test::HauptfensterTest {
  protected:
    Arbeitsflaeche& flaeche() const {
        return *static_cast<Arbeitsflaeche*>(fenster->centralWidget());
    }
    // The client area's design size at the screen's resolution.
    QSize entwurf() const {
        const Korvaltei& k = fenster->korvaltei();
        return {int(std::lround(Korvaltei::entwurfBreite * k.logicalDpiX() / 1440.0)),
                int(std::lround(Korvaltei::entwurfHoehe * k.logicalDpiY() / 1440.0))};
    }
    // Where a widget is seen in the working area's viewport.
    QRect imBlick(const QWidget& w) const {
        return QRect(w.mapTo(flaeche().viewport(), QPoint()), w.size());
    }
};

TEST_F(BildschirmTest, OeffnetImVerfuegbarenBereichUndRolltDieStufen) {
    starten();
    const QRect verfuegbar = fenster->screen()->availableGeometry();
    ASSERT_LT(verfuegbar.height(), 650) << "kleiner-bildschirm.json not in use";
    EXPECT_TRUE(verfuegbar.contains(fenster->frameGeometry()));
    EXPECT_TRUE(fenster->rect().contains(fenster->statusBar()->geometry()));

    // The fields keep the design's height and the area scrolls over them.
    EXPECT_EQ(fenster->korvaltei().size().height(), entwurf().height());
    ASSERT_TRUE(flaeche().rollt());
    const QRect sicht = flaeche().viewport()->rect();
    auto* gitter = widget("Monatsgitter");
    EXPECT_TRUE(sicht.contains(imBlick(*gitter)));

    // Step 6 comes into view; the grid and the totals stay where they were seen.
    const QRect gitterVorher = imBlick(*gitter);
    const QRect summeVorher = imBlick(*widget("Differenz"));
    auto* stufe6 = widget("Betrag1", 6);
    EXPECT_FALSE(sicht.contains(imBlick(*stufe6)));
    flaeche().verticalScrollBar()->setValue(flaeche().verticalScrollBar()->maximum());
    EXPECT_TRUE(sicht.contains(imBlick(*stufe6)));
    EXPECT_EQ(imBlick(*gitter), gitterVorher);
    EXPECT_EQ(imBlick(*widget("Differenz")), summeVorher);
}

TEST_F(BildschirmTest, KleineresFensterMitDenMassenDesEntwurfsRolltNicht) {
    starten();
    const Korvaltei& k = fenster->korvaltei();
    // Half the width and half the height: the whole design scaled down, as ever.
    flaeche().resize(entwurf() / 2);
    EXPECT_FALSE(flaeche().rollt());
    EXPECT_EQ(k.size(), entwurf() / 2);
    // Half the height only: the fields keep their height and scroll.
    flaeche().resize(entwurf().width(), entwurf().height() / 2);
    EXPECT_TRUE(flaeche().rollt());
    EXPECT_EQ(k.height(), entwurf().height());
}

// Printed while scrolled, the page shows the window as a whole: the grid at its full length, the
// totals in their place, the signature line below; then the window is seen as it was.
TEST_F(BildschirmTest, ErgebnisseiteEinesGerolltenFenstersIstDasGanzeFenster) {
    starten();
    ASSERT_TRUE(flaeche().rollt());
    flaeche().verticalScrollBar()->setValue(flaeche().verticalScrollBar()->maximum());
    const auto seite = [this](Korvaltei& k, const char* name) {
        const auto pdf = verzeichnis.pfad() / name;
        std::string fehler;
        EXPECT_TRUE(pdfSchreiben(
            pdf.string(),
            [&](QPrinter& p, std::string& f) { return ergebnisseiteDrucken(k, p, f); }, fehler))
            << fehler;
        test::ausgabeVon("pdftoppm -r 60 -gray -singlefile '" + pdf.string() + "' '" +
                         pdf.string() + "-bild'");
        return test::dateiinhalt(pdf.string() + "-bild.pgm");
    };
    const QRect gitter = imBlick(*widget("Monatsgitter"));
    const std::string gerollt = seite(fenster->korvaltei(), "gerollt.pdf");
    // Afterwards the window is seen as before.
    EXPECT_EQ(imBlick(*widget("Monatsgitter")), gitter);

    Sitzung allein;
    test::Meldungsprotokoll keine;
    Korvaltei ganz(allein, keine);
    ganz.laden({{"."}, einstellungsdatei()});
    ganz.setAttribute(Qt::WA_DontShowOnScreen);
    ganz.resize(fenster->korvaltei().size());
    ganz.show();
    ASSERT_GT(gerollt.size(), 1000u);
    EXPECT_TRUE(gerollt == seite(ganz, "ganz.pdf"));
}

}  // namespace
