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
    EXPECT_TRUE(std::regex_search(liste, std::regex(R"(1\.604\.172 €\s+1\.604\.172 €\s+0 ?€)")));
    EXPECT_TRUE(std::regex_search(
        liste, std::regex(R"(\n\s+1\s+\|\s+9\s+1\s+2\.061\s+\|\s+9\s+1\s+2\.061\s+\|\s+0\n)")));
    EXPECT_TRUE(std::regex_search(
        liste, std::regex(R"(\n480\s+\|\s+12\s+6\s+4\.200\s+\|\s+12\s+6\s+4\.200\s+\|\s+0\n)")));

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
    EXPECT_TRUE(std::regex_search(liste, std::regex(R"(\n\s+1\s+\|\s+5\s+1\s)"))) << liste;
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
