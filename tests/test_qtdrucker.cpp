// The printer service on a real QPrinter writing PDF files: where items land, line heights, page
// breaks, fonts, and a file that cannot be written.
#include <gtest/gtest.h>

#include <QPrinter>
#include <algorithm>
#include <memory>
#include <regex>
#include <string>

#include "druckauftrag.h"
#include "meldungsprotokoll.h"
#include "monatsliste.h"
#include "pdftext.h"
#include "qt_anwendung.h"
#include "qtdrucker.h"
#include "speicherfall.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

// The left margin of the PDF printer: 6.35 mm in points.
constexpr double rand = 18.0;
constexpr double punktJeTwip = 1.0 / 20.0;

class QtDruckerTest : public ::testing::Test {
  protected:
    std::filesystem::path datei(const char* name) const { return verzeichnis.pfad() / name; }

    // The month list of the default case as a PDF file.
    std::filesystem::path standardliste() {
        auto fall = std::make_unique<Speicherfall>();
        test::Meldungsprotokoll meldungen;
        fall->anzeige.laden({{"."}}, meldungen);
        const auto pdf = datei("Monatsliste.pdf");
        auto printer = pdfDrucker(pdf.string());
        QtDrucker drucker(*printer);
        std::string fehler;
        EXPECT_TRUE(monatslisteDrucken(fall->sitzung.daten(), fall->sitzung.tabellen(),
                                       fall->felder.text({Feldname::Korvaltei}),
                                       druckblockBilden(fall->sitzung), drucker, fehler))
            << fehler;
        seiten = drucker.seitenzahl();
        return pdf;
    }

    test::TemporaeresVerzeichnis verzeichnis;
    int seiten = 0;
};

TEST_F(QtDruckerTest, MonatslisteAlsText) {
    const std::string text = test::pdfText(standardliste());
    auto enthaelt = [&](const char* muster) {
        return std::regex_search(text, std::regex(muster, std::regex::multiline));
    };
    EXPECT_TRUE(enthaelt(
        R"(^\s+Korvalt für TVöD-Gemeinden \(VKA\), Tariftabellen Stand JANUAR 2006 WEST$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+N ?o ?r ?m ?a ?l ?f ?a ?l ?l\s+Beispielfall\s+Differenz$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+1\.604\.172 €\s+1\.604\.172 €\s+0 ?€$)"));
    EXPECT_TRUE(
        enthaelt(R"(^Monat\s+EGr\.\s+Stufe\s+Entgelt\s+EGr\.\s+Stufe\s+Entgelt\s+Differenz$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+1\s+\|\s+9\s+1\s+2\.061\s+\|\s+9\s+1\s+2\.061\s+\|\s+0$)"));
    EXPECT_TRUE(enthaelt(R"(^100\s+\|\s+9\s+4\s+2\.730\s+\|\s+9\s+4\s+2\.730\s+\|\s+0$)"));
    EXPECT_TRUE(enthaelt(R"(^480\s+\|\s+12\s+6\s+4\.200\s+\|\s+12\s+6\s+4\.200\s+\|\s+0$)"));
    EXPECT_TRUE(enthaelt(R"(^Korvalt, Version \d+\.\d+\.\d+$)"));
}

TEST_F(QtDruckerTest, PostenStehenAnIhrenTwipsUndZeilenUntereinander) {
    const auto woerter = test::pdfWoerter(standardliste());
    auto erstes = [&](const std::string& text) {
        const auto it = std::find_if(woerter.begin(), woerter.end(),
                                     [&](const test::PdfWort& w) { return w.text == text; });
        EXPECT_NE(it, woerter.end()) << text;
        return it == woerter.end() ? test::PdfWort{} : *it;
    };
    struct Kopf {
        const char* text;
        int twips;
    };
    const test::PdfWort monat = erstes("Monat");
    const Kopf koepfe[] = {{"Monat", 1000},   {"EGr.", 1800},     {"Stufe", 2400},
                           {"Entgelt", 3000}, {"EGr.", 4000},     {"Stufe", 4600},
                           {"Entgelt", 5200}, {"Differenz", 6200}};
    std::vector<test::PdfWort> kopfzeile;
    for (const auto& w : woerter)
        if (w.seite == 1 && std::abs(w.y - monat.y) < 0.01) kopfzeile.push_back(w);
    ASSERT_EQ(kopfzeile.size(), std::size(koepfe));
    for (std::size_t i = 0; i < kopfzeile.size(); ++i) {
        EXPECT_EQ(kopfzeile[i].text, koepfe[i].text);
        EXPECT_NEAR(kopfzeile[i].x, rand + koepfe[i].twips * punktJeTwip, 0.05) << koepfe[i].text;
    }
    EXPECT_NEAR(erstes("Korvalt").x, rand + 1800 * punktJeTwip, 0.05);
    EXPECT_NEAR(erstes("|").x, rand + 1400 * punktJeTwip, 0.05);

    // Month lines follow each other at the line height of 8-point Liberation Mono, about 9 points.
    std::vector<double> balken;
    for (const auto& w : woerter)
        if (w.seite == 1 && w.text == "|" && std::abs(w.x - (rand + 70)) < 0.05)
            balken.push_back(w.y);
    ASSERT_GT(balken.size(), 50u);
    for (std::size_t i = 1; i < balken.size(); ++i)
        EXPECT_NEAR(balken[i] - balken[i - 1], balken[1] - balken[0], 0.01);
    EXPECT_GT(balken[1] - balken[0], 8.5);
    EXPECT_LT(balken[1] - balken[0], 10.0);
}

TEST_F(QtDruckerTest, VolleSeiteGehtAufDerNaechstenWeiter) {
    const auto pdf = standardliste();
    const auto woerter = test::pdfWoerter(pdf);
    EXPECT_EQ(test::pdfSeiten(pdf), seiten);
    ASSERT_GE(seiten, 5) << "480 month lines at 8 points do not fit on fewer pages";
    const double unten = 842 - 28.35;  // A4 less the bottom margin of 10 mm
    double tiefste = 0;
    for (const auto& w : woerter) tiefste = std::max(tiefste, w.y);
    EXPECT_LT(tiefste, unten);
    // The next page starts at the top with the page heading; every page repeats the column heads
    // and ends with its number at the bottom.
    std::vector<test::PdfWort> seite2;
    for (const auto& w : woerter)
        if (w.seite == 2) seite2.push_back(w);
    ASSERT_FALSE(seite2.empty());
    EXPECT_NEAR(seite2.front().y, 28.35, 1.0);
    EXPECT_EQ(std::count_if(woerter.begin(), woerter.end(),
                            [](const test::PdfWort& w) { return w.text == "Monat"; }),
              seiten);
    const auto fuss = std::find_if(seite2.begin(), seite2.end(),
                                   [](const test::PdfWort& w) { return w.text == "Seite"; });
    ASSERT_NE(fuss, seite2.end());
    EXPECT_GT(fuss->y, unten - 12);
    // Each page names its number and the count planned before the first page, which is the count
    // the file has.
    const std::string text = test::pdfText(pdf);
    std::size_t anfang = 0;
    for (int seite = 1; seite <= seiten; ++seite) {
        const std::size_t ende = std::min(text.find('\f', anfang), text.size());
        EXPECT_NE(text.substr(anfang, ende - anfang).find(seitenangabe(seite, seiten)),
                  std::string::npos)
            << "Seite " << seite;
        anfang = ende + 1;
    }
    // Every month from 1 to 480 is printed once, in order, across the pages.
    int naechster = 1;
    for (const auto& w : woerter)
        if (std::abs(w.x - (rand + 70)) < 0.05 && w.text == "|") ++naechster;
    EXPECT_EQ(naechster, 481);
}

TEST_F(QtDruckerTest, SchriftenDerListeSindEingebettet) {
    const std::string schriften = test::ausgabeVon("pdffonts '" + standardliste().string() + "'");
    EXPECT_NE(schriften.find("LiberationSans-Bold"), std::string::npos) << schriften;
    EXPECT_NE(schriften.find("LiberationSans "), std::string::npos) << schriften;
    EXPECT_NE(schriften.find("LiberationMono"), std::string::npos) << schriften;

    struct Zuordnung {
        const char* name;
        const char* schrift;
    };
    for (const Zuordnung& z :
         {Zuordnung{"Arial", "Liberation Sans"}, Zuordnung{"ARIAL", "Liberation Sans"},
          Zuordnung{"courier new", "Liberation Mono"}, Zuordnung{"Courier New", "Liberation Mono"},
          Zuordnung{"DejaVu Serif", "DejaVu Serif"}})
        EXPECT_EQ(druckschrift(z.name).toStdString(), z.schrift) << z.name;
}

TEST_F(QtDruckerTest, NichtSchreibbareDateiMeldetDenFehler) {
    const auto pdf = datei("fehlt") / "Monatsliste.pdf";
    auto printer = pdfDrucker(pdf.string());
    QtDrucker drucker(*printer);
    drucker.position(1000);
    drucker.text("Monat", Zeile::endet);
    drucker.leerzeile();
    drucker.zahl(7, Zeile::endet);
    std::string fehler;
    EXPECT_FALSE(drucker.dokumentBeenden(fehler));
    EXPECT_NE(fehler.find("kann nicht geschrieben werden"), std::string::npos) << fehler;
    EXPECT_NE(fehler.find(pdf.string()), std::string::npos) << fehler;
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
