// The menu items at work in the real window: cases opened from and saved to files of their own,
// the exports, printing through the printer dialog, the preview, the month table on the clipboard
// and the About box.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <fstream>
#include <memory>
#include <sstream>

#include "dateien.h"
#include "einstellungssatz.h"
#include "ergebnisseite.h"
#include "feldtabelle.h"
#include "hauptfensterpruefung.h"
#include "hoehergruppierungsbeispiel.h"
#include "jahresansicht.h"
#include "jahresdiagramm.h"
#include "jahresliste_csv.h"
#include "kalendersatz.h"
#include "kommandozeile.h"
#include "menuebefehle.h"
#include "monatsliste_csv.h"
#include "pdftext.h"
#include "speicherfall.h"
#include "testdialoge.h"

using namespace korvalt;
using test::dateiinhalt;

namespace {

// The field of the table with that name.
Feldname beschreibungNach(std::string_view name) {
    for (const auto& b : feldtabelle())
        if (b.text == name) return b.name;
    ADD_FAILURE() << name;
    return Feldname::Korvaltei;
}

std::string bytes(const Einstellungssatz& satz) {
    return std::string(satz.begin(), satz.end());
}

Kalenderangaben ab(KalenderMonat beginn) {
    Kalenderangaben k;
    k.beginn = beginn;
    return k;
}

const std::string caption =
    "Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST";
const std::string fallFilter = "Korvalt-Fälle (*.korvalt);;Alle Dateien (*)";

class MenuebefehleTest : public test::HauptfensterTest {
  protected:
    void starten(std::optional<std::string> einstellungen = {}) {
        dialoge = std::make_shared<test::Testdialoge>(verzeichnis.pfad());
        HauptfensterTest::starten(std::move(einstellungen),
                                  [this](Hauptfenster& f) { menueAnschliessen(f, dialoge); });
    }
    void waehlen(QAction* Menueaktionen::*punkt) { (fenster->aktionen().*punkt)->trigger(); }
    std::filesystem::path pfad(const std::string& name) const { return verzeichnis.pfad() / name; }
    std::string csv() const { return monatslisteCsv(sitzung->daten(), sitzung->tabellen()); }
    void anlegen(const std::string& name, const std::string& inhalt) const {
        std::ofstream(pfad(name), std::ios::binary) << inhalt;
    }
    void oeffnen(const char* name) {
        dialoge->datei = name;
        waehlen(&Menueaktionen::fallOeffnen);
    }
    // Presses the year view's button with that text.
    void jahresansichtKnopf(const char* text) {
        auto* ansicht = fenster->findChild<QDialog*>();
        ASSERT_NE(ansicht, nullptr);
        for (auto* knopf : ansicht->findChildren<QPushButton*>())
            if (knopf->text() == QString::fromUtf8(text)) knopf->click();
    }

    // What the window shows of a case: the start group, some durations, the totals.
    std::vector<std::string> fallbild() const {
        return {text("Startgruppe"), text("GrDauer1", 2), text("normal1", 1),
                text("indi1", 3),    text("Ergebnis1"),   text("Ergebnis2")};
    }

    std::shared_ptr<test::Testdialoge> dialoge;
};

// Every case file shows its case as a start from that file as settings file would: a case of 2006,
// and one with a second record that names a current table.
TEST_F(MenuebefehleTest, FallOeffnenZeigtDenFallWieEinStartAusDerDatei) {
    starten();
    const std::string satz = test::einstellungssatzText(11, 60, {6, 12, 24, 36, 48, 60});
    anlegen("Muster.korvalt", satz);
    anlegen("Neu 2026.dat", test::einstellungssatzText(3, 24, {6, 12, 24, 36, 48, 60}) +
                                bytes(tabellensatzBilden("2026-05")));

    // Back and forth between the tables: a file without a table record is a case of 2006.
    for (const char* name : {"Neu 2026.dat", "Muster.korvalt", "Neu 2026.dat"}) {
        dialoge->datei = name;
        taste(Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(dialoge->gefragt.back(), "Fall öffnen | " + fallFilter);
        EXPECT_TRUE(meldungen.warnungen.empty()) << meldungen.warnungen[0];
        EXPECT_EQ(fenster->falldatei(), pfad(name));

        const auto start = std::make_unique<Speicherfall>();
        test::Meldungsprotokoll keine;
        start->anzeige.laden({{"."}, pfad(name)}, keine);
        EXPECT_EQ(titel(), start->sitzung.titel() + " \u2013 " + name);
        EXPECT_EQ(csv(), monatslisteCsv(start->sitzung.daten(), start->sitzung.tabellen())) << name;
        for (const auto& [feld, index] : {std::pair{"Startgruppe", 0},
                                          {"GrDauer1", 4},
                                          {"normal1", 1},
                                          {"indi4", 6},
                                          {"Gruppetit", 2},
                                          {"Ergebnis2", 0},
                                          {"iende1", 1}})
            EXPECT_EQ(text(feld, index),
                      start->felder.text({beschreibungNach(feld), std::int8_t(index)}))
                << name << " " << feld;
    }
    EXPECT_NE(titel().find("2026"), std::string::npos) << titel();

    // The button Speichern writes the open case file, not the settings file.
    ersetzen("GrDauer1", 4, "77");
    QTest::mouseClick(widget<QPushButton>("Speichern"), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(einstellungsdatei()));
    EXPECT_EQ(dateiinhalt(pfad("Neu 2026.dat")).substr(24, 3), "077");
    EXPECT_EQ(dateiinhalt(pfad("Muster.korvalt")), satz);
}

TEST_F(MenuebefehleTest, SchlechteFalldateiWirdGemeldetUndAendertNichts) {
    starten(test::einstellungssatzText(7));
    ersetzen("indi1", 3, "7");
    const auto vorher = fallbild();
    const std::string titelVorher = titel();
    anlegen("kurz.korvalt", test::einstellungssatzText(11).substr(0, 74));
    anlegen("fremd.korvalt", test::einstellungssatzText(11, 120, {12, 24, 36, 48, 60, 120}, "St"));
    std::filesystem::create_directory(pfad("Ordner.korvalt"));
    for (const char* name : {"fehlt.korvalt", "kurz.korvalt", "fremd.korvalt", "Ordner.korvalt"}) {
        meldungen.warnungen.clear();
        oeffnen(name);
        ASSERT_EQ(meldungen.warnungen.size(), 1u) << name;
        const std::string& w = meldungen.warnungen[0];
        EXPECT_EQ(w.rfind("Fall öffnen nicht möglich: ", 0), 0u) << w;
        EXPECT_NE(w.find(pfad(name).string()), std::string::npos) << w;
        EXPECT_NE(w.find("Der angezeigte Fall bleibt, wie er ist."), std::string::npos) << w;
        EXPECT_EQ(fallbild(), vorher) << name;
        EXPECT_EQ(titel(), titelVorher) << name;
        EXPECT_FALSE(fenster->falldatei()) << name;
    }
    // Cancelled: no message, nothing changes.
    meldungen.warnungen.clear();
    dialoge->datei.reset();
    waehlen(&Menueaktionen::fallOeffnen);
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_EQ(fallbild(), vorher);
}

TEST_F(MenuebefehleTest, SpeichernUnterUndWiederOeffnen) {
    starten();
    ersetzen("Startgruppe", 0, "11");
    ersetzen("GrDauer1", 2, "60");
    ersetzen("indi1", 3, "7");
    const auto gespeichert = fallbild();

    dialoge->datei = "Neu.korvalt";
    taste(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialoge->gefragt.back(),
              "Fall speichern unter | Fall.korvalt | " + fallFilter + " | korvalt");
    EXPECT_TRUE(meldungen.fragen.empty());
    EXPECT_EQ(titel(), caption + " \u2013 Neu.korvalt");
    EXPECT_NE(fenster->statusBar()->currentMessage().indexOf("Neu.korvalt"), -1);
    EXPECT_FALSE(std::filesystem::exists(einstellungsdatei()));
    EXPECT_EQ(dateiinhalt(pfad("Neu.korvalt")).size(), 75u);

    // The button Speichern is Fall speichern: it writes the open case file, without a question,
    // names it in full and clears the change mark; the settings file is not touched.
    ersetzen("Startgruppe", 0, "5");
    EXPECT_EQ(titel(), caption + " \u2013 Neu.korvalt*");
    QTest::mouseClick(widget<QPushButton>("Speichern"), Qt::LeftButton);
    EXPECT_TRUE(meldungen.fragen.empty());
    EXPECT_FALSE(std::filesystem::exists(einstellungsdatei()));
    EXPECT_EQ(static_cast<unsigned char>(dateiinhalt(pfad("Neu.korvalt"))[2]), 5);
    EXPECT_EQ(fenster->statusBar()->currentMessage().toStdString(),
              "Fall gespeichert: " + pfad("Neu.korvalt").string());
    EXPECT_EQ(titel(), caption + " \u2013 Neu.korvalt");
    ersetzen("Startgruppe", 0, "11");
    taste(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(static_cast<unsigned char>(dateiinhalt(pfad("Neu.korvalt"))[2]), 11);

    // Opened again, the saved case is back.
    ersetzen("indi1", 3, "30");
    oeffnen("Neu.korvalt");
    EXPECT_EQ(fallbild(), gespeichert);

    // The next Speichern unter proposes the open file; a failed one says so and keeps the name.
    dialoge->datei = "fehlt/Anders.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    EXPECT_EQ(dialoge->gefragt.back(), "Fall speichern unter | " + pfad("Neu.korvalt").string() +
                                           " | " + fallFilter + " | korvalt");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0].rfind(
                  "Speichern nicht möglich: Der Fall wurde nicht gespeichert.\n", 0),
              0u)
        << meldungen.warnungen[0];
    EXPECT_EQ(titel(), caption + " \u2013 Neu.korvalt");
}

// A case file with calendar settings opens with them, says which record of a later version it
// passed over, stays as it is, and saved anew opens again with the same settings.
TEST_F(MenuebefehleTest, FalldateiMitKalendersatz) {
    starten();
    Kalenderangaben angaben = ab({2026, 7});
    angaben.anteilI = 7500;
    const std::string inhalt = test::einstellungssatzText(11) + bytes(tabellensatzBilden("vka")) +
                               bytes(kalendersatzBilden(angaben)) + "zz" + std::string(73, ' ');
    anlegen("Datum.korvalt", inhalt);
    oeffnen("Datum.korvalt");
    EXPECT_EQ(sitzung->tabellen().kalender, angaben);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0].rfind("Fall öffnen: ", 0), 0u) << meldungen.warnungen[0];
    EXPECT_NE(meldungen.warnungen[0].find("\u201Ezz\u201C, den diese Version von Korvalt nicht"),
              std::string::npos);
    EXPECT_EQ(dateiinhalt(pfad("Datum.korvalt")), inhalt);

    dialoge->datei = "Wieder.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    waehlen(&Menueaktionen::neu);
    EXPECT_TRUE(sitzung->tabellen().kalender.leer());
    oeffnen("Wieder.korvalt");
    EXPECT_EQ(sitzung->tabellen().kalender, angaben);
}

// A case file of the table of 2006 with calendar settings opens without them and says so once; the
// case is unchanged as opened, and saved again its calendar record stays as it was.
TEST_F(MenuebefehleTest, Falldatei2006MitKalendersatz) {
    starten();
    Kalenderangaben angaben = ab({2026, 7});
    angaben.anteilI = 5000;
    const std::string inhalt = test::einstellungssatzText(11) + bytes(kalendersatzBilden(angaben));
    anlegen("Alt.korvalt", inhalt);
    oeffnen("Alt.korvalt");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0].rfind("Fall öffnen: Die Kalenderangaben des Falls (Beginn "
                                           "07/2026 \u00B7 Teilzeit 100 % / 50 %) bleiben "
                                           "unbeachtet: Die Tariftabelle 2006 rechnet ohne",
                                           0),
              0u)
        << meldungen.warnungen[0];
    EXPECT_TRUE(sitzung->tabellen().kalender.leer());
    EXPECT_EQ(text("Ergebnis1"), text("Ergebnis2"));
    EXPECT_EQ(fenster->findChild<QLabel*>("Kalenderangaben")->text().toStdString(), "");
    EXPECT_NE(titel().back(), '*');
    waehlen(&Menueaktionen::fallSpeichern);
    EXPECT_EQ(dateiinhalt(pfad("Alt.korvalt")), inhalt);
    EXPECT_EQ(meldungen.warnungen.size(), 1u);
    // The dialog shows the settings disabled and says why.
    waehlen(&Menueaktionen::kalender);
    EXPECT_EQ(dialoge->kalenderOhne.rfind("Die Tariftabelle 2006 rechnet ohne Kalender", 0), 0u);
}

// A case file opened again moves to the top of Datei › Zuletzt geöffnet instead of standing there
// twice.
TEST_F(MenuebefehleTest, ZuletztGeoeffnetOhneDoppelte) {
    QSettings().clear();
    starten();
    for (const char* name : {"A.korvalt", "B.korvalt"})
        anlegen(name, test::einstellungssatzText(9));
    for (const char* name : {"A.korvalt", "B.korvalt", "A.korvalt"}) oeffnen(name);
    EXPECT_EQ(fenster->zuletztGeoeffnet(),
              (std::vector<std::filesystem::path>{pfad("A.korvalt"), pfad("B.korvalt")}));
}

// With a case file open, every file dialog starts beside it: opening, the CSV and the PDFs, which
// are named after it.
TEST_F(MenuebefehleTest, DateidialogeBeginnenBeiDerFalldatei) {
    starten();
    const auto akten = pfad("Akten");
    fenster->setzeFalldatei(akten / "Müller 2026.korvalt");
    dialoge->datei.reset();
    waehlen(&Menueaktionen::fallOeffnen);
    EXPECT_EQ(dialoge->oeffnenIn, akten.string());
    dialoge->datei = "Liste.pdf";
    waehlen(&Menueaktionen::monatslistePdf);
    EXPECT_EQ(dialoge->gefragt.back(),
              "PDF " + (akten / "Müller 2026 \u2013 Monatsliste.pdf").string());
    EXPECT_NE(test::pdfText(pfad("Liste.pdf")).find("Müller 2026 \u2013 Monatsliste"),
              std::string::npos);
    dialoge->datei = "Akten/Jahr.pdf";
    waehlen(&Menueaktionen::monatslisteCsv);
    EXPECT_NE(dialoge->gefragt.back().find(" | " + (akten / "Monatsliste.csv").string() + " | "),
              std::string::npos)
        << dialoge->gefragt.back();
    waehlen(&Menueaktionen::jahresuebersicht);
    jahresansichtKnopf("Als &PDF…");
    EXPECT_EQ(dialoge->gefragt.back(),
              "PDF " + (akten / "Müller 2026 \u2013 Jahresübersicht.pdf").string());
    // The folder is not there: the PDF could not be saved, and the message says so.
    ASSERT_EQ(meldungen.warnungen.size(), 2u);
    EXPECT_EQ(meldungen.warnungen[1].rfind("Speichern nicht möglich: ", 0), 0u)
        << meldungen.warnungen[1];
}

// A changed case carries "*" in the title; before it goes the user saves it, lets it go, or keeps
// it.
TEST_F(MenuebefehleTest, GeaenderterFallWirdVorDemSchliessenUndOeffnenGefragt) {
    starten();
    dialoge->datei = "Fall.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    ersetzen("Startgruppe", 0, "5");
    EXPECT_EQ(titel(), caption + " \u2013 Fall.korvalt*");

    dialoge->aenderungsantwort = Aenderungsantwort::abbrechen;
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(dialoge->gefragt.back(), "Änderungen an Fall.korvalt?");

    dialoge->aenderungsantwort = Aenderungsantwort::speichern;
    oeffnen("Fall.korvalt");
    EXPECT_EQ(static_cast<unsigned char>(dateiinhalt(pfad("Fall.korvalt"))[2]), 5);
    EXPECT_EQ(titel(), caption + " \u2013 Fall.korvalt");
    EXPECT_EQ(text("Startgruppe"), "5");
}

// A number typed and not confirmed counts before the question, whichever way the window is closed:
// the close box and Alt+F4 (a close event from the window system) as Datei › Beenden.
TEST_F(MenuebefehleTest, SchliessenUebernimmtDieOffeneEingabeVorDerFrage) {
    const std::vector<std::pair<const char*, std::function<void()>>> wege = {
        {"Schließfeld",
         [this] {
             QCloseEvent schliessen;
             QApplication::sendEvent(fenster->windowHandle(), &schliessen);
         }},
        {"Beenden", [this] { waehlen(&Menueaktionen::beenden); }}};
    for (const auto& [weg, schliessen] : wege) {
        starten();
        dialoge->aenderungsantwort = Aenderungsantwort::abbrechen;
        auto* feld = widget<QLineEdit>("indi1", 2);
        QTest::mouseClick(feld, Qt::LeftButton);
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, "7");
        schliessen();
        EXPECT_EQ(sitzung->tabellen().stufendauer(2, 1, 2), 7) << weg;
        ASSERT_FALSE(dialoge->gefragt.empty()) << weg;
        EXPECT_EQ(dialoge->gefragt.back(), "Änderungen an korvalt-einstellungen.dat?") << weg;
        EXPECT_TRUE(fenster->isVisible()) << weg;
    }
}

// A save of the case file killed before its rename left the newer case beside it: opening the
// file offers it in the status line; opened, it is the case shown, changed against the file, and
// the next save puts it in the file and ends the offer.
TEST_F(MenuebefehleTest, UnfertigesSpeichernWirdAngebotenUndGeoeffnet) {
    starten();
    anlegen("Fall.korvalt", test::einstellungssatzText(9));
    const auto jetzt = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(pfad("Fall.korvalt"), jetzt - std::chrono::minutes(5));
    const auto rest = pfad(".Fall.korvalt.korvalt-tmp-Ab12Cd");
    std::ofstream(rest, std::ios::binary) << test::einstellungssatzText(11, 60);
    oeffnen("Fall.korvalt");
    ASSERT_NE(fenster->findChild<QWidget*>("Angebot"), nullptr);
    // Another case shown ends the offer.
    waehlen(&Menueaktionen::neu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fenster->findChild<QWidget*>("Angebot"), nullptr);

    waehlen(&Menueaktionen::fallOeffnen);
    EXPECT_EQ(text("Startgruppe"), "9");
    auto* angebot = fenster->findChild<QWidget*>("Angebot");
    ASSERT_NE(angebot, nullptr);
    EXPECT_NE(angebot->findChild<QLabel*>()->text().indexOf("nicht beendetes Speichern"), -1);

    angebot->findChild<QPushButton*>()->click();
    EXPECT_EQ(text("Startgruppe"), "11");
    EXPECT_EQ(text("GrDauer1", 2), "60");
    EXPECT_EQ(fenster->falldatei(), pfad("Fall.korvalt"));
    EXPECT_EQ(titel(), caption + " \u2013 Fall.korvalt*");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fenster->findChild<QWidget*>("Angebot"), nullptr);

    taste(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dateiinhalt(pfad("Fall.korvalt")), test::einstellungssatzText(11, 60));
    oeffnen("Fall.korvalt");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fenster->findChild<QWidget*>("Angebot"), nullptr);
}

// Neu brings the example case in the table chosen last; a table by date, which needs the start
// month the example lacks, gives way to its side's latest table.
TEST_F(MenuebefehleTest, NeuBehaeltDieZuletztGewaehlteTabelle) {
    starten();
    Fallanzeige& anzeige = fenster->korvaltei().anzeige();
    const Tabellenkatalog& katalog = sitzung->daten().tabellenkatalog;
    std::string fehler;
    ASSERT_TRUE(anzeige.tabelleWechseln(*katalog.finden("2024-03"), fehler)) << fehler;
    ersetzen("indi1", 3, "7");
    waehlen(&Menueaktionen::neu);
    EXPECT_EQ(sitzung->fall().tabelle, "2024-03");
    EXPECT_EQ(text("indi1", 3), "36");
    EXPECT_EQ(text("Startgruppe"), "9a");

    ASSERT_TRUE(sitzung->kalenderSetzen(ab({2025, 1}), fehler)) << fehler;
    ASSERT_TRUE(anzeige.tabelleWechseln(*katalog.finden("vka"), fehler)) << fehler;
    waehlen(&Menueaktionen::neu);
    EXPECT_EQ(sitzung->fall().tabelle,
              katalog.datierteTabellen(Arbeitgeberseite::vka).back()->schluessel);
    EXPECT_TRUE(sitzung->tabellen().kalender.leer());
}

// The printer dialog's "print to file" replaces no file the user made read-only.
TEST_F(MenuebefehleTest, DruckenInEineDateiSchuetztSchreibgeschuetzte) {
    starten();
    std::ofstream(dialoge->papier()) << "alt";
    std::filesystem::permissions(dialoge->papier(), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::group_read |
                                                        std::filesystem::perms::others_read);
    dialoge->ausdruck = Ausdruck::monatsliste;
    waehlen(&Menueaktionen::drucken);
    EXPECT_EQ(dateiinhalt(dialoge->papier()), "alt");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("schreibgeschützt"), std::string::npos)
        << meldungen.warnungen[0];

    // The year view's printer dialog as well.
    waehlen(&Menueaktionen::jahresuebersicht);
    jahresansichtKnopf("&Drucken…");
    EXPECT_EQ(dateiinhalt(dialoge->papier()), "alt");
    ASSERT_EQ(meldungen.warnungen.size(), 2u);
    EXPECT_NE(meldungen.warnungen[1].find("schreibgeschützt"), std::string::npos)
        << meldungen.warnungen[1];
}

TEST_F(MenuebefehleTest, CsvUndPdfAusDemMenue) {
    starten();
    ersetzen("indi1", 1, "6");
    dialoge->datei = "Liste.csv";
    waehlen(&Menueaktionen::monatslisteCsv);
    EXPECT_EQ(dialoge->gefragt.back(),
              "Monatsliste als CSV speichern | Monatsliste.csv | CSV-Dateien (*.csv);;Alle Dateien "
              "(*) | csv");
    EXPECT_EQ(dateiinhalt(pfad("Liste.csv")), csv());

    dialoge->datei = "Liste.pdf";
    waehlen(&Menueaktionen::monatslistePdf);
    EXPECT_EQ(dialoge->gefragt.back(), "PDF Beispielfall \u2013 Monatsliste.pdf");
    const std::string liste = test::pdfText(pfad("Liste.pdf"));
    EXPECT_NE(liste.find(caption), std::string::npos);
    EXPECT_NE(liste.find("Im Einzelnen:"), std::string::npos);

    dialoge->datei = "Ergebnis.pdf";
    waehlen(&Menueaktionen::ergebnisPdf);
    EXPECT_EQ(dialoge->gefragt.back(), "PDF Beispielfall \u2013 Ergebnis.pdf");
    EXPECT_NE(test::pdfText(pfad("Ergebnis.pdf")).find("Berechnung für Beispielfall"),
              std::string::npos);
    EXPECT_NE(fenster->statusBar()->currentMessage().indexOf("Ergebnis.pdf"), -1);
    EXPECT_TRUE(meldungen.warnungen.empty());

    dialoge->datei = "fehlt/Liste.csv";
    waehlen(&Menueaktionen::monatslisteCsv);
    dialoge->datei = "fehlt/Liste.pdf";
    waehlen(&Menueaktionen::monatslistePdf);
    ASSERT_EQ(meldungen.warnungen.size(), 2u);
    for (const auto& w : meldungen.warnungen)
        EXPECT_EQ(w.rfind("Speichern nicht möglich: ", 0), 0u) << w;
}

// The window inside the main window prints as the bare client area does: the same page, pixel
// for pixel, with the caption line below it and nothing of the menu or the status line.
TEST_F(MenuebefehleTest, ErgebnisseiteImHauptfensterIstDieSeiteDesClientbereichs) {
    starten();
    // The field with the focus shows a text cursor, which the page leaves out.
    QWidget* fokus = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(fokus), nullptr);
    dialoge->datei = "Hauptfenster.pdf";
    waehlen(&Menueaktionen::ergebnisPdf);
    EXPECT_EQ(QApplication::focusWidget(), fokus);
    const QSize groesse = fenster->korvaltei().size();

    const auto allein = std::make_unique<Sitzung>();
    test::Meldungsprotokoll keine;
    Korvaltei clientbereich(*allein, keine);
    clientbereich.laden({{"."}, einstellungsdatei()});
    clientbereich.setAttribute(Qt::WA_DontShowOnScreen);
    clientbereich.show();
    ASSERT_EQ(clientbereich.size(), groesse);
    std::string fehler;
    ASSERT_TRUE(pdfSchreiben(
        pfad("Clientbereich.pdf").string(),
        [&](QPrinter& p, std::string& f) { return ergebnisseiteDrucken(clientbereich, p, f); },
        fehler))
        << fehler;

    auto bild = [this](const std::string& pdf) {
        const auto ziel = pfad(pdf + "-bild");
        test::ausgabeVon("pdftoppm -r 60 -gray -singlefile '" + pfad(pdf).string() + "' '" +
                         ziel.string() + "'");
        return dateiinhalt(ziel.string() + ".pgm");
    };
    const std::string seite = bild("Hauptfenster.pdf");
    ASSERT_GT(seite.size(), 1000u);
    EXPECT_TRUE(seite == bild("Clientbereich.pdf"));
    EXPECT_EQ(fenster->korvaltei().size(), groesse);
}

TEST_F(MenuebefehleTest, DruckenUndSeitenansichtNachWahlDesAusdrucks) {
    starten();
    dialoge->ausdruck = Ausdruck::monatsliste;
    taste(Qt::Key_P, Qt::ControlModifier);
    // The job's name is the printout's, and the file name a dialog proposes for printing to a file.
    EXPECT_EQ(dialoge->gefragt,
              (std::vector<std::string>{"Ausdruck? Drucken", "Drucker? Monatsliste"}));
    EXPECT_NE(test::pdfText(dialoge->papier()).find("Im Einzelnen:"), std::string::npos);

    dialoge->ausdruck = Ausdruck::ergebnis;
    waehlen(&Menueaktionen::drucken);
    EXPECT_NE(test::pdfText(dialoge->papier()).find("Berechnung für Beispielfall"),
              std::string::npos);

    // Cancelled at either dialog: nothing is printed.
    std::filesystem::remove(dialoge->papier());
    dialoge->gefragt.clear();
    dialoge->ausdruck.reset();
    waehlen(&Menueaktionen::drucken);
    dialoge->ausdruck = Ausdruck::monatsliste;
    dialoge->druckerGewaehlt = false;
    waehlen(&Menueaktionen::drucken);
    EXPECT_EQ(dialoge->gefragt, (std::vector<std::string>{"Ausdruck? Drucken", "Ausdruck? Drucken",
                                                          "Drucker? Monatsliste"}));
    EXPECT_FALSE(std::filesystem::exists(dialoge->papier()));

    dialoge->gefragt.clear();
    dialoge->ausdruck = Ausdruck::ergebnis;
    waehlen(&Menueaktionen::seitenansicht);
    EXPECT_EQ(dialoge->gefragt,
              (std::vector<std::string>{"Ausdruck? Seitenansicht",
                                        "Vorschau Seitenansicht \u2013 Ergebnis"}));
    EXPECT_EQ(test::pdfSeiten(dialoge->vorschau()), 1);
    EXPECT_NE(test::pdfText(dialoge->vorschau()).find("Berechnung für Beispielfall"),
              std::string::npos);
    EXPECT_TRUE(widget<QPushButton>("Speichern")->isVisible());
    EXPECT_TRUE(meldungen.warnungen.empty());
}

TEST_F(MenuebefehleTest, MonatstabelleAufDerZwischenablage) {
    starten();
    ersetzen("indi1", 1, "6");
    QApplication::clipboard()->clear();
    auto* gitter = widget<QTableView>("Monatsgitter");
    QTest::mouseClick(gitter->viewport(), Qt::LeftButton, {}, QPoint(20, 60));
    taste(Qt::Key_C, Qt::ControlModifier);

    const std::string text = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text, monatstabelleText(sitzung->daten(), sitzung->tabellen()));
    // Month 7: the individual case is in step 2 already.
    EXPECT_NE(text.find("\n7\t9\t1\t2061,00\t9\t2\t2290,00\t229\n"), std::string::npos) << text;
    EXPECT_NE(fenster->statusBar()->currentMessage().indexOf("Monatstabelle kopiert"), -1);
}

TEST_F(MenuebefehleTest, UeberKorvaltNenntVersionTabelleLizenzUndDateien) {
    starten();
    waehlen(&Menueaktionen::ueber);
    ASSERT_EQ(dialoge->hinweise.size(), 1u);
    const std::string& text = dialoge->hinweise[0];
    EXPECT_EQ(text.rfind("Über Korvalt: Korvalt " KORVALT_VERSION "\n", 0), 0u) << text;
    for (const std::string& teil :
         {std::string("Tariftabelle: Tariftabellen Stand JANUAR 2006 WEST\n"),
          std::string("Lizenz: "),
          "Einstellungsdatei: " + einstellungsdatei().string() + " (noch nicht angelegt)",
          "Tarifdatei: " + (std::filesystem::current_path() / "zelbar06.1tr").string()})
        EXPECT_NE(text.find(teil), std::string::npos) << teil << "\n" << text;
}

}  // namespace

// Beginn, Stufe und Teilzeit with a current step: column 1 of both cases begins in that step with
// the months left of it, the typed durations stay, and the status line names the settings.
TEST_F(MenuebefehleTest, AktuelleStufeVerkuerztSpalteEins) {
    starten(test::einstellungssatzText(9) + bytes(tabellensatzBilden("2026-05")));
    Kalenderangaben angaben = ab({2026, 7});
    angaben.aktuelleStufe = AktuelleStufe{3, KalenderMonat(2024, 4)};
    angaben.anteilI = 7500;
    dialoge->kalender = angaben;
    waehlen(&Menueaktionen::kalender);
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_EQ(sitzung->tabellen().kalender, angaben);
    // 27 months of the 36 of step 3 are served by 07/2026: 9 are left, to 03/2027.
    EXPECT_EQ(text("normal1", 2), "24");
    EXPECT_EQ(text("indi1", 3), "36");
    EXPECT_EQ(text("nanfang1", 2), "0");
    EXPECT_EQ(text("ianfang1", 3), "07/26");
    EXPECT_EQ(text("iende1", 3), "03/27");
    EXPECT_EQ(fenster->findChild<QLabel*>("Kalenderangaben")->text().toStdString(),
              "Beginn 07/2026 \u00B7 Stufe 3 seit 04/2024 \u00B7 Teilzeit 100 % / 75 %");
    EXPECT_EQ(titel().back(), '*');
}

// More months served than the step lasts: the dialog shows the case's reason and keeps OK off, and
// neither the durations nor the settings change.
TEST_F(MenuebefehleTest, ZuLangeAktuelleStufeAendertNichts) {
    starten(test::einstellungssatzText(9) + bytes(tabellensatzBilden("2026-05")));
    const std::vector<std::string> vorher = fallbild();
    Kalenderangaben angaben = ab({2026, 7});
    angaben.aktuelleStufe = AktuelleStufe{3, KalenderMonat(2022, 4)};
    dialoge->kalender = angaben;
    waehlen(&Menueaktionen::kalender);
    EXPECT_EQ(dialoge->kalenderGrund,
              "Normalfall: 51 Monate in Stufe 3 seit 04/2022 überschreiten die Stufenlaufzeit von "
              "36 Monaten.");
    EXPECT_TRUE(sitzung->tabellen().kalender.leer());
    EXPECT_EQ(fallbild(), vorher);
    EXPECT_EQ(sitzung->tabellen().stufendauer(2, 1, 3), 36);
    EXPECT_NE(titel().back(), '*');
}

// "VKA nach Datum" without a start month says why and offers the dialog; with the start month
// entered there the case goes into the table by date.
TEST_F(MenuebefehleTest, NachDatumOhneBeginnBietetDenDialogAn) {
    starten();
    meldungen.antwort = 1;
    dialoge->kalender = ab({2026, 7});
    QMenu* menue = fenster->menuBar()->findChild<QMenu*>("Tabellenmenue");
    ASSERT_NE(menue, nullptr);
    emit menue->aboutToShow();
    for (QAction* a : menue->actions())
        if (QString(a->text()).remove('&') == "VKA nach Datum") a->trigger();
    ASSERT_EQ(meldungen.fragen.size(), 1u);
    EXPECT_EQ(meldungen.fragen[0].find("Beginn fehlt: \u201EVKA nach Datum\u201C braucht einen "
                                       "Beginn."),
              0u)
        << meldungen.fragen[0];
    EXPECT_EQ(dialoge->gefragt.back(), "Kalender?");
    EXPECT_EQ(sitzung->fall().tabelle, "vka");
    EXPECT_EQ(text("nanfang1", 1), "07/26");
}

// Angaben zur Person: the person heads the title, and a change of it is a change of the case like
// any other: the change mark, the question before closing, the records saved and read back.
TEST_F(MenuebefehleTest, AngabenZurPersonWieJedeAenderungDesFalls) {
    starten();
    dialoge->datei = "Fall.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    const Personenangaben person{"Anna Müller", "4711", "", ""};
    const std::string mitPerson = "Anna Müller (Personalnummer 4711) \u2013 " + caption;
    dialoge->person = person;
    waehlen(&Menueaktionen::person);
    EXPECT_EQ(titel(), mitPerson + " \u2013 Fall.korvalt*");
    dialoge->aenderungsantwort = Aenderungsantwort::abbrechen;
    EXPECT_FALSE(fenster->close());
    EXPECT_EQ(dialoge->gefragt.back(), "Änderungen an Fall.korvalt?");

    waehlen(&Menueaktionen::fallSpeichern);
    EXPECT_EQ(dateiinhalt(pfad("Fall.korvalt")).substr(einstellungssatzLaenge, 15),
              "peNAnna Müller");
    // The same person again is no change; a new case has none; the case file brings it back.
    waehlen(&Menueaktionen::person);
    EXPECT_EQ(titel(), mitPerson + " \u2013 Fall.korvalt");
    waehlen(&Menueaktionen::neu);
    EXPECT_EQ(titel(), caption);
    waehlen(&Menueaktionen::fallOeffnen);
    EXPECT_EQ(sitzung->tabellen().person, person);
    EXPECT_EQ(titel(), mitPerson + " \u2013 Fall.korvalt");
}

// A second promotion check may be for someone else: Ja keeps the person, Nein asks for the new one
// (the clerk's office and name stay), and the check and the person are one step back.
TEST_F(MenuebefehleTest, HoehergruppierungFragtNachDerPerson) {
    const Personenangaben anna{"Anna Müller", "4711", "Amt 3", "Frau Kern"};
    const struct {
        std::int16_t antwort;
        std::optional<Personenangaben> neu;
        Personenangaben gezeigt;  // what the person dialog is offered
        Personenangaben danach;
    } faelle[] = {
        {1, std::nullopt, {}, anna},
        {2,
         Personenangaben{"Berta Bold", "815", "Amt 3", "Frau Kern"},
         {"", "", "Amt 3", "Frau Kern"},
         {"Berta Bold", "815", "Amt 3", "Frau Kern"}},
        {2, std::nullopt, {"", "", "Amt 3", "Frau Kern"}, {"", "", "Amt 3", "Frau Kern"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.antwort);
        starten();
        dialoge->person = anna;
        waehlen(&Menueaktionen::person);
        meldungen.fragen.clear();
        meldungen.antwort = f.antwort;
        dialoge->person = f.neu;
        dialoge->personGezeigt = {};
        dialoge->hoehergruppierung = test::hoehergruppierungsbeispiel();
        waehlen(&Menueaktionen::hoehergruppierung);
        ASSERT_EQ(meldungen.fragen.size(), 1u);
        EXPECT_EQ(meldungen.fragen[0],
                  "Höhergruppierung prüfen: Gilt die Prüfung wieder für "
                  "Anna Müller (Personalnummer 4711)?");
        EXPECT_EQ(dialoge->personGezeigt, f.gezeigt);
        EXPECT_EQ(sitzung->fall().person, f.danach);
        waehlen(&Menueaktionen::rueckgaengig);
        EXPECT_EQ(sitzung->fall().person, anna);
    }
}

// A person's data is not written unasked into the settings file in the working folder: Ctrl+S on a
// case with a person and without a file asks for its name.
TEST_F(MenuebefehleTest, SpeichernMitPersonFragtNachDemNamen) {
    starten();
    dialoge->person = Personenangaben{"Anna Müller", "", "", ""};
    waehlen(&Menueaktionen::person);
    dialoge->datei = "Anna.korvalt";
    taste(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialoge->gefragt.back(),
              "Fall speichern unter | Fall.korvalt | " + fallFilter + " | korvalt");
    EXPECT_TRUE(meldungen.fragen.empty());
    EXPECT_FALSE(std::filesystem::exists(einstellungsdatei()));
    EXPECT_EQ(titel(), "Anna Müller – " + caption + " – Anna.korvalt");
}

// A field the settings file has no room for is refused with its reason; the case stays as it was.
TEST_F(MenuebefehleTest, ZuLangeAngabeZurPersonAendertNichts) {
    starten();
    dialoge->person = Personenangaben{std::string(73, 'x'), "", "", ""};
    waehlen(&Menueaktionen::person);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0].rfind("Angaben zur Person: Name: zu lang", 0), 0u);
    EXPECT_EQ(titel(), caption);
}

// Steuer und Sozialversicherung: the settings entered are the case's, a change of it like any
// other (change mark, saved), and the status line names the tax class; the dialog is told why a
// case without a start month has no net pay, and settings it refuses change nothing.
TEST_F(MenuebefehleTest, SteuerUndSozialversicherung) {
    starten();
    Steuerangaben angaben;
    angaben.steuerklasse = 3;
    dialoge->steuer = std::optional<Steuerangaben>(angaben);
    waehlen(&Menueaktionen::steuer);
    EXPECT_EQ(dialoge->steuerOhne,
              "Die Tariftabelle 2006 rechnet ohne Kalender; den Nettolohn gibt es nur in den "
              "Tabellen ab 2024 mit einem Beginn.");
    EXPECT_FALSE(sitzung->tabellen().steuer);
    EXPECT_EQ(titel(), caption);

    std::string fehler;
    ASSERT_TRUE(sitzung->tabelleWaehlen("vka", fehler, ab({2026, 7}))) << fehler;
    fenster->korvaltei().anzeige().starten();
    fenster->alsGespeichertMerken();
    waehlen(&Menueaktionen::steuer);
    EXPECT_EQ(dialoge->steuerOhne, "");
    EXPECT_EQ(sitzung->tabellen().steuer, angaben);
    EXPECT_TRUE(titel().ends_with('*'));
    auto* anzeige = fenster->findChild<QLabel*>("Steuerangaben");
    ASSERT_NE(anzeige, nullptr);
    EXPECT_EQ(anzeige->text().toStdString(), "Steuerklasse III");
    dialoge->datei = "Netto.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    EXPECT_EQ(einstellungsdateiLesen(pfad("Netto.korvalt")).steuer, angaben);

    dialoge->steuer.emplace(std::nullopt);
    waehlen(&Menueaktionen::steuer);
    EXPECT_EQ(dialoge->steuerGezeigt, angaben);
    EXPECT_FALSE(sitzung->tabellen().steuer);
    EXPECT_EQ(anzeige->text().toStdString(), "");
}

// Fall › Höhergruppierung prüfen (Strg+H, also from an input field) offers the tables by date,
// sets up the case, shows its durations in the left panel and opens the year view with the
// answers to both questions, cumulated and month by month, every case named by its name; the case
// is changed, saved with its names and read back with them.
TEST_F(MenuebefehleTest, HoehergruppierungPruefenZeigtDieAntwort) {
    starten();
    const std::string ohne = "ohne Höhergruppierung";
    const std::string mit = "mit Höhergruppierung nach 9b zum 07/2026";
    dialoge->hoehergruppierung = test::hoehergruppierungsbeispiel();
    widget<QLineEdit>("indi1", 3)->setFocus();
    taste(Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(dialoge->gefragt.back(), "Höhergruppierung?");
    EXPECT_EQ(dialoge->hoehergruppierungTabellen, (std::vector<std::string>{"vka", "bund"}));
    EXPECT_EQ(dialoge->hoehergruppierungGrund, "");
    EXPECT_FALSE(dialoge->hoehergruppierungGezeigt.mitZum);
    EXPECT_EQ(dialoge->hoehergruppierungGezeigt.angaben.gruppe, "9a");

    EXPECT_EQ(text("Startgruppe"), "9a");
    EXPECT_EQ(text("GrDauer", 1), "240");
    EXPECT_EQ(text("GrDauer1", 1), "6");
    EXPECT_EQ(text("GrDauer1", 2), "234");
    EXPECT_EQ(text("normal1", 6), "255");
    EXPECT_EQ(titel().back(), '*');

    auto* ansicht = fenster->findChild<Jahresansicht*>();
    ASSERT_NE(ansicht, nullptr);
    EXPECT_TRUE(ansicht->isVisible());
    for (const char* knopf : {"&Drucken…", "Als &PDF…"}) {
        const auto knoepfe = ansicht->findChildren<QPushButton*>();
        const auto gefunden = std::find_if(knoepfe.begin(), knoepfe.end(), [&](auto* k) {
            return k->text() == QString::fromUtf8(knopf);
        });
        ASSERT_NE(gefunden, knoepfe.end()) << knopf;
        EXPECT_TRUE((*gefunden)->isEnabled()) << knopf;
    }
    EXPECT_EQ(ausgleichSaetze(ansicht->daten()),
              (std::vector<std::string>{
                  "Die Höhergruppierung hat sich ab 08/2035 ausgezahlt (kumuliert).",
                  "Monat für Monat mehr ab 07/2038."}));
    auto* tabelle = ansicht->findChild<QTableWidget*>();
    EXPECT_EQ(tabelle->horizontalHeaderItem(2)->text().toStdString(), "Entgelt\n(1)");
    EXPECT_EQ(tabelle->horizontalHeaderItem(5)->text().toStdString(), "Sonder-\nzahlung (2)");
    EXPECT_EQ(tabelle->horizontalHeaderItem(4)->toolTip().toStdString(), "Entgelt " + mit);
    EXPECT_EQ(ansicht->findChild<QLabel*>("Fallnamen")->text().toStdString(),
              "(1) " + ohne + "   (2) " + mit);
    const Diagrammdaten linien = diagrammdatenBilden(ansicht->daten());
    EXPECT_EQ(linien.nameN.toStdString(), "(1)");
    EXPECT_EQ(linien.nameI.toStdString(), "(2)");

    // The command line gives the same numbers.
    std::string grund;
    const auto aufruf =
        aufrufLesen({"--gruppe", "9a", "--stufe", "3", "--seit", "2024-04", "--hoehergruppierung",
                     "9b", "--zum", "2026-07", "--teilzeit", "75", "--jahresliste", "-"},
                    grund);
    ASSERT_TRUE(aufruf) << grund;
    std::ostringstream aus, fehlerausgabe;
    EXPECT_EQ(
        jahreslisteCsvExportieren(*aufruf, std::filesystem::current_path(), aus, fehlerausgabe),
        exitGut)
        << fehlerausgabe.str();
    EXPECT_EQ(aus.str(), jahreslisteCsv(ansicht->daten()));
    EXPECT_NE(aus.str().find("\nSumme;240;"), std::string::npos);

    dialoge->datei = "Hoehergruppierung.korvalt";
    waehlen(&Menueaktionen::fallSpeichernUnter);
    const std::string datei = dateiinhalt(pfad("Hoehergruppierung.korvalt"));
    EXPECT_NE(datei.find("fnNohne Höhergruppierung"), std::string::npos);
    EXPECT_NE(datei.find("fnI" + mit), std::string::npos);
    waehlen(&Menueaktionen::neu);
    EXPECT_TRUE(sitzung->tabellen().namen.standard());
    // Another start group before: the case opened keeps its names with its own.
    ersetzen("Startgruppe", 0, "11");
    dialoge->aenderungsantwort = Aenderungsantwort::verwerfen;
    waehlen(&Menueaktionen::fallOeffnen);
    EXPECT_EQ(sitzung->tabellen().namen.individuell, mit);
    EXPECT_NE(titel().back(), '*');

    // Opened again, the dialog shows the promotion checked last.
    dialoge->hoehergruppierung.reset();
    waehlen(&Menueaktionen::hoehergruppierung);
    EXPECT_TRUE(dialoge->hoehergruppierungGezeigt.mitZum);
    EXPECT_EQ(dialoge->hoehergruppierungGezeigt.angaben, test::hoehergruppierungsbeispiel());
}

// A promotion the case's check refuses is not set up: the case stays as it was.
TEST_F(MenuebefehleTest, AbgelehnteHoehergruppierungAendertNichts) {
    starten();
    const auto vorher = fallbild();
    Hoehergruppierung h = test::hoehergruppierungsbeispiel();
    h.zielgruppe = "11";
    dialoge->hoehergruppierung = h;
    waehlen(&Menueaktionen::hoehergruppierung);
    EXPECT_EQ(dialoge->hoehergruppierungGrund.rfind("Von EGr. 9a geht die Höhergruppierung", 0),
              0u);
    EXPECT_EQ(fallbild(), vorher);
    EXPECT_EQ(titel(), caption);
    EXPECT_EQ(fenster->findChild<Jahresansicht*>(), nullptr);
}
