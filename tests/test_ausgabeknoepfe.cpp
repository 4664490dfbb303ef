// The buttons Speichern, Liste Drucken and Ergebnis drucken of the real window: the save with its
// confirmation and the restore at the next start, and both printouts on a desktop without printer.
#include <sys/stat.h>

#include <QPrinter>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>

#include "ausgabeknoepfe.h"
#include "dateien.h"
#include "fensterpruefung.h"
#include "pdftext.h"
#include "speichern.h"
#include "testdesktop.h"

using namespace korvalt;

namespace {

class AusgabeknoepfeTest : public test::FensterTest {
  protected:
    void anschliessen(test::Standarddrucker drucker, std::optional<std::string> wahl) {
        desktop = std::make_shared<test::Testdesktop>(verzeichnis.pfad(), drucker, wahl);
        ausgabeAnschliessen(*fenster, desktop);
    }

    std::filesystem::path einstellungsdatei() const {
        return verzeichnis.pfad() / "korvalt-einstellungen.dat";
    }

    std::shared_ptr<test::Testdesktop> desktop;
};

TEST_F(AusgabeknoepfeTest, SpeichernNachBestaetigungUndWiederherstellenBeimNaechstenStart) {
    starten();
    anschliessen(test::Standarddrucker::keiner, std::nullopt);

    meldungen.antwort = 2;
    klicken("Speichern");
    ASSERT_EQ(meldungen.fragen.size(), 1u);
    EXPECT_EQ(meldungen.fragen[0],
              "Neue Einstellungen speichern: " + speichernFrage(einstellungsdatei()));
    EXPECT_FALSE(std::filesystem::exists(einstellungsdatei()));

    meldungen.antwort = 1;
    klicken("Speichern");
    EXPECT_EQ(test::dateiinhalt(einstellungsdatei()), test::einstellungssatzText(9));

    // An edited case, saved and brought back by the next start.
    ersetzen(feld("Startgruppe"), "11");
    ersetzen(feld("GrDauer1", 2), "60");
    ersetzen(feld("indi1", 3), "7");
    ersetzen(feld("normal4", 6), "0");
    const std::string summe = text("Ergebnis2");
    klicken("Speichern");
    EXPECT_TRUE(meldungen.warnungen.empty());
    fenster.reset();
    starten();
    EXPECT_EQ(text("Startgruppe"), "11");
    EXPECT_EQ(text("GrDauer1", 2), "60");
    EXPECT_EQ(text("indi1", 3), "7");
    EXPECT_EQ(text("normal4", 6), "0");
    EXPECT_EQ(text("Ergebnis2"), summe);
}

TEST_F(AusgabeknoepfeTest, MisslungenesSpeichernMeldetSichUndLaesstDieAlteDatei) {
    starten(test::einstellungssatzText(5));
    anschliessen(test::Standarddrucker::keiner, std::nullopt);
    const std::string alt = test::dateiinhalt(einstellungsdatei());
    // The user made the file read-only.
    ::chmod(einstellungsdatei().c_str(), 0444);
    meldungen.antwort = 1;
    ersetzen(feld("Startgruppe"), "7");
    klicken("Speichern");
    EXPECT_EQ(test::dateiinhalt(einstellungsdatei()), alt);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0].rfind("Speichern nicht möglich: ", 0), 0u)
        << meldungen.warnungen[0];
    EXPECT_NE(meldungen.warnungen[0].find("schreibgeschützt"), std::string::npos)
        << meldungen.warnungen[0];
    EXPECT_EQ(text("Startgruppe"), "7");
}

TEST_F(AusgabeknoepfeTest, ListeOhneDruckerWirdAlsPdfGespeichert) {
    starten();
    anschliessen(test::Standarddrucker::keiner, "Liste.pdf");
    meldungen.antwort = 1;
    klicken("Liste");
    ASSERT_EQ(meldungen.fragen.size(), 1u);
    EXPECT_EQ(meldungen.fragen[0],
              "Drucken nicht möglich: Es ist kein Standarddrucker eingerichtet.\n\nSoll die "
              "Monatsliste stattdessen als PDF-Datei gespeichert werden?");
    EXPECT_EQ(desktop->vorschlaege,
              std::vector<std::string>{"Beispielfall \u2013 Monatsliste.pdf"});
    const std::string text = test::pdfText(verzeichnis.pfad() / "Liste.pdf");
    EXPECT_NE(text.find("Korvalt für TVöD-Gemeinden (VKA), Tariftabellen Stand JANUAR 2006 WEST"),
              std::string::npos);
    EXPECT_NE(text.find("Im Einzelnen:"), std::string::npos);
}

TEST_F(AusgabeknoepfeTest, ListeAufDemDrucker) {
    starten();
    anschliessen(test::Standarddrucker::druckt, std::nullopt);
    ersetzen(feld("indi1", 1), "6");
    klicken("Liste");
    EXPECT_TRUE(meldungen.fragen.empty());
    const std::string text = test::pdfText(desktop->papier());
    // Months 7 to 12: the individual case is already in step 2.
    EXPECT_TRUE(
        std::regex_search(text, std::regex(R"(\n\s+7\s+9\s+1\s+2\.061\s+9\s+2\s+2\.290\s+229\n)")))
        << text;
}

TEST_F(AusgabeknoepfeTest, ErgebnisBeiAblehnendemDruckerAbgebrochen) {
    starten();
    const int hoehe = fenster->hoeheTwips();
    anschliessen(test::Standarddrucker::lehntAb, "Ergebnis.pdf");
    meldungen.antwort = 2;
    klicken("Ergebnisdrucken");
    ASSERT_EQ(meldungen.fragen.size(), 1u);
    EXPECT_NE(meldungen.fragen[0].find("Soll das Ergebnis stattdessen als PDF-Datei gespeichert "
                                       "werden?"),
              std::string::npos);
    EXPECT_TRUE(desktop->vorschlaege.empty());
    EXPECT_FALSE(std::filesystem::exists(verzeichnis.pfad() / "Ergebnis.pdf"));
    for (const char* name :
         {"Speichern", "Ergebnisdrucken", "Liste", "Hilfe", "Schließen", "nachoben", "nachunten"})
        EXPECT_TRUE(knopf(name)->isVisible()) << name;
    EXPECT_EQ(fenster->hoeheTwips(), hoehe);

    meldungen.antwort = 1;
    klicken("Ergebnisdrucken");
    EXPECT_EQ(desktop->vorschlaege, std::vector<std::string>{"Beispielfall \u2013 Ergebnis.pdf"});
    const std::string text = test::pdfText(verzeichnis.pfad() / "Ergebnis.pdf");
    EXPECT_NE(text.find("Berechnung für Beispielfall"), std::string::npos) << text;
    EXPECT_EQ(fenster->hoeheTwips(), hoehe);
}

}  // namespace
