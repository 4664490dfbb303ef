// The year view as CSV: amounts by the table's unit, and the bonus columns empty or "0,00".
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "jahresliste_csv.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

// The second line of the CSV: the first year.
std::string ersteZeile(const std::string& csv) {
    const auto anfang = csv.find('\n') + 1;
    return csv.substr(anfang, csv.find('\n', anfang) - anfang);
}

Jahresdaten zweiMonate(bool inCent, std::optional<KalenderMonat> beginn,
                       std::span<const Sonderzahlung> sonderI = {}) {
    Jahresdaten d;
    d.inCent = inCent;
    d.mitSonderzahlung = beginn.has_value();
    d.centN = {377950, 377950};
    d.centI = {403901, 403901};
    d.uebersicht = jahresuebersichtBilden({d.centN, {}}, {d.centI, sonderI}, beginn);
    return d;
}

}  // namespace

TEST(JahreslisteCsv, Tabelle2006InGanzenEuroMitJahrN) {
    const std::string csv = jahreslisteCsv(zweiMonate(false, std::nullopt));
    EXPECT_EQ(ersteZeile(csv), "Jahr 1;2;7559;;8078;;519;519");
    EXPECT_NE(csv.find("\nSumme;2;7559;;8078;;519;\n"), std::string::npos);
}

TEST(JahreslisteCsv, CentTabelleMitKommaUndNullSonderzahlung) {
    const std::string csv = jahreslisteCsv(zweiMonate(true, KalenderMonat(2026, 3)));
    EXPECT_EQ(ersteZeile(csv), "2026;2;7559,00;0,00;8078,02;0,00;519,02;519,02");
}

TEST(JahreslisteCsv, SonderzahlungImJahrGezaehlt) {
    Sonderzahlung bonus;
    bonus.gebucht = KalenderMonat(2026, 11);
    bonus.cent = 80322;
    const std::string csv = jahreslisteCsv(zweiMonate(true, KalenderMonat(2026, 10), {&bonus, 1}));
    EXPECT_EQ(ersteZeile(csv), "2026;2;7559,00;0,00;8078,02;803,22;1322,24;1322,24");
}

// With net pay four columns follow: each case's net pay of the year, their difference and its
// cumulation; the Summe line leaves the cumulation empty, and the notes follow the lines.
TEST(JahreslisteCsv, NettospaltenUndHinweise) {
    Jahresdaten d = zweiMonate(true, KalenderMonat(2026, 12));
    d.nettoN = {250000, 251000};
    d.nettoI = {260000, 262500};
    d.netto = jahresuebersichtBilden({d.nettoN, {}}, {d.nettoI, {}}, KalenderMonat(2026, 12));
    d.nettohinweise = {"Hinweis eins", "Hinweis zwei"};
    const std::string csv = jahreslisteCsv(d);
    EXPECT_EQ(csv,
              "Jahr;Monate;Entgelt Normalfall;Jahressonderzahlung Normalfall;Entgelt "
              "Beispielfall;Jahressonderzahlung Beispielfall;Differenz;Differenz kumuliert;Netto "
              "Normalfall;Netto Beispielfall;Differenz netto;Differenz netto kumuliert\n"
              "2026;1;3779,50;0,00;4039,01;0,00;259,51;259,51;2500,00;2600,00;100,00;100,00\n"
              "2027;1;3779,50;0,00;4039,01;0,00;259,51;519,02;2510,00;2625,00;115,00;215,00\n"
              "Summe;2;7559,00;0,00;8078,02;0,00;519,02;;5010,00;5225,00;215,00;\n"
              "Der Beispielfall liegt ab 12/2026 dauerhaft vorn.\n"
              "Monat für Monat mehr ab 12/2026.\n"
              "Netto liegt der Beispielfall ab 12/2026 dauerhaft vorn.\n"
              "Netto Monat für Monat mehr ab 12/2026.\n"
              "Hinweis eins\nHinweis zwei\n");
}

TEST(JahreslisteAufruf, SchalterNurMitJahresliste) {
    std::string fehler;
    EXPECT_FALSE(aufrufLesen({"--ohne-jahressonderzahlung"}, fehler));
    EXPECT_EQ(fehler, "\u201E--ohne-jahressonderzahlung\u201C braucht \u201E--jahresliste\u201C.");
    EXPECT_FALSE(aufrufLesen({"--jahresliste", "-", "--monatsliste", "m.csv"}, fehler));
    EXPECT_FALSE(aufrufLesen({"--tabellen", "--jahresliste", "-"}, fehler));
    const auto aufruf =
        aufrufLesen({"--jahresliste", "j.pdf", "--ohne-jahressonderzahlung"}, fehler);
    ASSERT_TRUE(aufruf) << fehler;
    EXPECT_TRUE(aufruf->ohneSonderzahlung);
    EXPECT_TRUE(aufruf->brauchtQt());
}

// Damaged rates of the annual bonus end a year list that counts the bonus with status 2 and the
// fault; without the bonus, or for a case without a start month, the list is written.
TEST(JahreslisteAufruf, BeschaedigteSaetzeEndenMitStatus2) {
    const auto bauverzeichnis = std::filesystem::current_path();
    test::TemporaeresVerzeichnis programm;
    test::TemporaeresVerzeichnis arbeit;
    for (const char* name : {"zelbar06.1tr", "zelbar06.tabellen"})
        std::filesystem::copy_file(bauverzeichnis / name, programm.pfad() / name);
    std::ofstream(programm.pfad() / "jahressonderzahlung.csv")
        << "bereich;ab_jahr;egr_1_8;egr_9a_12;egr_13_15\nvka;2026;85,0;8500;8500\n";
    ASSERT_EQ(::chdir(arbeit.pfad().c_str()), 0);
    const auto exportieren = [&](std::vector<std::string> argumente, std::string& fehlertext) {
        std::string grund;
        const auto aufruf = aufrufLesen(argumente, grund);
        std::ostringstream aus, fehler;
        const int status =
            aufruf ? jahreslisteCsvExportieren(*aufruf, programm.pfad(), aus, fehler) : -1;
        fehlertext = fehler.str();
        return status;
    };
    std::string fehler;
    EXPECT_EQ(
        exportieren({"--jahresliste", "-", "--tabelle", "vka", "--beginn", "2026-01"}, fehler),
        exitEingabefehler);
    EXPECT_EQ(fehler.rfind("korvalt: Die Jahressonderzahlung fehlt: Die Sätze der "
                           "Jahressonderzahlung \u201E",
                           0),
              0u)
        << fehler;
    EXPECT_NE(fehler.find("\u201C sind fehlerhaft (Zeile 2: Der Satz \u201E85,0\u201C"),
              std::string::npos)
        << fehler;
    EXPECT_EQ(exportieren({"--jahresliste", "-", "--tabelle", "vka", "--beginn", "2026-01",
                           "--ohne-jahressonderzahlung"},
                          fehler),
              exitGut);
    EXPECT_EQ(exportieren({"--jahresliste", "-"}, fehler), exitGut);
    std::filesystem::current_path(bauverzeichnis);
}
