// Sending a printout to the default printer, and the way out to a PDF file when there is no printer
// or it refuses the job.
#include <gtest/gtest.h>

#include <QPrinter>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "druckauftrag.h"
#include "meldungsprotokoll.h"
#include "pdftext.h"
#include "qt_anwendung.h"
#include "qtdrucker.h"
#include "tariftabelle.h"
#include "testdesktop.h"

using namespace korvalt;

namespace {

using test::Standarddrucker;

bool zweiZeilenDrucken(QPrinter& printer, std::string& fehler) {
    QtDrucker drucker(printer);
    drucker.position(1000);
    drucker.text("Monatsliste", Zeile::endet);
    drucker.position(1800);
    drucker.zahl(-42, Zeile::endet);
    return drucker.dokumentBeenden(fehler);
}

TEST(Druckauftrag, OhneDruckerOderBeiAblehnungWirdPdfAngeboten) {
    const std::string frage =
        "\n\nSoll die Monatsliste stattdessen als PDF-Datei gespeichert werden?";
    struct Fall {
        const char* name;
        Standarddrucker drucker;
        std::int16_t antwort;
        std::optional<std::string> wahl;
        bool erfolg;
        std::string gefragt;  // the question's text, "" when nothing was asked
        bool dialog;
        const char* geschrieben;  // the file that holds the printout afterwards
        std::string warnung;
    };
    const std::string keiner = "Es ist kein Standarddrucker eingerichtet.";
    const Fall faelle[] = {
        {"Drucker druckt", Standarddrucker::druckt, 2, std::nullopt, true, "", false, "papier.pdf",
         ""},
        {"kein Drucker, Abbrechen", Standarddrucker::keiner, 2, "liste.pdf", false, keiner, false,
         nullptr, ""},
        {"kein Drucker, Dialog abgebrochen", Standarddrucker::keiner, 1, std::nullopt, false,
         keiner, true, nullptr, ""},
        {"kein Drucker, PDF", Standarddrucker::keiner, 1, "liste.pdf", true, keiner, true,
         "liste.pdf", ""},
        {"Drucker lehnt ab, PDF", Standarddrucker::lehntAb, 1, "liste.pdf", true,
         "kann nicht geschrieben werden.", true, "liste.pdf", ""},
        {"PDF nicht schreibbar", Standarddrucker::keiner, 1, "fehlt/liste.pdf", false, keiner, true,
         nullptr, "Speichern nicht möglich: Die Datei"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        test::TemporaeresVerzeichnis verzeichnis;
        test::Testdesktop desktop(verzeichnis.pfad(), f.drucker, f.wahl);
        test::Meldungsprotokoll meldungen;
        meldungen.antwort = f.antwort;

        EXPECT_EQ(druckenOderPdf(zweiZeilenDrucken, "die Monatsliste", "Monatsliste.pdf", desktop,
                                 meldungen),
                  f.erfolg);

        if (f.gefragt.empty()) {
            EXPECT_TRUE(meldungen.fragen.empty());
        } else {
            ASSERT_EQ(meldungen.fragen.size(), 1u);
            const std::string& gestellt = meldungen.fragen[0];
            EXPECT_EQ(gestellt.rfind("Drucken nicht möglich: ", 0), 0u) << gestellt;
            EXPECT_NE(gestellt.find(f.gefragt + frage), std::string::npos) << gestellt;
        }
        EXPECT_EQ(desktop.vorschlaege, f.dialog ? std::vector<std::string>{"Monatsliste.pdf"}
                                                : std::vector<std::string>{});
        if (f.warnung.empty()) {
            EXPECT_TRUE(meldungen.warnungen.empty());
        } else {
            ASSERT_EQ(meldungen.warnungen.size(), 1u);
            EXPECT_EQ(meldungen.warnungen[0].rfind(f.warnung, 0), 0u) << meldungen.warnungen[0];
        }
        std::vector<std::string> pdfs;
        for (const auto& eintrag :
             std::filesystem::recursive_directory_iterator(verzeichnis.pfad()))
            if (eintrag.is_regular_file()) pdfs.push_back(eintrag.path().filename().string());
        if (f.geschrieben) {
            EXPECT_EQ(pdfs, std::vector<std::string>{f.geschrieben});
            const std::string text = test::pdfText(verzeichnis.pfad() / f.geschrieben);
            EXPECT_NE(text.find("Monatsliste"), std::string::npos) << text;
            EXPECT_NE(text.find("-42"), std::string::npos) << text;
        } else {
            EXPECT_TRUE(pdfs.empty()) << pdfs.front();
        }
    }
}

// Qt's painter and printer report success even when the disk filled up under them: only a complete
// PDF file replaces the old one.
TEST(Druckauftrag, PdfErsetztEineAlteDateiNurDurchEineVollstaendige) {
    const auto schreibt = [](std::string inhalt) {
        return [inhalt](QPrinter& printer, std::string&) {
            std::ofstream(printer.outputFileName().toStdString(), std::ios::binary) << inhalt;
            return true;
        };
    };
    struct Fall {
        const char* name;
        Druckvorgang drucken;
    };
    const Fall faelle[] = {
        {"misslingt",
         [](QPrinter&, std::string& grund) {
             grund = "Testfehler";
             return false;
         }},
        {"meldet Erfolg, schreibt nichts", schreibt("")},
        {"abgeschnitten", schreibt("%PDF-1.4\n1 0 obj\n<<\n/Type /Catalog")},
    };
    test::TemporaeresVerzeichnis verzeichnis;
    const auto ziel = verzeichnis.pfad() / "Ergebnis.pdf";
    { std::ofstream(ziel) << "alt"; }
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string fehler;
        EXPECT_FALSE(pdfSchreiben(ziel.string(), f.drucken, fehler));
        EXPECT_EQ(fehler.rfind("Die Datei \u201E" + ziel.string() +
                                   "\u201C kann nicht geschrieben werden: Die PDF-Datei wurde "
                                   "nicht vollständig geschrieben.",
                               0),
                  0u)
            << fehler;
        EXPECT_EQ(test::ausgabeVon("cat '" + ziel.string() + "'"), "alt");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(verzeichnis.pfad()), {}), 1);
    }
    std::string fehler;
    EXPECT_TRUE(pdfSchreiben(ziel.string(), zweiZeilenDrucken, fehler)) << fehler;
    EXPECT_EQ(test::pdfSeiten(ziel), 1);
}

// Qt knows file names only as UTF-8; a name in Latin-1 is still the file written, and nothing else
// is left in its folder.
TEST(Druckauftrag, PdfUnterEinemNamenDerKeinUtf8Ist) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto ziel = verzeichnis.pfad() / "M\xfcller.pdf";
    std::string fehler;
    EXPECT_TRUE(pdfSchreiben(ziel.string(), zweiZeilenDrucken, fehler)) << fehler;
    EXPECT_EQ(test::pdfSeiten(ziel), 1);
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(verzeichnis.pfad()))
        namen.push_back(eintrag.path().filename().string());
    EXPECT_EQ(namen, std::vector<std::string>{"M\xfcller.pdf"});
}

}  // namespace
