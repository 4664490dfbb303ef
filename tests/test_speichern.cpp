// The save command: confirmation, the exact record in the settings file, restoring it at the next
// start, and a failed save that keeps the old file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "dateien.h"
#include "einstellungsdatei.h"
#include "meldungsprotokoll.h"
#include "speicherfall.h"
#include "speichern.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

std::string standardsatz() {
    std::string satz = "st\x09";
    for (int i = 0; i < 8; ++i) satz += "120";
    for (int i = 0; i < 8; ++i) satz += "\x0C\x18\x24\x30\x3C\x78";
    return satz;
}

class SpeichernTest : public ::testing::Test {
  protected:
    SpeichernTest() { fall->anzeige.laden({{"."}, datei}, meldungen); }

    bool speichern() { return einstellungenSpeichern(fall->sitzung, fall->felder, meldungen); }

    test::TemporaeresVerzeichnis verzeichnis;
    std::filesystem::path datei = verzeichnis.pfad() / einstellungsdateiName;
    std::unique_ptr<Speicherfall> fall = std::make_unique<Speicherfall>();
    test::Meldungsprotokoll meldungen;
};

TEST_F(SpeichernTest, AbbrechenSchreibtNichts) {
    meldungen.antwort = 2;
    EXPECT_FALSE(speichern());
    ASSERT_EQ(meldungen.fragen.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(datei));
    EXPECT_TRUE(meldungen.warnungen.empty());
}

// The question says what is saved where, the file in full, and when a case there is replaced.
TEST_F(SpeichernTest, FrageNenntWasWohinGespeichertWird) {
    meldungen.antwort = 1;
    EXPECT_TRUE(speichern());
    EXPECT_TRUE(speichern());
    ASSERT_EQ(meldungen.fragen.size(), 2u);
    const std::string neu = "Neue Einstellungen speichern: Der angezeigte Fall wird in \u201E" +
                            datei.string() +
                            "\u201C gespeichert: die Startgruppe, alle Laufzeiten, die "
                            "Tariftabelle und die Angaben zu Beginn, Stufe und Teilzeit. Korvalt "
                            "öffnet ihn beim nächsten Start.";
    EXPECT_EQ(meldungen.fragen[0], neu);
    EXPECT_EQ(meldungen.fragen[1], neu + "\nDer dort bisher gespeicherte Fall wird ersetzt.");
}

TEST_F(SpeichernTest, OkSchreibtDenSatzDesStandardfalls) {
    meldungen.antwort = 1;
    EXPECT_TRUE(speichern());
    const std::string erwartet = standardsatz();
    ASSERT_EQ(erwartet.size(), 75u);
    EXPECT_EQ(test::dateiinhalt(datei), erwartet);
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(verzeichnis.pfad()), {}), 1);

    // Saving again without a change writes the identical record.
    EXPECT_TRUE(speichern());
    EXPECT_EQ(test::dateiinhalt(datei), erwartet);
}

TEST_F(SpeichernTest, DerNaechsteStartBringtDenGeaendertenFallZurueck) {
    fall->felder.setzeText({Feldname::Startgruppe}, "11");
    Sitzung& s = fall->sitzung;
    s.dauerSetzen(Seite::normal, 2, 0, 5);
    s.dauerSetzen(Seite::individuell, 4, 0, 600);
    s.dauerSetzen(Seite::normal, 3, 6, 0);
    s.dauerSetzen(Seite::individuell, 1, 3, 255);
    s.dauerSetzen(Seite::individuell, 4, 1, 7);
    fall->anzeige.starten();
    meldungen.antwort = 1;
    ASSERT_TRUE(speichern());

    auto neu = std::make_unique<Speicherfall>();
    ASSERT_EQ(einstellungsdateiLesen(datei).ergebnis, Einstellungslesung::Ergebnis::gelesen);
    neu->anzeige.laden({{"."}, datei}, meldungen);
    EXPECT_EQ(neu->felder.text({Feldname::Startgruppe}), "11");
    EXPECT_EQ(neu->sitzung.tabellen().gruppe(1), 11);
    EXPECT_EQ(neu->sitzung.tabellen().grdauerN, fall->sitzung.tabellen().grdauerN);
    EXPECT_EQ(neu->sitzung.tabellen().grdauerI, fall->sitzung.tabellen().grdauerI);
    EXPECT_EQ(neu->sitzung.tabellen().stufendauer, fall->sitzung.tabellen().stufendauer);
    EXPECT_EQ(neu->felder.text({Feldname::GrDauer, 2}), "5");
    EXPECT_EQ(neu->felder.text(spaltenfeld(Feldname::indi1, 1, 1, 3)), "255");
    EXPECT_EQ(neu->sitzung.tabellen().gesamtbetrag, fall->sitzung.tabellen().gesamtbetrag);
}

TEST_F(SpeichernTest, SchreibgeschuetzteDateiBleibtUndDerSatzAuch) {
    const std::string alt = standardsatz();
    { std::ofstream(datei, std::ios::binary) << alt; }
    ::chmod(datei.c_str(), 0444);
    fall->felder.setzeText({Feldname::Startgruppe}, "3");
    meldungen.antwort = 1;

    EXPECT_FALSE(speichern());
    EXPECT_EQ(test::dateiinhalt(datei), alt);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0],
              "Speichern nicht möglich: Die Einstellungen wurden nicht gespeichert.\nDie Datei "
              "\u201E" +
                  datei.string() + "\u201C ist schreibgeschützt und wird nicht ersetzt.");
}

}  // namespace
