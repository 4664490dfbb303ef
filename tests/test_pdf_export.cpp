// Both printouts as PDF files from the command line: the files' text and the exit statuses.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pdf_export.h"
#include "pdftext.h"
#include "qt_anwendung.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

const std::string titel = "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";

class PdfExportTest : public ::testing::Test {
  protected:
    // Runs the call as the program would; the case comes from `einstellungen` when given.
    int aufrufen(std::vector<std::string> argumente) {
        std::string grund;
        const auto aufruf = aufrufLesen(argumente, grund);
        EXPECT_TRUE(aufruf) << grund;
        if (!aufruf) return -1;
        fehler.str("");
        std::ostringstream aus;
        return exportieren(*aufruf, ".", aus, fehler);
    }

    std::string datei(const char* name) const { return (verzeichnis.pfad() / name).string(); }

    test::TemporaeresVerzeichnis verzeichnis;
    std::ostringstream fehler;
};

TEST_F(PdfExportTest, MonatslisteUndErgebnisDesBeispielfalls) {
    ASSERT_EQ(
        aufrufen({"--monatsliste", datei("Monatsliste.pdf"), "--ergebnis", datei("Ergebnis.pdf")}),
        exitGut)
        << fehler.str();
    EXPECT_EQ(fehler.str(), "");

    const std::string liste = test::pdfText(datei("Monatsliste.pdf"));
    EXPECT_NE(liste.find(titel), std::string::npos) << liste;
    EXPECT_TRUE(std::regex_search(
        liste,
        std::regex(
            R"(Normalfall\s+1\.604\.172 €\s+Beispielfall\s+1\.604\.172 €\s+Differenz\s+0 ?€)")));
    EXPECT_TRUE(
        std::regex_search(liste, std::regex(R"(\n\s+1\s+9\s+1\s+2\.061\s+9\s+1\s+2\.061\s+0\n)")));
    EXPECT_TRUE(std::regex_search(
        liste, std::regex(R"(\n\s+480\s+12\s+6\s+4\.200\s+12\s+6\s+4\.200\s+0\n)")));

    const std::string ergebnis = test::pdfText(datei("Ergebnis.pdf"));
    EXPECT_NE(ergebnis.find("Berechnung für Beispielfall"), std::string::npos) << ergebnis;
    EXPECT_NE(ergebnis.find("   " + titel), std::string::npos) << ergebnis;
    EXPECT_TRUE(
        std::regex_search(ergebnis, std::regex(R"(1\.604\.172\s+\+\s+0\s+=\s+1\.604\.172)")));
    EXPECT_TRUE(std::regex_search(ergebnis,
                                  std::regex(R"(\n\s+1\s+9\s+1\s+2\.061\s+9\s+1\s+2\.061\s+0\n)")));
}

TEST_F(PdfExportTest, FallAusDerEinstellungsdatei) {
    std::string satz = "st\x05";
    for (int i = 0; i < 8; ++i) satz += "120";
    for (int i = 0; i < 8; ++i) satz += std::string("\x0C\x18\x24\x30\x3C\x78");
    std::ofstream(datei("fall.dat"), std::ios::binary) << satz;
    ASSERT_EQ(aufrufen({"--ergebnis", datei("Ergebnis.pdf"), "--monatsliste", datei("Liste.pdf"),
                        "--einstellungen", datei("fall.dat")}),
              exitGut)
        << fehler.str();
    const std::string ergebnis = test::pdfText(datei("Ergebnis.pdf"));
    EXPECT_TRUE(std::regex_search(ergebnis, std::regex(R"(EGr\. 5\s+EGr\. 6\s+EGr\. 7\s+EGr\. 8)")))
        << ergebnis;
    const std::string liste = test::pdfText(datei("Liste.pdf"));
    EXPECT_TRUE(std::regex_search(liste, std::regex(R"(\n\s+1\s+5\s+1\s)"))) << liste;
}

// The three printouts of a case with a person each carry the block: the person, the notes, the
// print date, the page and the place to sign; the result page and the year view on one page each.
TEST_F(PdfExportTest, JederAusdruckTraegtDenBlock) {
    std::string fall = "st\x09";
    for (int i = 0; i < 8; ++i) fall += "120";
    for (int i = 0; i < 8; ++i) fall += std::string("\x0C\x18\x24\x30\x3C\x78");
    for (const char* satz : {"peNAnna Müller", "peP4711"})
        fall += satz + std::string(einstellungssatzLaenge - std::string(satz).size(), ' ');
    std::ofstream(datei("fall.korvalt"), std::ios::binary) << fall;
    ASSERT_EQ(aufrufen({"--ergebnis", datei("Ergebnis.pdf"), "--monatsliste", datei("Liste.pdf"),
                        "--einstellungen", datei("fall.korvalt")}),
              exitGut)
        << fehler.str();
    ASSERT_EQ(
        aufrufen({"--jahresliste", datei("Jahr.pdf"), "--einstellungen", datei("fall.korvalt")}),
        exitGut)
        << fehler.str();
    const struct {
        const char* datei;
        const char* art;
        int seiten;  // 0: several
    } ausdrucke[] = {{"Ergebnis.pdf", "Ergebnis", 1},
                     {"Liste.pdf", "Monatsliste", 0},
                     {"Jahr.pdf", "Jahresübersicht", 1}};
    for (const auto& a : ausdrucke) {
        SCOPED_TRACE(a.datei);
        const std::string text = test::pdfText(datei(a.datei));
        const int seiten = test::pdfSeiten(datei(a.datei));
        if (a.seiten > 0) {
            EXPECT_EQ(seiten, a.seiten);
        }
        for (const std::string& zeile :
             {"Anna Müller (Personalnummer 4711) \u2013 " + std::string(a.art),
              std::string("Name: Anna Müller"), std::string("Personalnummer: 4711"),
              std::string("Tabelle: Tariftabellen Stand JANUAR 2006 WEST"),
              std::string("Rechtsgrundlage: §§ 15\u201317, 20 TVöD"),
              std::string("Unverbindliche Modellrechnung; maßgeblich ist die Entgeltabrechnung"),
              std::string("Gedruckt am "), std::string("Ort, Datum / Unterschrift"),
              "Seite " + std::to_string(seiten) + " von " + std::to_string(seiten)})
            EXPECT_NE(text.find(zeile), std::string::npos) << zeile << "\n" << text;
    }
}

TEST_F(PdfExportTest, Exitstatus) {
    struct Fall {
        std::vector<std::string> argumente;
        int status;
        const char* meldung;
    };
    const std::string fehlt = datei("fehlt");
    const Fall faelle[] = {
        {{"--monatsliste", fehlt + "/Monatsliste.pdf"},
         exitSchreibfehler,
         "kann nicht geschrieben werden"},
        {{"--ergebnis", fehlt + "/Ergebnis.pdf"},
         exitSchreibfehler,
         "kann nicht geschrieben werden"},
        {{"--monatsliste", datei("a.pdf"), "--einstellungen", fehlt + ".dat"},
         exitEingabefehler,
         "Die Einstellungsdatei"},
        {{"--ergebnis", datei("b.pdf"), "--einstellungen", fehlt + ".dat"},
         exitEingabefehler,
         "Die Einstellungsdatei"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.argumente[0]);
        EXPECT_EQ(aufrufen(f.argumente), f.status);
        EXPECT_EQ(fehler.str().rfind("korvalt: ", 0), 0u) << fehler.str();
        EXPECT_NE(fehler.str().find(f.meldung), std::string::npos) << fehler.str();
    }
    EXPECT_FALSE(std::filesystem::exists(datei("a.pdf")));
    EXPECT_FALSE(std::filesystem::exists(datei("b.pdf")));

    std::string grund;
    EXPECT_FALSE(aufrufLesen({"--ergebnis", datei("Ergebnis.png")}, grund));
    EXPECT_NE(grund.find(".pdf"), std::string::npos) << grund;
    EXPECT_TRUE(aufrufLesen({"--monatsliste", "x.PDF"}, grund)->brauchtQt());
    EXPECT_FALSE(aufrufLesen({"--monatsliste", "x.csv"}, grund)->brauchtQt());
}

}  // namespace
