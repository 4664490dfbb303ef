// The result page from the real window: what the PDF page shows, and the window back in its working
// state afterwards, also when the printer fails.
#include <QAbstractScrollArea>
#include <QPrinter>
#include <algorithm>
#include <regex>

#include "druckauftrag.h"
#include "ergebnisseite.h"
#include "farbe.h"
#include "fensterpruefung.h"
#include "pdftext.h"

using namespace korvalt;

namespace {

const char* const knoepfe[] = {"Speichern", "Ergebnisdrucken", "Liste",    "Hilfe",
                               "Schließen", "nachoben",        "nachunten"};
const std::string titel = "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";

class ErgebnisseiteTest : public test::FensterTest {
  protected:
    bool drucken(const std::filesystem::path& pdf, std::string& fehler) {
        auto printer = pdfDrucker(pdf.string());
        return ergebnisseiteDrucken(*fenster, *printer, fehler);
    }

    QColor grund(const char* name) const {
        const QWidget* w = test::finde(*fenster, name);
        EXPECT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->autoFillBackground()) << name;
        return w->palette().color(QPalette::Window);
    }

    // The window as the user works with it: every button, no heading, its height and colours.
    void erwarteArbeitszustand(int hoehe) {
        for (const char* name : knoepfe) EXPECT_TRUE(knopf(name)->isVisible()) << name;
        EXPECT_FALSE(beschriftung("fürwen")->isVisible());
        const auto* gitter = fenster->findChild<QAbstractScrollArea*>("Monatsgitter");
        ASSERT_NE(gitter, nullptr);
        EXPECT_EQ(gitter->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        EXPECT_EQ(fenster->hoeheTwips(), hoehe);
        EXPECT_EQ(fenster->palette().color(QPalette::Window), QColor(224, 224, 224));
        EXPECT_EQ(grund("plus"), QColor(224, 224, 224));
        EXPECT_EQ(grund("minus"), QColor(224, 224, 224));
        EXPECT_EQ(fenster->gitter().hintergrund, farben::gitterGrund);
        EXPECT_EQ(text("Unterschrift"), "   " + titel);
        EXPECT_EQ(text("fürwen"), "Berechnung für Beispielfall" + std::string(23, ' '));
    }
};

TEST_F(ErgebnisseiteTest, SeiteZeigtDasFensterMitUeberschriftUndTitelzeile) {
    starten();
    const int hoehe = fenster->hoeheTwips();
    const auto pdf = verzeichnis.pfad() / "Ergebnis.pdf";
    std::string fehler;
    ASSERT_TRUE(drucken(pdf, fehler)) << fehler;
    erwarteArbeitszustand(hoehe);

    EXPECT_EQ(test::pdfSeiten(pdf), 1);
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("Berechnung für Beispielfall"), std::string::npos) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(1\.604\.172\s+\+\s+0\s+=\s+1\.604\.172)")))
        << text;
    EXPECT_TRUE(
        std::regex_search(text, std::regex(R"(\n\s+1\s+9\s+1\s+2\.061\s+9\s+1\s+2\.061\s+0\n)")))
        << text;
    for (const char* beschriftung :
         {"Speichern", "Ergebnis drucken", "Liste Drucken", "Hilfe", "Schließen"})
        EXPECT_EQ(text.find(beschriftung), std::string::npos) << beschriftung;

    for (const char* zeile :
         {"Beispielfall \u2013 Ergebnis", "Tabelle: Tariftabellen Stand JANUAR 2006 WEST",
          "Rechtsgrundlage: §§ 15\u201317, 20 TVöD",
          "Unverbindliche Modellrechnung; maßgeblich ist die Entgeltabrechnung",
          "Monatsliste: siehe Liste drucken", "Ort, Datum / Unterschrift", "Seite 1 von 1"})
        EXPECT_NE(text.find(zeile), std::string::npos) << zeile;

    // The caption line closes the window's image; below it the totals in words, the first months
    // of the month table, where the list goes on, the place to sign and the page's foot. Nothing
    // reaches past the printable area.
    const auto woerter = test::pdfWoerter(pdf);
    ASSERT_FALSE(woerter.empty());
    auto unterstes = [&](const std::string& wort) {
        test::PdfWort tiefstes;
        tiefstes.y = -1;
        for (const auto& w : woerter)
            if (w.text == wort && w.y > tiefstes.y) tiefstes = w;
        EXPECT_GE(tiefstes.y, 0) << wort;
        return tiefstes.y;
    };
    const double titelzeile = unterstes("Tariftabellen");
    const double summe = unterstes("Summe");
    const double tabellenkopf = unterstes("Monat");
    const double verweis = unterstes("Monatsliste:");
    EXPECT_GT(summe, titelzeile);
    EXPECT_GT(tabellenkopf, summe);
    EXPECT_GT(verweis, unterstes("12"));
    EXPECT_GT(unterstes("Ort,"), verweis);
    EXPECT_GT(unterstes("Gedruckt"), unterstes("Ort,"));
    for (const auto& w : woerter) {
        if (w.y > titelzeile + 0.01) {
            EXPECT_GE(w.y, summe - 0.01) << w.text;
        }
        EXPECT_GE(w.x, 17.9) << w.text;
        EXPECT_LT(w.x, 595 - 18) << w.text;
    }
    const std::string letzteZeile = text.substr(text.rfind(titel) - 3, titel.size() + 3);
    EXPECT_EQ(letzteZeile, "   " + titel);
    EXPECT_TRUE(std::regex_search(text, std::regex("Summe Normalfall 1\\.604\\.172 €, Summe "
                                                   "Beispielfall 1\\.604\\.172 €, Differenz 0 €")))
        << text;
    // The table below the image begins with month 1 and has a month 2 (the grid shows those too).
    EXPECT_TRUE(std::regex_search(
        text, std::regex(R"(\n\s+1\s+9\s+1\s+2\.061\s+9\s+1\s+2\.061\s+0\s+\d+\s+9)")))
        << text;

    // A second page in a row is the same page.
    const auto zweite = verzeichnis.pfad() / "Ergebnis2.pdf";
    ASSERT_TRUE(drucken(zweite, fehler)) << fehler;
    EXPECT_EQ(test::pdfText(zweite), text);
    erwarteArbeitszustand(hoehe);
}

TEST_F(ErgebnisseiteTest, NachEinemFehlgeschlagenenDruckIstDasFensterWiederBedienbar) {
    starten();
    const int hoehe = fenster->hoeheTwips();
    std::string fehler;
    EXPECT_FALSE(drucken(verzeichnis.pfad() / "fehlt" / "Ergebnis.pdf", fehler));
    EXPECT_NE(fehler.find("kann nicht geschrieben werden"), std::string::npos) << fehler;
    erwarteArbeitszustand(hoehe);

    // The window still reacts: an edit recalculates as before.
    ersetzen(feld("indi1", 3), "7");
    EXPECT_EQ(text("iende1", 3), "43");
}

// A case of 12 months: every month fits below the window, so the page sends nobody to the list.
TEST_F(ErgebnisseiteTest, AlleMonateAufDerSeiteOhneVerweis) {
    starten(test::einstellungssatzText(9, 3));
    ASSERT_EQ(sitzung->daten().monatsanzahl, 12);
    const auto pdf = verzeichnis.pfad() / "Ergebnis.pdf";
    std::string fehler;
    ASSERT_TRUE(drucken(pdf, fehler)) << fehler;
    const std::string text = test::pdfText(pdf);
    EXPECT_EQ(text.find("Monatsliste: siehe Liste drucken"), std::string::npos) << text;
    // Month 12 below the table's heads, which stand below the window's grid.
    double kopf = 0, monat12 = 0;
    for (const auto& w : test::pdfWoerter(pdf)) {
        if (w.text == "Monat") kopf = std::max(kopf, w.y);
        if (w.text == "12") monat12 = std::max(monat12, w.y);
    }
    EXPECT_GT(monat12, kopf);
}

}  // namespace
