// The month list as CSV and as the clipboard's table, exporting it from the command line, and the
// command line itself.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "dateien.h"
#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "festertext.h"
#include "hoehergruppierung.h"
#include "jahresliste_csv.h"
#include "kommandozeile.h"
#include "meldungsprotokoll.h"
#include "monatsliste_csv.h"
#include "tarifdatei.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

// The promotion check's example on the command line, with more options after it.
std::vector<std::string> hoehergruppierung(std::vector<std::string> mehr = {}) {
    std::vector<std::string> argumente{
        "--gruppe", "9a",    "--stufe", "3", "--seit", "2024-04", "--hoehergruppierung",
        "9b",       "--zum", "2026-07"};
    argumente.insert(argumente.end(), mehr.begin(), mehr.end());
    return argumente;
}

// The example with one option's value replaced, or the option added.
std::vector<std::string> hoehergruppierungMit(const std::string& option, const std::string& wert) {
    std::vector<std::string> argumente = hoehergruppierung();
    const auto stelle = std::find(argumente.begin(), argumente.end(), option);
    if (stelle == argumente.end()) return hoehergruppierung({option, wert});
    *(stelle + 1) = wert;
    return argumente;
}

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A message compared whole, by its beginning, or by a part of it.
enum class Vergleich { ganz, anfang, teil };

::testing::AssertionResult meldet(const std::string& meldung, const std::string& erwartet,
                                  Vergleich vergleich) {
    const bool passt = vergleich == Vergleich::ganz ? meldung == erwartet
                       : vergleich == Vergleich::anfang
                           ? meldung.rfind(erwartet, 0) == 0
                           : meldung.find(erwartet) != std::string::npos;
    if (passt) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "gemeldet: " << meldung << "\nerwartet: " << erwartet;
}

// Runs the export in an empty working directory; the tariff file is found beside the "program".
class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        programmverzeichnis = std::filesystem::current_path();
        ASSERT_EQ(::chdir(arbeitsverzeichnis.pfad().c_str()), 0);
    }
    void TearDown() override { std::filesystem::current_path(programmverzeichnis); }

    int exportieren(std::vector<std::string> argumente) {
        aus.str("");
        fehler.str("");
        std::string grund;
        const auto aufruf = aufrufLesen(argumente, grund);
        if (!aufruf) return -1;
        return monatslisteCsvExportieren(*aufruf, programmverzeichnis, aus, fehler);
    }

    static std::string zeile(const std::string& csv, int nummer) {
        std::istringstream zeilen(csv);
        std::string z;
        for (int i = 0; i <= nummer && std::getline(zeilen, z); ++i) {
        }
        return z;
    }

    void einstellungenSchreiben(const std::filesystem::path& datei, double startgruppe,
                                Integer grdauerI4) {
        Falltabellen t;
        standardfallSetzen(t);
        t.grdauerI(4) = grdauerI4;
        std::string grund;
        ASSERT_TRUE(einstellungsdateiSchreiben(
            datei, einstellungssatzBilden(startgruppe, t, gruppen2006), grund));
    }

    std::filesystem::path programmverzeichnis;
    test::TemporaeresVerzeichnis arbeitsverzeichnis;
    std::ostringstream aus, fehler;
};

TEST_F(ExportTest, StandardfallAufDieStandardausgabe) {
    ASSERT_EQ(exportieren({"--monatsliste", "-"}), exitGut) << fehler.str();
    const std::string csv = aus.str();
    EXPECT_EQ(zeile(csv, 0), "Monat;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz");
    EXPECT_EQ(zeile(csv, 1), "1;9;1;2061,00;9;1;2061,00;0");
    EXPECT_EQ(zeile(csv, 121), "121;10;3;2800,00;10;3;2800,00;0");
    EXPECT_EQ(zeile(csv, 480), "480;12;6;4200,00;12;6;4200,00;0");
    EXPECT_EQ(zeile(csv, 481), "Summe;;;1604172;;;1604172;0");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 482);
    EXPECT_EQ(csv.find('\r'), std::string::npos);
    EXPECT_TRUE(fehler.str().empty());
}

TEST_F(ExportTest, EigeneEinstellungsdateiImArbeitsverzeichnis) {
    einstellungenSchreiben(einstellungsdateiName, 13, 120);
    ASSERT_EQ(exportieren({"--monatsliste", "-"}), exitGut);
    EXPECT_EQ(zeile(aus.str(), 1).substr(0, 5), "1;13;");

    // A damaged file there is an error with the window's message, not a silent default case.
    const std::string beschaedigt = std::string("ST") + std::string(73, '1');
    std::ofstream(einstellungsdateiName, std::ios::binary) << beschaedigt;
    EXPECT_EQ(exportieren({"--monatsliste", "-"}), exitEingabefehler);
    EXPECT_EQ(fehler.str(),
              "korvalt: " + einstellungsdateiLesen(einstellungsdateiName).fehler + "\n");
    EXPECT_NE(fehler.str().find("nicht verwendet"), std::string::npos) << fehler.str();
    EXPECT_TRUE(aus.str().empty());
}

TEST_F(ExportTest, FehlerGebenDenRichtigenStatus) {
    EXPECT_EQ(exportieren({"--monatsliste", "-", "--einstellungen", "fehlt.dat"}),
              exitEingabefehler);
    EXPECT_NE(fehler.str().find("fehlt.dat"), std::string::npos);

    std::ofstream("falsch.dat", std::ios::binary) << std::string(75, 'x');
    EXPECT_EQ(exportieren({"--monatsliste", "-", "--einstellungen", "falsch.dat"}),
              exitEingabefehler);

    EXPECT_EQ(exportieren({"--monatsliste", "kein/verzeichnis/liste.csv"}), exitSchreibfehler);
    EXPECT_NE(fehler.str().find("kann nicht geschrieben werden"), std::string::npos);

    // Without the tariff file the amounts would all be 0: no list, an error.
    std::ostringstream leer;
    std::string grund;
    const auto aufruf = aufrufLesen({"--monatsliste", "-"}, grund);
    EXPECT_EQ(monatslisteCsvExportieren(*aufruf, arbeitsverzeichnis.pfad(), aus, fehler),
              exitEingabefehler);
    EXPECT_NE(fehler.str().find("zelbar06.1tr"), std::string::npos);
}

TEST_F(ExportTest, TabelleAusKommandozeileUndEinstellungsdatei) {
    // The months of the tables from 2024 have cents, their groups labels.
    const std::regex monatszeile(
        R"(\d+;(\d+[abc]?)?;\d?;\d+,\d\d;(\d+[abc]?)?;\d?;\d+,\d\d;-?\d+,\d\d)");
    const std::regex summenzeile(R"(Summe;;;\d+,\d\d;;;\d+,\d\d;-?\d+,\d\d)");
    ASSERT_EQ(exportieren({"--monatsliste", "-", "--tabelle", "2026-05"}), exitGut) << fehler.str();
    std::string csv = aus.str();
    EXPECT_EQ(zeile(csv, 0), "Monat;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz");
    EXPECT_EQ(zeile(csv, 1).substr(0, 12), "1;9a;1;3658,");
    EXPECT_TRUE(std::regex_match(zeile(csv, 1), monatszeile)) << zeile(csv, 1);
    EXPECT_TRUE(std::regex_match(zeile(csv, 480), monatszeile)) << zeile(csv, 480);
    EXPECT_TRUE(std::regex_match(zeile(csv, 481), summenzeile)) << zeile(csv, 481);

    // A saved case names its table in a second record; --tabelle replaces it.
    Falltabellen t;
    standardfallSetzen(t);
    std::string grund;
    ASSERT_TRUE(einstellungsdateiSchreiben(
        einstellungsdateiName, {einstellungssatzBilden(10, t, 17), tabellensatzBilden("2024-03")},
        grund));
    ASSERT_EQ(exportieren({"--monatsliste", "-"}), exitGut) << fehler.str();
    EXPECT_EQ(zeile(aus.str(), 1).substr(0, 12), "1;9b;1;3566,");
    ASSERT_EQ(exportieren({"--monatsliste", "-", "--tabelle", "2026-05"}), exitGut);
    EXPECT_EQ(zeile(aus.str(), 1).substr(0, 12), "1;9b;1;3779,");
    // The start group keeps its label, as when the window switches tables: 9b is "9" in 2006.
    ASSERT_EQ(exportieren({"--monatsliste", "-", "--tabelle", "2006"}), exitGut);
    EXPECT_EQ(zeile(aus.str(), 1).substr(0, 5), "1;9;1");
    ASSERT_TRUE(einstellungsdateiSchreiben(einstellungsdateiName,
                                           {einstellungssatzBilden(12, t, gruppen2006)}, grund));
    ASSERT_EQ(exportieren({"--monatsliste", "-", "--tabelle", "2026-05"}), exitGut);
    EXPECT_EQ(zeile(aus.str(), 1).substr(0, 6), "1;12;1");
}

// A tariff file taken for damaged is calculated as it is: the warning, and the list all the same.
TEST_F(ExportTest, UnglaubhafteEntgelteWarnenUndDieListeEntsteht) {
    auto tabelle = test::steigendeTabelle();
    tabelle[3][1] = 100'000'001;
    test::tarifdateiSchreiben(tarifdateiName, tabelle);
    EXPECT_EQ(exportieren({"--monatsliste", "-"}), exitGut) << fehler.str();
    EXPECT_NE(fehler.str().find("korvalt: Tarifdatei: Die Tarifdatei"), std::string::npos);
    EXPECT_EQ(zeile(aus.str(), 0), "Monat;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz");
}

TEST_F(ExportTest, UnbekannteTabelleImFallEndetMitStatus2) {
    // A key the list lacks in the settings file: the warning, and no list.
    Falltabellen t;
    standardfallSetzen(t);
    std::string grund;
    ASSERT_TRUE(einstellungsdateiSchreiben(
        "fall.dat", {einstellungssatzBilden(9, t, gruppen2006), tabellensatzBilden("2031-01")},
        grund));
    EXPECT_EQ(exportieren({"--monatsliste", "-", "--einstellungen", "fall.dat"}),
              exitEingabefehler);
    EXPECT_NE(fehler.str().find("die Korvalt nicht kennt"), std::string::npos) << fehler.str();
    EXPECT_EQ(std::filesystem::file_size("fall.dat"), 150u);
}

TEST_F(ExportTest, TabellenWerdenAufgelistet) {
    EXPECT_EQ(tabellenAuflisten(programmverzeichnis, aus, fehler), exitGut);
    const std::string liste = aus.str();
    EXPECT_EQ(zeile(liste, 0), "2006          Tariftabellen Stand JANUAR 2006 WEST");
    EXPECT_EQ(zeile(liste, 3), "2026-05       Tariftabellen Stand MAI 2026");
    EXPECT_EQ(zeile(liste, 6), "bund-2026-05  Tariftabellen Bund Stand MAI 2026");
    EXPECT_TRUE(fehler.str().empty());
    aus.str("");
    EXPECT_EQ(tabellenAuflisten(arbeitsverzeichnis.pfad(), aus, fehler), exitEingabefehler);
    EXPECT_NE(fehler.str().find("nicht gefunden"), std::string::npos);
}

// Standard output that cannot take the list (a full disk): exit status 1 and a German message
// with the reason, not silence.
TEST_F(ExportTest, VolleStandardausgabeWirdGemeldet) {
    std::ofstream voll("/dev/full");
    ASSERT_TRUE(voll.is_open());
    EXPECT_EQ(tabellenAuflisten(programmverzeichnis, voll, fehler), exitSchreibfehler);
    EXPECT_EQ(fehler.str(),
              "korvalt: Die Standardausgabe kann nicht geschrieben werden: Auf dem Datenträger "
              "ist kein Platz mehr frei.\n");
}

// A case with a start month: the date after the month, two decimals, one more empty Summe cell.
TEST_F(ExportTest, CsvMitBeginnNenntDasDatum) {
    ASSERT_EQ(exportieren({"--monatsliste", "-", "--beginn", "2026-07", "--tabelle", "vka"}),
              exitGut)
        << fehler.str();
    const std::string csv = aus.str();
    EXPECT_EQ(zeile(csv, 0), "Monat;Datum;EGr.;Stufe;Entgelt;EGr.;Stufe;Entgelt;Differenz");
    EXPECT_EQ(zeile(csv, 7).substr(0, 10), "7;01/2027;");
    EXPECT_TRUE(
        std::regex_match(zeile(csv, 481), std::regex(R"(Summe;;;;\d+,\d\d;;;\d+,\d\d;0,00)")))
        << zeile(csv, 481);
}

// Lines of the list written to a file for the options given; a line ending in "*" is compared by
// what comes before the "*".
TEST_F(ExportTest, ZeilenNachDenAngaben) {
    einstellungenSchreiben("fall11.dat", 11, 140);
    einstellungenSchreiben("fall9.dat", 9, 119);
    const struct {
        const char* name;
        std::vector<std::string> argumente;
        std::vector<std::pair<int, std::string>> zeilen;
    } faelle[] = {
        // The individual case runs 20 months longer; the normal case shows no group or step there.
        {"Einstellungsdatei",
         {"--einstellungen", "fall11.dat"},
         {{1, "1;11;*"}, {481, "481;;;0,00;1*"}, {501, "Summe;*"}}},
        // A month's difference is the individual pay less the normal one: the month the individual
        // case no longer has is a loss.
        {"Differenz in Cent",
         {"--einstellungen", "fall9.dat", "--tabelle", "2026-05"},
         {{480, "480;10;6;5753,35;;;0,00;-5753,35"}}},
        // --bis ends both cases in that month.
        {"bis",
         {"--tabelle", "vka", "--beginn", "2026-01", "--bis", "2027-12"},
         {{24, "24;12/2027;*"}, {25, "Summe;*"}}},
        // --gruppe sets the start group of any case by its label.
        {"Gruppe", {"--tabelle", "2026-05", "--gruppe", "10"}, {{1, "1;10;1;*"}}},
        // 27 months in step 3 (36 months) leave 9.
        {"aktuelle Stufe",
         {"--tabelle", "vka", "--beginn", "2026-07", "--stufe", "3", "--seit", "2024-04"},
         {{9, "9;03/2027;9a;3;*"}, {10, "10;04/2027;9a;4;*"}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(exportieren(plus({"--monatsliste", "liste.csv"}, f.argumente)), exitGut)
            << fehler.str();
        const std::string csv = test::dateiinhalt("liste.csv");
        for (const auto& [nummer, text] : f.zeilen) {
            if (text.ends_with('*'))
                EXPECT_EQ(zeile(csv, nummer).rfind(text.substr(0, text.size() - 1), 0), 0u)
                    << zeile(csv, nummer);
            else
                EXPECT_EQ(zeile(csv, nummer), text);
        }
    }
}

// What the export cannot take ends the run with status 2 and its reason, and no list; a row
// without a reason is accepted.
TEST_F(ExportTest, AbgelehnteAngabenEndenMitStatus2) {
    const std::vector<std::string> vka{"--tabelle", "vka", "--beginn", "2026-01"};
    const std::string ohneKalender =
        "Die Tariftabelle 2006 rechnet ohne Kalender; Beginn, Ende, Teilzeit, aktuelle Stufe und "
        "angenommene Erhöhung gibt es nur in den Tabellen ab 2024.";
    const std::string nachDatum =
        "Eine angenommene Erhöhung gibt es nur in einer Tabelle nach Datum (\u201EVKA nach "
        "Datum\u201C, \u201EBund nach Datum\u201C), nicht in \u201ETariftabellen Stand MAI "
        "2026\u201C.";
    const std::string nachDatumPruefen =
        "Die Höhergruppierung prüft Korvalt in einer Tabelle nach Datum";
    const std::string nachLetzter =
        "muss nach der letzten Tariftabelle beginnen, die ab 05/2026 gilt.";
    const struct {
        const char* name;
        std::vector<std::string> argumente;  // after "--monatsliste -"
        std::string meldung;                 // after "korvalt: "; empty: accepted
        Vergleich vergleich = Vergleich::ganz;
    } faelle[] = {
        {"unbekannte Tabelle",
         {"--tabelle", "2031-01"},
         "Die Tariftabelle \u201E2031-01\u201C gibt es nicht. Bekannte Tabellen: 2006, 2024-03, "
         "2025-04, 2026-05",
         Vergleich::teil},
        {"Ende vor Beginn", plus(vka, {"--bis", "2025-12"}),
         "Das Ende 12/2025 liegt vor dem Beginn 01/2026."},
        {"Gruppe der Tabelle fremd",
         {"--gruppe", "9a"},
         "Die Entgeltgruppe „9a“ gibt es in „Tariftabellen Stand JANUAR 2006 WEST“ nicht (dort: 1, "
         "2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15)."},
        // The table of 2006 has no calendar.
        {"Beginn in 2006", {"--beginn", "2026-07"}, ohneKalender},
        {"Teilzeit in 2006", {"--tabelle", "2006", "--teilzeit", "50"}, ohneKalender},
        {"aktuelle Stufe zu lang",
         {"--tabelle", "vka", "--beginn", "2026-07", "--stufe", "1", "--seit", "2024-04"},
         "überschreiten die Stufenlaufzeit von 12 Monaten",
         Vergleich::teil},
        {"nach Datum ohne Beginn", {"--tabelle", "bund"}, "braucht einen Beginn", Vergleich::teil},
        // The assumed raise comes after the side's last table (05/2026) and by 12/2099, in a table
        // by date with a start month.
        {"Erhöhung vor der letzten Tabelle",
         plus(vka, {"--erhoehung", "10", "--erhoehung-ab", "2026-01"}),
         "Die angenommene Erhöhung ab 01/2026 " + nachLetzter},
        {"Erhöhung mit der letzten Tabelle",
         plus(vka, {"--erhoehung", "10", "--erhoehung-ab", "2026-05"}),
         "Die angenommene Erhöhung ab 05/2026 " + nachLetzter},
        {"Erhöhung nach der letzten Tabelle",
         plus(vka, {"--erhoehung", "10", "--erhoehung-ab", "2026-06"}), ""},
        {"Erhöhung im Jahr 0",
         {"--erhoehung", "10", "--tabelle", "bund", "--beginn", "2026-01", "--erhoehung-ab",
          "0000-01"},
         "Die angenommene Erhöhung ab 01/0 " + nachLetzter},
        {"Erhöhung nach 2099", plus(vka, {"--erhoehung", "10", "--erhoehung-ab", "2100-01"}),
         "Die angenommene Erhöhung ab 01/2100 liegt nach 12/2099."},
        {"Erhöhung ohne Beginn", {"--erhoehung", "10", "--tabelle", "2026-05"}, nachDatum},
        {"Erhöhung in einer Tabelle eines Datums",
         {"--erhoehung", "10", "--tabelle", "2026-05", "--beginn", "2026-07"},
         nachDatum},
        // Net pay needs a tax class and a case that can have it.
        {"Steuer in 2006",
         {"--steuerklasse", "1"},
         "Die Tariftabelle 2006 rechnet ohne Kalender; den Nettolohn gibt es nur in den Tabellen "
         "ab 2024 mit einem Beginn."},
        {"Steuer ohne Steuerklasse", plus(vka, {"--kirchensteuer", "9"}),
         "Ohne Steuerklasse gibt es keinen Nettolohn, und der Fall hat keine Angaben zu Steuer "
         "und Sozialversicherung."},
        {"Kinderfreibeträge in Klasse V",
         plus(vka, {"--steuerklasse", "5", "--kinderfreibetraege", "1"}),
         "Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV."},
        // What the promotion check refuses.
        {"vier Gruppen höher", hoehergruppierungMit("--hoehergruppierung", "11"),
         "Von EGr. 9a geht die Höhergruppierung in eine der nächsten", Vergleich::anfang},
        {"Höhergruppierung vor dem Beginn", hoehergruppierungMit("--beginn", "2026-08"),
         "Die Höhergruppierung zum 07/2026 liegt vor dem Beginn 08/2026.", Vergleich::anfang},
        {"Höhergruppierung nach dem Ende", hoehergruppierungMit("--bis", "2026-06"),
         "Die Höhergruppierung zum 07/2026 liegt nach dem Ende 06/2026.", Vergleich::anfang},
        {"Höhergruppierung in 2026-05", hoehergruppierungMit("--tabelle", "2026-05"),
         nachDatumPruefen, Vergleich::anfang},
        {"Höhergruppierung in 2006", hoehergruppierungMit("--tabelle", "2006"), nachDatumPruefen,
         Vergleich::anfang},
        {"Höhergruppierung aus 9", hoehergruppierungMit("--gruppe", "9"),
         "Die Entgeltgruppe „9“ gibt es in", Vergleich::anfang},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const int status = exportieren(plus({"--monatsliste", "-"}, f.argumente));
        if (f.meldung.empty()) {
            EXPECT_EQ(status, exitGut);
            EXPECT_EQ(fehler.str(), "");
            continue;
        }
        EXPECT_EQ(status, exitEingabefehler);
        EXPECT_TRUE(meldet(fehler.str(),
                           f.vergleich == Vergleich::teil     ? f.meldung
                           : f.vergleich == Vergleich::anfang ? "korvalt: " + f.meldung
                                                              : "korvalt: " + f.meldung + "\n",
                           f.vergleich));
        EXPECT_TRUE(aus.str().empty());
    }
}

// The promotion check from the command line: its case by date, the groups and months it sets up.
TEST_F(ExportTest, HoehergruppierungAufDerKommandozeile) {
    ASSERT_EQ(exportieren(hoehergruppierung({"--teilzeit", "75", "--monatsliste", "-"})), exitGut)
        << fehler.str();
    // 01/2026 both in 9a step 3 of the table of 04/2025 (3.986,06 at 75 %), from 07/2026 the
    // individual case in 9b step 3 of the table of 05/2026 (4.203,56 at 75 %).
    EXPECT_EQ(zeile(aus.str(), 1), "1;01/2026;9a;3;2989,55;9a;3;2989,55;0,00");
    EXPECT_EQ(zeile(aus.str(), 7), "7;07/2026;9a;3;3073,25;9b;3;3152,67;79,42");
    EXPECT_EQ(zeile(aus.str(), 240).substr(0, 11), "240;12/2045");
    EXPECT_EQ(zeile(aus.str(), 241), "Summe;;;;859264,65;;;883173,00;23908,35");
}

// --hoehergruppierung takes the calendar options for its case, --tabelle defaulting to vka.
TEST(Aufruf, HoehergruppierungNimmtDieKalenderangaben) {
    std::string fehler;
    const auto aufruf = aufrufLesen(hoehergruppierung({"--teilzeit", "75", "--bis", "2040-12",
                                                       "--tabelle", "bund", "--jahresliste", "-"}),
                                    fehler);
    ASSERT_TRUE(aufruf) << fehler;
    ASSERT_TRUE(aufruf->hoehergruppierung);
    const Hoehergruppierung& h = *aufruf->hoehergruppierung;
    EXPECT_EQ(h.tabelle, "bund");
    EXPECT_EQ(h.gruppe, "9a");
    EXPECT_EQ(h.stufe, (AktuelleStufe{3, {2024, 4}}));
    EXPECT_EQ(h.zielgruppe, "9b");
    EXPECT_EQ(h.zum, KalenderMonat(2026, 7));
    EXPECT_EQ(h.anteil, 7500);
    EXPECT_EQ(h.ende, KalenderMonat(2040, 12));
    EXPECT_FALSE(h.beginn);
    EXPECT_TRUE(aufruf->kalender.leer());
    EXPECT_EQ(
        aufrufLesen(hoehergruppierung({"--monatsliste", "-"}), fehler)->hoehergruppierung->tabelle,
        "vka");
}

// What the command line accepts, read into the call.
TEST(Aufruf, AngabenWerdenGelesen) {
    std::string fehler;
    EXPECT_TRUE(aufrufLesen({}, fehler)->fensterOeffnen());
    EXPECT_TRUE(aufrufLesen({"--help"}, fehler)->hilfe);
    EXPECT_TRUE(aufrufLesen({"--version"}, fehler)->version);
    EXPECT_FALSE(aufrufLesen({"--version"}, fehler)->fensterOeffnen());
    EXPECT_EQ(versionsText(), "Korvalt " KORVALT_VERSION "\n");
    EXPECT_EQ(
        aufrufLesen({"--monatsliste", "a.csv", "--einstellungen", "e.dat"}, fehler)->einstellungen,
        "e.dat");
    EXPECT_EQ(aufrufLesen({"--monatsliste", "-", "--tabelle", "2026-05"}, fehler)->tabelle,
              "2026-05");
    const auto tabellen = aufrufLesen({"--tabellen"}, fehler);
    EXPECT_TRUE(tabellen->tabellenZeigen);
    EXPECT_FALSE(tabellen->fensterOeffnen());
    const auto falldatei = aufrufLesen({"Muster.korvalt"}, fehler);
    ASSERT_TRUE(falldatei) << fehler;
    EXPECT_EQ(falldatei->falldatei, "Muster.korvalt");
    EXPECT_TRUE(falldatei->fensterOeffnen());
    // An option's file name is no case file.
    EXPECT_TRUE(aufrufLesen({"--monatsliste", "liste.csv"}, fehler)->falldatei.empty());

    const auto kalender = aufrufLesen(
        {"--monatsliste", "-", "--teilzeit", "87,5:87.5", "--beginn", "2026-07"}, fehler);
    ASSERT_TRUE(kalender) << fehler;
    EXPECT_EQ(kalender->kalender.anteile, (std::pair{8750, 8750}));
    EXPECT_EQ(aufrufLesen({"--monatsliste", "-", "--teilzeit", "60"}, fehler)->kalender.anteile,
              (std::pair{6000, 6000}));

    const auto steuer =
        aufrufLesen({"--monatsliste", "-", "--steuerklasse", "3", "--kinderfreibetraege", "1,5",
                     "--kirchensteuer", "8", "--kinder", "0", "--sachsen", "--kv-zusatzbeitrag",
                     "2,45", "--zusatzversorgung", "2,4"},
                    fehler);
    ASSERT_TRUE(steuer) << fehler;
    const Steuervorgaben& v = steuer->steuer;
    EXPECT_EQ(v.steuerklasse, 3);
    EXPECT_EQ(v.kinderfreibetraegeZehntel, 15);
    EXPECT_EQ(v.kirchensteuerProzent, 8);
    EXPECT_EQ(v.kinder, 0);
    EXPECT_TRUE(v.sachsen);
    EXPECT_EQ(v.zusatzbeitrag, Prozentsatz::hundertstel(245));
    EXPECT_FALSE(v.privatbeitrag);
    // The share alone keeps its meaning: no levy.
    EXPECT_EQ(v.zusatzversorgung,
              Zusatzversorgungsvorgabe{.anteil = Prozentsatz::hundertstel(240)});
    const auto versorgung = [&](const char* wert) {
        return aufrufLesen({"--monatsliste", "-", "--zusatzversorgung", wert}, fehler)
            ->steuer.zusatzversorgung;
    };
    EXPECT_EQ(versorgung("vbl-west"), Zusatzversorgungsvorgabe{Versorgungskasse::vblWest});
    EXPECT_EQ(versorgung("1,5:4"), (Zusatzversorgungsvorgabe{Versorgungskasse::eigeneSaetze,
                                                             Prozentsatz::hundertstel(150),
                                                             Prozentsatz::hundertstel(400)}));
    EXPECT_EQ(
        aufrufLesen({"--monatsliste", "-", "--privat-kv", "612,50"}, fehler)->steuer.privatbeitrag,
        61250);
}

// What the command line cannot take is refused with its reason. --help and --version stand alone,
// as --tabellen does, instead of doing one thing and dropping the rest; no option is given twice.
TEST(Aufruf, AbgelehnteAufrufe) {
    const auto zweimal = [](const std::string& option) {
        return std::vector<std::string>{option, "a.pdf", "--monatsliste", "b.csv", option, "c.pdf"};
    };
    const struct {
        std::vector<std::string> argumente;
        std::string meldung;
        Vergleich vergleich = Vergleich::ganz;
    } faelle[] = {
        {{"--monatsliste"}, "Dateiname", Vergleich::teil},
        {{"--unbekannt"}, "--unbekannt", Vergleich::teil},
        {{"--einstellungen", "e.dat"}, "", Vergleich::teil},
        {{"--monatsliste", "-", "--tabelle"}, "Schlüssel der Tabelle", Vergleich::teil},
        {{"--tabelle", "2026-05"}, "\u201E--tabelle\u201C braucht", Vergleich::teil},
        {{"--tabellen", "--monatsliste", "x.csv"},
         "„--tabellen“ steht allein; es geht nicht zusammen mit „--monatsliste“."},
        {zweimal("--monatsliste"), "„--monatsliste“ ist zweimal angegeben."},
        {zweimal("--ergebnis"), "„--ergebnis“ ist zweimal angegeben."},
        {zweimal("--einstellungen"), "„--einstellungen“ ist zweimal angegeben."},
        {{"--version", "--monatsliste", "x.csv"},
         "„--version“ steht allein; es geht nicht zusammen mit „--monatsliste“."},
        {{"--monatsliste", "x.csv", "--help"},
         "„--help“ steht allein; es geht nicht zusammen mit „--monatsliste“."},
        {{"Muster.korvalt", "-h"}, "„-h“ steht allein; es geht nicht zusammen mit „FALLDATEI“."},
        {{"--help", "--version"}, "„--help“ steht allein; es geht nicht zusammen mit „--version“."},
        {{"--tabellen", "--tabellen"}, "„--tabellen“ ist zweimal angegeben."},
        {{"--version", "--version"}, "„--version“ ist zweimal angegeben."},
        {{"--jahresliste", "-", "--ohne-jahressonderzahlung", "--ohne-jahressonderzahlung"},
         "„--ohne-jahressonderzahlung“ ist zweimal angegeben."},
        {{"--monatsliste", "-", "--sachsen", "--steuerklasse", "1", "--sachsen"},
         "„--sachsen“ ist zweimal angegeben."},
        {{"a.korvalt", "b.korvalt"}, "Es kann nur eine Falldatei geöffnet werden."},
        {{"a.korvalt", "--monatsliste", "-"},
         "Eine Falldatei wird im Fenster geöffnet; ohne Fenster nennt „--einstellungen DATEI“ den "
         "Fall."},
        {{"-x"}, "", Vergleich::teil},
        // The calendar options.
        {{"--monatsliste", "-", "--teilzeit", "0"},
         "liegt nicht zwischen 1 und 100 %",
         Vergleich::teil},
        {{"--monatsliste", "-", "--teilzeit", "100,5"},
         "liegt nicht zwischen 1 und 100 %",
         Vergleich::teil},
        {{"--monatsliste", "-", "--teilzeit", "75:101"},
         "liegt nicht zwischen 1 und 100 %",
         Vergleich::teil},
        {{"--monatsliste", "-", "--stufe", "3"}, "„--stufe“ braucht „--seit“."},
        {{"--monatsliste", "-", "--seit", "2024-04"}, "„--seit“ braucht „--stufe“."},
        {{"--beginn", "2026-07"},
         "„--beginn“ braucht „--monatsliste“, „--ergebnis“, „--jahresliste“ oder „--vermerk“."},
        {{"--tabellen", "--teilzeit", "50"},
         "„--tabellen“ steht allein; es geht nicht zusammen mit „--teilzeit“."},
        // What --hoehergruppierung lacks or cannot take.
        {{"--hoehergruppierung", "9b", "--zum", "2026-07", "--gruppe", "9a", "--jahresliste", "-"},
         "„--hoehergruppierung“ braucht „--stufe“ und „--seit“",
         Vergleich::anfang},
        {{"--hoehergruppierung", "9b", "--zum", "2026-07", "--stufe", "3", "--seit", "2024-04",
          "--jahresliste", "-"},
         "„--hoehergruppierung“ braucht „--gruppe“",
         Vergleich::anfang},
        {{"--hoehergruppierung", "9b", "--gruppe", "9a", "--stufe", "3", "--seit", "2024-04",
          "--jahresliste", "-"},
         "„--hoehergruppierung“ braucht „--zum“",
         Vergleich::anfang},
        {hoehergruppierung({"--einstellungen", "fall.dat", "--jahresliste", "-"}),
         "„--hoehergruppierung“ richtet den Fall selbst ein und geht nicht zusammen mit "
         "„--einstellungen“.",
         Vergleich::anfang},
        {hoehergruppierung({"--teilzeit", "75:50", "--jahresliste", "-"}),
         "Bei „--hoehergruppierung“ gilt „--teilzeit P“ für beide Fälle", Vergleich::anfang},
        {hoehergruppierung({"--zum", "2026-08", "--jahresliste", "-"}),
         "„--zum“ ist zweimal angegeben.", Vergleich::anfang},
        {{"--zum", "2026-07", "--jahresliste", "-"},
         "„--zum“ braucht „--hoehergruppierung“.",
         Vergleich::anfang},
        {{"--gruppe", "9a"}, "„--gruppe“ braucht „--monatsliste“", Vergleich::anfang},
        {{"--monatsliste", "-", "--gruppe"},
         "Nach „--gruppe“ fehlt die Entgeltgruppe",
         Vergleich::anfang},
        // The tax options.
        {{"--monatsliste", "-", "--steuerklasse", "7"},
         "„--steuerklasse 7“: „7“ ist keine Steuerklasse (1 bis 6)."},
        {{"--monatsliste", "-", "--kirchensteuer", "7"},
         "„--kirchensteuer 7“: „7“ ist kein Kirchensteuersatz (8 oder 9 %)."},
        {{"--monatsliste", "-", "--kinderfreibetraege", "1,2"},
         "„--kinderfreibetraege 1,2“: „1,2“ ist keine Zahl von Kinderfreibeträgen (0 bis 9,5 in "
         "Schritten von 0,5)."},
        {{"--monatsliste", "-", "--kv-zusatzbeitrag", "2,5", "--privat-kv", "500"},
         "„--kv-zusatzbeitrag“ und „--privat-kv“ schließen einander aus: gesetzlich oder privat "
         "versichert."},
        {{"--monatsliste", "-", "--steuerklasse"},
         "Nach „--steuerklasse“ fehlt die Steuerklasse (1 bis 6)."},
        {{"--monatsliste", "-", "--zusatzversorgung", "vbl-ost"},
         "„--zusatzversorgung vbl-ost“: „vbl-ost“ ist keine Zusatzversorgung (vbl-west, keine, die "
         "Sätze in Prozent wie 1,81:5,49 oder nur der Anteil des Beschäftigten)."},
        {{"--monatsliste", "-", "--zusatzversorgung", "1,81:12"},
         "„--zusatzversorgung 1,81:12“: Die Umlage des Arbeitgebers von 12 % liegt nicht zwischen "
         "0 und 10 %."},
        {{"--sachsen"},
         "„--sachsen“ braucht „--monatsliste“, „--ergebnis“, „--jahresliste“ oder „--vermerk“."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente.back());
        std::string fehler;
        EXPECT_FALSE(aufrufLesen(f.argumente, fehler));
        EXPECT_TRUE(meldet(fehler, f.meldung, f.vergleich));
    }
}

// An argument of any length comes back in a message shortened, cut between whole characters.
TEST(Aufruf, LangeArgumenteWerdenGekuerztZitiert) {
    std::string fehler;
    const std::string lang(100000, 'x');
    EXPECT_FALSE(aufrufLesen({"--" + lang}, fehler));
    EXPECT_EQ(fehler, "Unbekanntes Argument \u201E--" + std::string(38, 'x') + "\u2026\u201C.");
    EXPECT_FALSE(aufrufLesen({"--monatsliste", "-", "--beginn", lang}, fehler));
    EXPECT_LT(fehler.size(), 300u) << fehler.substr(0, 300);
    std::string umlaute;
    for (int i = 0; i < 40; ++i) umlaute += "ä";
    EXPECT_EQ(zitat(umlaute), "\u201E" + umlaute + "\u201C");
    EXPECT_EQ(zitat(umlaute + "ö"), "\u201E" + umlaute + "\u2026\u201C");
}

// The usage lines stand together above the options, and each option has a line of its own.
TEST(Aufruf, HilfeBeschreibtJedeOptionUnterDenAufrufzeilen) {
    const std::string hilfe = aufrufHilfe();
    const auto ersteOption = hilfe.find("\n  --");
    ASSERT_NE(ersteOption, std::string::npos);
    EXPECT_EQ(hilfe.find("korvalt --", ersteOption), std::string::npos) << hilfe;
    std::istringstream optionen(
        "--monatsliste --ergebnis --jahresliste --ohne-jahressonderzahlung --einstellungen "
        "--tabelle --gruppe --hoehergruppierung --zum --beginn --bis --teilzeit --stufe "
        "--erhoehung --erhoehung-ab --steuerklasse --kinderfreibetraege --kirchensteuer --kinder "
        "--sachsen --kv-zusatzbeitrag --privat-kv --zusatzversorgung --tabellen --help --version");
    for (std::string option; optionen >> option;) {
        // The option's own line, not one of a longer option it begins ("--kinder").
        const auto eigeneZeile = [&](std::size_t stelle) {
            const char danach = hilfe[stelle + 3 + option.size()];
            return danach == ' ' || danach == '\n';
        };
        auto stelle = hilfe.find("\n  " + option);
        while (stelle != std::string::npos && !eigeneZeile(stelle))
            stelle = hilfe.find("\n  " + option, stelle + 1);
        EXPECT_NE(stelle, std::string::npos) << option;
    }
}

// The same lines as the CSV under a line naming the column groups, tab-separated, in the table of
// 2006 and in one with cents and lettered groups.
TEST(Monatstabelle, DieZeilenDerCsvMitTabulatoren) {
    for (const char* tabelle : {"", "2026-05"}) {
        auto fall = std::make_unique<Speicherfall>();
        test::Meldungsprotokoll keine;
        fall->anzeige.laden({{"."}, {}, tabelle}, keine);
        ASSERT_TRUE(keine.warnungen.empty()) << keine.warnungen[0];
        const std::string csv = monatslisteCsv(fall->sitzung.daten(), fall->sitzung.tabellen());
        const std::string text = monatstabelleText(fall->sitzung.daten(), fall->sitzung.tabellen());
        const std::string gruppen = "Monat\tNormalfall\t\t\tBeispielfall\t\t\tDifferenz\n";
        ASSERT_EQ(text.rfind(gruppen, 0), 0u) << tabelle;
        std::string getrennt = gruppen + csv;
        std::replace(getrennt.begin(), getrennt.end(), ';', '\t');
        EXPECT_EQ(text, getrennt) << tabelle;
        EXPECT_EQ(text.find(';'), std::string::npos) << tabelle;
    }
}

}  // namespace

namespace {

// An amount of the CSV in cents: "-1234,56" -> -123456.
std::int64_t cent(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return std::stoll(text);
}

std::vector<std::string> zellen(const std::string& zeile) {
    std::vector<std::string> z;
    std::istringstream stroeme(zeile);
    for (std::string zelle; std::getline(stroeme, zelle, ';');) z.push_back(zelle);
    if (!zeile.empty() && zeile.back() == ';') z.emplace_back();
    return z;
}

}  // namespace

// With net pay each case's "Entgelt" is followed by its "Netto" and "Differenz" by "Differenz
// netto", the individual less the normal net pay; the Summe line sums each amount under its
// column, and the notes of net pay follow the list.
TEST_F(ExportTest, CsvMitNettolohn) {
    ASSERT_EQ(exportieren({"--monatsliste", "-", "--tabelle", "vka", "--beginn", "2026-01", "--bis",
                           "2027-12", "--teilzeit", "100:75", "--steuerklasse", "1",
                           "--kirchensteuer", "9"}),
              exitGut)
        << fehler.str();
    const std::string csv = aus.str();
    EXPECT_EQ(zeile(csv, 0),
              "Monat;Datum;EGr.;Stufe;Entgelt;Netto;EGr.;Stufe;Entgelt;Netto;Differenz;Differenz "
              "netto");
    std::array<std::int64_t, 12> summe{};
    for (int m = 1; m <= 24; ++m) {
        const auto z = zellen(zeile(csv, m));
        ASSERT_EQ(z.size(), 12u) << zeile(csv, m);
        // November's net pay includes the bonus's.
        if (m % 12 != 11) {
            EXPECT_LT(cent(z[5]), cent(z[4])) << m;
        }
        EXPECT_EQ(cent(z[11]), cent(z[9]) - cent(z[5])) << m;
        for (std::size_t s : {4, 5, 8, 9, 10, 11}) summe[s] += cent(z[s]);
    }
    const auto z = zellen(zeile(csv, 25));
    ASSERT_EQ(z.size(), 12u) << zeile(csv, 25);
    EXPECT_EQ(zeile(csv, 25), "Summe;;;;" + z[4] + ";" + z[5] + ";;;" + z[8] + ";" + z[9] + ";" +
                                  z[10] + ";" + z[11]);
    for (std::size_t s : {4, 5, 8, 9, 10, 11}) EXPECT_EQ(cent(z[s]), summe[s]) << s;
    EXPECT_EQ(zeile(csv, 26), "Lohnsteuer: Steuerklasse I, Kirchensteuer 9 %");
    EXPECT_EQ(zeile(csv, 31), "Lohnsteuer und Sozialversicherung ab 2027 nach dem Stand 2026.");
}

// The tax options go with the promotion check, which gives the case the start month net pay
// needs. 01/2027 at 75 %, tax class I, church tax 9 %, childless, no supplementary pension: 9a step
// 3 3.073,25 less Lohnsteuer 309,16, church tax 27,82, health 8,75 % 268,91, care 2,4 % 73,76,
// pension 9,3 % 285,81 and unemployment 1,3 % 39,95 leaves 2.067,84; 9b step 3 3.152,67
// leaves 2.110,92.
TEST_F(ExportTest, SteuerangabenMitDerHoehergruppierung) {
    ASSERT_EQ(
        exportieren(plus({"--gruppe", "9a", "--stufe", "3", "--seit", "2024-04",
                          "--hoehergruppierung", "9b", "--zum", "2026-07", "--teilzeit", "75",
                          "--steuerklasse", "1", "--kirchensteuer", "9", "--monatsliste", "-"},
                         {"--zusatzversorgung", "keine"})),
        exitGut)
        << fehler.str();
    const std::string csv = aus.str();
    EXPECT_EQ(zeile(csv, 13), "13;01/2027;9a;3;3073,25;2067,84;9b;3;3152,67;2110,92;79,42;43,08");
    EXPECT_EQ(zeile(csv, 241).rfind("Summe;", 0), 0u);
    EXPECT_TRUE(zeile(csv, 241).ends_with(";13177,42")) << zeile(csv, 241);
}

// --ohne-jahressonderzahlung takes the bonus out of the year list, its columns and the net pay
// it taxes in November alike.
TEST_F(ExportTest, JahreslisteOhneJahressonderzahlung) {
    const auto jahresliste = [this](std::vector<std::string> zusatz) {
        std::vector<std::string> argumente{"--tabelle",     "vka",     "--beginn",       "2026-01",
                                           "--bis",         "2026-12", "--steuerklasse", "1",
                                           "--jahresliste", "-"};
        argumente.insert(argumente.end(), zusatz.begin(), zusatz.end());
        aus.str("");
        fehler.str("");
        std::string grund;
        const auto aufruf = aufrufLesen(argumente, grund);
        EXPECT_TRUE(aufruf) << grund;
        EXPECT_EQ(jahreslisteCsvExportieren(*aufruf, programmverzeichnis, aus, fehler), exitGut)
            << fehler.str();
        std::vector<std::string> spalten;
        std::istringstream z(zeile(aus.str(), 1));
        for (std::string s; std::getline(z, s, ';');) spalten.push_back(s);
        return spalten;
    };
    const auto mit = jahresliste({});
    const auto ohne = jahresliste({"--ohne-jahressonderzahlung"});
    ASSERT_GE(mit.size(), 10u);
    ASSERT_EQ(ohne.size(), mit.size());
    EXPECT_EQ(mit[3], "3109,82");
    EXPECT_EQ(ohne[3], "");
    EXPECT_EQ(ohne[5], "");
    EXPECT_EQ(ohne[2], mit[2]);
    // Net pay of the year without the bonus's net.
    EXPECT_LT(std::stod(ohne[8]), std::stod(mit[8]) - 1000);
}
