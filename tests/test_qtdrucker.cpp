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
    EXPECT_TRUE(enthaelt(R"(^\s+ohne Angaben zur Person$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+Normalfall\s+1\.604\.172 €$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+Beispielfall\s+1\.604\.172 €$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+Differenz\s+0 ?€$)"));
    EXPECT_TRUE(enthaelt(R"(^Im Einzelnen:$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+Normalfall\s+Beispielfall$)"));
    EXPECT_TRUE(
        enthaelt(R"(^\s+Monat\s+EGr\.\s+Stufe\s+Entgelt\s+EGr\.\s+Stufe\s+Entgelt\s+Differenz$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+1\s+9\s+1\s+2\.061\s+9\s+1\s+2\.061\s+0$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+100\s+9\s+4\s+2\.730\s+9\s+4\s+2\.730\s+0$)"));
    EXPECT_TRUE(enthaelt(R"(^\s+480\s+12\s+6\s+4\.200\s+12\s+6\s+4\.200\s+0$)"));
    EXPECT_TRUE(enthaelt(R"(^Korvalt, Version \d+\.\d+\.\d+$)"));
}

// Groups and steps begin at their twips, the month, the amounts and their heads end at theirs.
TEST_F(QtDruckerTest, PostenStehenAnIhrenTwipsUndZeilenUntereinander) {
    const auto woerter = test::pdfWoerter(standardliste());
    auto erstes = [&](const std::string& text) {
        const auto it = std::find_if(woerter.begin(), woerter.end(),
                                     [&](const test::PdfWort& w) { return w.text == text; });
        EXPECT_NE(it, woerter.end()) << text;
        return it == woerter.end() ? test::PdfWort{} : *it;
    };
    struct Spalte {
        const char* kopf;
        int twips;
        bool rechtsbuendig;
    };
    const Spalte spalten[] = {{"Monat", 1300, true},   {"EGr.", 1800, false},
                              {"Stufe", 2400, false},  {"Entgelt", 3900, true},
                              {"EGr.", 4600, false},   {"Stufe", 5200, false},
                              {"Entgelt", 6700, true}, {"Differenz", 7900, true}};
    const auto zeileBei = [&](double y) {
        std::vector<test::PdfWort> zeile;
        for (const auto& w : woerter)
            if (w.seite == 1 && std::abs(w.y - y) < 0.01) zeile.push_back(w);
        return zeile;
    };
    const auto kopfzeile = zeileBei(erstes("Monat").y);
    ASSERT_EQ(kopfzeile.size(), std::size(spalten));
    for (std::size_t i = 0; i < kopfzeile.size(); ++i) {
        const Spalte& s = spalten[i];
        EXPECT_EQ(kopfzeile[i].text, s.kopf);
        EXPECT_NEAR(s.rechtsbuendig ? kopfzeile[i].rechts : kopfzeile[i].x,
                    rand + s.twips * punktJeTwip, 0.05)
            << s.kopf;
    }
    EXPECT_NEAR(erstes("Korvalt").x, rand + 1000 * punktJeTwip, 0.05);

    // The first month under the heads: the groups' numbers begin after a blank.
    const auto monatszeile = zeileBei(erstes("2.061").y);
    ASSERT_EQ(monatszeile.size(), std::size(spalten));
    const char* erster[] = {"1", "9", "1", "2.061", "9", "1", "2.061", "0"};
    for (std::size_t i = 0; i < monatszeile.size(); ++i) {
        const Spalte& s = spalten[i];
        EXPECT_EQ(monatszeile[i].text, erster[i]);
        if (s.rechtsbuendig)
            EXPECT_NEAR(monatszeile[i].rechts, rand + s.twips * punktJeTwip, 0.05) << s.kopf;
        else
            EXPECT_GT(monatszeile[i].x, rand + s.twips * punktJeTwip) << s.kopf;
    }

    // Month lines follow each other at the line height of 8-point Liberation Sans, about 9 points.
    std::vector<double> monate;
    for (const auto& w : woerter)
        if (w.seite == 1 && w.text != "Monat" && std::abs(w.rechts - (rand + 65)) < 0.05)
            monate.push_back(w.y);
    ASSERT_GT(monate.size(), 50u);
    for (std::size_t i = 1; i < monate.size(); ++i)
        EXPECT_NEAR(monate[i] - monate[i - 1], monate[1] - monate[0], 0.01);
    EXPECT_GT(monate[1] - monate[0], 8.5);
    EXPECT_LT(monate[1] - monate[0], 10.0);
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
    // Every month from 1 to 480 is printed once, in order, across the pages: its number ends at
    // 1300 twips.
    int naechster = 1;
    for (const auto& w : woerter)
        if (std::abs(w.rechts - (rand + 65)) < 0.05 && w.text == std::to_string(naechster))
            ++naechster;
    EXPECT_EQ(naechster, 481);
}

// The list is set in Liberation Sans alone, regular and bold, both embedded; the typewriter font
// of the old list is gone.
TEST_F(QtDruckerTest, SchriftenDerListeSindEingebettet) {
    const std::string schriften = test::ausgabeVon("pdffonts '" + standardliste().string() + "'");
    EXPECT_NE(schriften.find("LiberationSans-Bold"), std::string::npos) << schriften;
    EXPECT_NE(schriften.find("LiberationSans "), std::string::npos) << schriften;
    EXPECT_EQ(schriften.find("LiberationMono"), std::string::npos) << schriften;

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
