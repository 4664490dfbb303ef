// The net pay of a case in the Sitzung: its tax and insurance settings, what refuses them, and
// their record through saving and opening.
#include <gtest/gtest.h>

#include <string>

#include "dateien.h"
#include "einstellungsdatei.h"
#include "meldungsprotokoll.h"
#include "sitzung.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

Steuerangaben klasse1Kirche9() {
    Steuerangaben a;
    a.kirchensteuerProzent = 9;
    return a;
}

Kalenderangaben ab(KalenderMonat beginn) {
    Kalenderangaben k;
    k.beginn = beginn;
    return k;
}

}  // namespace

// Net pay needs the months' calendar: no settings without a start month or in the table of 2006,
// none outside their limits; switching net pay off is always accepted.
TEST(Nettofall, SteuerangabenBrauchenBeginnUndTabelleMitCent) {
    test::Meldungsprotokoll meldungen;
    Sitzung sitzung;
    ASSERT_EQ(sitzung.oeffnen({{"."}, {}, "2026-05"}, meldungen).fehler, "");
    std::string fehler;
    EXPECT_FALSE(sitzung.steuerSetzen(klasse1Kirche9(), fehler));
    EXPECT_EQ(fehler,
              "Der Nettolohn braucht einen Beginn (Fall \u203A Beginn, Stufe und Teilzeit).");
    ASSERT_TRUE(sitzung.kalenderSetzen(ab({2026, 1}), fehler)) << fehler;
    Steuerangaben falsch = klasse1Kirche9();
    falsch.steuerklasse = 5;
    falsch.kinderfreibetraegeZehntel = 10;
    EXPECT_FALSE(sitzung.steuerSetzen(falsch, fehler));
    EXPECT_EQ(fehler, "Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV.");
    EXPECT_FALSE(sitzung.tabellen().steuer);
    EXPECT_TRUE(sitzung.steuerSetzen(klasse1Kirche9(), fehler)) << fehler;
    EXPECT_EQ(sitzung.tabellen().steuer, klasse1Kirche9());
    EXPECT_TRUE(sitzung.steuerSetzen(std::nullopt, fehler));
    EXPECT_FALSE(sitzung.tabellen().steuer);

    Sitzung fall2006;
    ASSERT_EQ(fall2006.oeffnen({{"."}, {}, "2006"}, meldungen).fehler, "");
    EXPECT_FALSE(fall2006.steuerSetzen(klasse1Kirche9(), fehler));
    EXPECT_EQ(fehler,
              "Die Tariftabelle 2006 rechnet ohne Kalender; den Nettolohn gibt es nur in den "
              "Tabellen ab 2024 mit einem Beginn.");
    EXPECT_TRUE(fall2006.steuerSetzen(std::nullopt, fehler));
}

// Saved with the case and opened again, the settings come back; a case without them has none.
TEST(Nettofall, SteuerangabenUeberSpeichernUndOeffnen) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / "Fall.korvalt";
    test::Meldungsprotokoll meldungen;
    Sitzung sitzung;
    ASSERT_EQ(sitzung.oeffnen({{"."}, {}, "vka"}, meldungen).fehler, "");
    std::string fehler;
    ASSERT_TRUE(sitzung.kalenderSetzen(ab({2026, 1}), fehler)) << fehler;
    Steuerangaben a = klasse1Kirche9();
    a.privatbeitrag = 61250;
    ASSERT_TRUE(sitzung.steuerSetzen(a, fehler)) << fehler;
    ASSERT_TRUE(sitzung.speichern("9b", datei, fehler)) << fehler;

    Sitzung wieder;
    ASSERT_EQ(wieder.oeffnen({{"."}, datei}, meldungen).fehler, "");
    EXPECT_EQ(wieder.tabellen().steuer, a);
    EXPECT_TRUE(meldungen.warnungen.empty());
    wieder.beispielfallLaden(meldungen);
    EXPECT_FALSE(wieder.tabellen().steuer);
}

// A case of 2006 read with tax settings opens without net pay, says so once, and is saved back
// byte for byte.
TEST(Nettofall, Fall2006MitSteuerangabenBleibtUnveraendert) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / "Fall.korvalt";
    std::string inhalt = "st\x09" + std::string(72, '1') + "sv100900";
    inhalt += std::string(2 * einstellungssatzLaenge - inhalt.size(), ' ');
    std::ofstream(datei, std::ios::binary) << inhalt;
    test::Meldungsprotokoll meldungen;
    Sitzung sitzung;
    ASSERT_EQ(sitzung.oeffnen({{"."}, datei}, meldungen).fehler, "");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0],
              "Einstellungsdatei: Die Angaben zu Steuer und Sozialversicherung (Steuerklasse I, "
              "Kirchensteuer 9 %, kinderlos, gesetzlich versichert mit dem durchschnittlichen "
              "Zusatzbeitrag) bleiben unbeachtet: Die Tariftabelle 2006 rechnet ohne Kalender; "
              "den Nettolohn gibt es nur in den Tabellen ab 2024 mit einem Beginn. Beim Speichern "
              "bleiben sie unverändert in der Datei.");
    std::string fehler;
    const auto zurueck = verzeichnis.pfad() / "zurueck.korvalt";
    ASSERT_TRUE(sitzung.speichern("9", zurueck, fehler)) << fehler;
    EXPECT_EQ(test::dateiinhalt(zurueck), inhalt);
}
