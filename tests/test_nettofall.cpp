// The net pay of a case in the Sitzung: its tax and insurance settings, what refuses them, their
// record through saving and opening, and the net months the case's months and bonuses give.
#include <gtest/gtest.h>

#include <string>

#include "dateien.h"
#include "einstellungsdatei.h"
#include "meldungsprotokoll.h"
#include "sitzung.h"
#include "svsatz.h"
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

// VKA by date, 9b in step 3 since 04/2024, from 07/2026, with the default durations: step 3 runs
// to 03/2027, at 4.203,56 from the table of 05/2026.
void imDienstAb072026(Sitzung& sitzung, const Steuerangaben& angaben) {
    test::Meldungsprotokoll meldungen;
    ASSERT_EQ(sitzung.oeffnen({{"."}, {}, "vka"}, meldungen).fehler, "");
    Kalenderangaben k = ab({2026, 7});
    k.aktuelleStufe = AktuelleStufe{3, {2024, 4}};
    std::string fehler;
    ASSERT_TRUE(sitzung.kalenderSetzen(k, fehler)) << fehler;
    ASSERT_TRUE(sitzung.steuerSetzen(angaben, fehler)) << fehler;
    sitzung.starten(10);
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
    EXPECT_EQ(fehler, "Der Nettolohn braucht einen Beginn.");
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

// A case's file written, opened and saved again.
class NettofallDatei : public ::testing::Test {
  protected:
    // A record: the text, blanks to its end.
    static std::string satz(const std::string& text) {
        return text + std::string(einstellungssatzLaenge - text.size(), ' ');
    }
    // A case of VKA by date from 01/2026, its records before the tax record.
    static std::string nachDatum() {
        return "st\x09" + std::string(72, '1') + satz("tbvka") +
               satz("kz202601" + std::string(7, ' ') + "1000010000");
    }
    void oeffnen(const std::string& inhalt) {
        std::ofstream(datei, std::ios::binary) << inhalt;
        ASSERT_EQ(sitzung.oeffnen({{"."}, datei}, meldungen).fehler, "");
    }
    std::string gespeichert(const char* startgruppe = "9") {
        std::string fehler;
        EXPECT_TRUE(sitzung.speichern(startgruppe, zurueck, fehler)) << fehler;
        return test::dateiinhalt(zurueck);
    }

    test::TemporaeresVerzeichnis verzeichnis;
    const std::filesystem::path datei = verzeichnis.pfad() / "Fall.korvalt";
    const std::filesystem::path zurueck = verzeichnis.pfad() / "zurueck.korvalt";
    test::Meldungsprotokoll meldungen;
    Sitzung sitzung;
};

// Saved with the case and opened again, the settings come back; a case without them has none.
TEST_F(NettofallDatei, SteuerangabenUeberSpeichernUndOeffnen) {
    ASSERT_EQ(sitzung.oeffnen({{"."}, {}, "vka"}, meldungen).fehler, "");
    std::string fehler;
    ASSERT_TRUE(sitzung.kalenderSetzen(ab({2026, 1}), fehler)) << fehler;
    Steuerangaben a = klasse1Kirche9();
    a.privatbeitrag = 61250;
    ASSERT_TRUE(sitzung.steuerSetzen(a, fehler)) << fehler;
    gespeichert("9b");

    Sitzung wieder;
    ASSERT_EQ(wieder.oeffnen({{"."}, zurueck}, meldungen).fehler, "");
    EXPECT_EQ(wieder.tabellen().steuer, a);
    EXPECT_TRUE(meldungen.warnungen.empty());
    wieder.beispielfallLaden();
    EXPECT_FALSE(wieder.tabellen().steuer);
}

// A case of 2006 read with tax settings opens without net pay, says so once, and is saved back
// byte for byte.
TEST_F(NettofallDatei, Fall2006MitSteuerangabenBleibtUnveraendert) {
    const std::string inhalt = "st\x09" + std::string(72, '1') + satz("sv100900");
    oeffnen(inhalt);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_EQ(meldungen.warnungen[0],
              "Einstellungsdatei: Die Angaben zu Steuer und Sozialversicherung (Steuerklasse I, "
              "Kirchensteuer 9 %, gesetzlich versichert (durchschnittlicher Zusatzbeitrag), "
              "kinderlos) bleiben unbeachtet: Die Tariftabelle 2006 rechnet ohne Kalender; den "
              "Nettolohn gibt es nur in den Tabellen ab 2024 mit einem Beginn. Beim Speichern "
              "bleiben sie unverändert in der Datei.");
    EXPECT_EQ(gespeichert(), inhalt);
}

// What a later version wrote after the positions this version knows is saved again byte for byte,
// also once the settings were changed.
TEST_F(NettofallDatei, SpaetereStellenDesSatzesBleiben) {
    const std::string sv = satz("sv100000" + std::string(19, ' ') + "spaeter");
    oeffnen(nachDatum() + sv);
    ASSERT_EQ(sitzung.tabellen().steuer, Steuerangaben{});
    EXPECT_EQ(gespeichert().substr(3 * einstellungssatzLaenge), sv);
    std::string fehler;
    ASSERT_TRUE(sitzung.steuerSetzen(klasse1Kirche9(), fehler)) << fehler;
    std::string geaendert = sv;
    geaendert[5] = '9';
    EXPECT_EQ(gespeichert().substr(3 * einstellungssatzLaenge), geaendert);
}

// A damaged record goes back into the file whole, so that a later version's settings it may hold
// are not lost, until the case gets settings of its own or none: then it is replaced or dropped.
TEST_F(NettofallDatei, BeschaedigterSatzBleibtBisZuNeuenAngaben) {
    const std::string inhalt = nachDatum() + satz("sv7009");
    oeffnen(inhalt);
    EXPECT_FALSE(sitzung.tabellen().steuer);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("Der beschädigte Steuer- und Sozialversicherungssatz "
                                          "bleibt beim Speichern erhalten"),
              std::string::npos)
        << meldungen.warnungen[0];
    EXPECT_EQ(gespeichert(), inhalt);

    std::string fehler;
    ASSERT_TRUE(sitzung.steuerSetzen(klasse1Kirche9(), fehler)) << fehler;
    const Einstellungssatz neu = svSatzBilden(klasse1Kirche9());
    EXPECT_EQ(gespeichert(), nachDatum() + std::string(neu.begin(), neu.end()));
    ASSERT_TRUE(sitzung.steuerSetzen(std::nullopt, fehler)) << fehler;
    EXPECT_EQ(gespeichert(), nachDatum());
}

// The November of an employee in service who begins in 07/2026: the bonus is not cut for the
// months before Beginn (85 % of 4.203,56 = 3.573,026, 3.573,03), and January to June count at
// Beginn's pay towards the year's wage JRE4 and the bonus's pro-rata ceilings. The case's months
// and bonus reach the net pay of that year as these inputs.
TEST(Nettofall, NovemberMitSonderzahlungImDienst) {
    Sitzung sitzung;
    imDienstAb072026(sitzung, klasse1Kirche9());
    ASSERT_EQ(sitzung.tabellen().monatscentN(5), 420356);
    const Nettofall* netto = sitzung.netto();
    ASSERT_TRUE(netto);
    const Nettomonat* november = netto->monat(Seite::normal, 5);
    ASSERT_TRUE(november);
    EXPECT_EQ(november->monat, KalenderMonat(2026, 11));
    EXPECT_EQ(november->sonderzahlung, 357303);

    Nettojahreseingaben jahr;
    jahr.jahr = 2026;
    jahr.angaben = klasse1Kirche9();
    for (int m = 0; m < 12; ++m)
        jahr.monate[std::size_t(m)] = {m < 6 ? Lohnmonat::Art::vorBeginn : Lohnmonat::Art::imFall,
                                       420356};
    jahr.sonderzahlung = 357303;
    EXPECT_EQ(*november, nettojahrRechnen(jahr).monate[4]);
    EXPECT_GT(november->lohnsteuerSonderzahlung, 0);
}

// The net pay follows every change of the case: the tax settings, the bonus switch, a duration.
TEST(Nettofall, FolgtDemFall) {
    Sitzung sitzung;
    imDienstAb072026(sitzung, klasse1Kirche9());
    const std::int64_t klasse1 = sitzung.netto()->monat(Seite::normal, 1)->lohnsteuer;
    Steuerangaben klasse3 = klasse1Kirche9();
    klasse3.steuerklasse = 3;
    std::string fehler;
    ASSERT_TRUE(sitzung.steuerSetzen(klasse3, fehler));
    EXPECT_LT(sitzung.netto()->monat(Seite::normal, 1)->lohnsteuer, klasse1);

    Kalenderangaben ohne = sitzung.tabellen().kalender;
    ohne.mitSonderzahlung = false;
    ASSERT_TRUE(sitzung.kalenderSetzen(ohne, fehler));
    EXPECT_EQ(sitzung.netto()->monat(Seite::normal, 5)->sonderzahlung, 0);
    EXPECT_FALSE(sitzung.netto()->mitSonderzahlung);

    // Step 3 for 30 months instead of 36: step 4 from 10/2026, month 4 of the case.
    const std::int64_t vorher = sitzung.netto()->monat(Seite::individuell, 4)->brutto;
    sitzung.dauerSetzen(Seite::individuell, 1, 3, 30);
    sitzung.fortschreiten(Seite::individuell);
    sitzung.vergleichen();
    EXPECT_GT(sitzung.netto()->monat(Seite::individuell, 4)->brutto, vorher);
}

// Without settings there is no net pay; with settings the case cannot use, none either, and why.
TEST(Nettofall, OhneBeginnKeinNettoUndDerGrund) {
    Sitzung sitzung;
    imDienstAb072026(sitzung, klasse1Kirche9());
    ASSERT_TRUE(sitzung.netto());
    EXPECT_EQ(sitzung.nettoGrund(), "");
    std::string fehler;
    ASSERT_TRUE(sitzung.tabelleWaehlen("2006", fehler)) << fehler;
    EXPECT_FALSE(sitzung.netto());
    EXPECT_NE(sitzung.nettoGrund().find("rechnet ohne Kalender"), std::string::npos);
    ASSERT_TRUE(sitzung.steuerSetzen(std::nullopt, fehler));
    EXPECT_EQ(sitzung.nettoGrund(), "");
}

// The notes below net pay: the supplementary pension's fund with its rates and what of it is not
// modelled, the bonus, and the values of 2026 only where a later year is reckoned, a net below
// zero only where there is one.
TEST(Nettofall, Hinweise) {
    Nettofall netto;
    netto.beginn = KalenderMonat(2025, 1);
    netto.angaben = klasse1Kirche9();
    EXPECT_EQ(nettohinweise(netto),
              (std::vector<std::string>{
                  "Lohnsteuer: Steuerklasse I, Kirchensteuer 9 %",
                  "Sozialversicherung: gesetzlich versichert (durchschnittlicher Zusatzbeitrag), "
                  "kinderlos",
                  "Zusatzversorgung: keine."}));
    const std::string nichtNachgebildet =
        "Nicht nachgebildet: Beiträge des Arbeitgebers zur kapitalgedeckten Versorgung (§ 3 Nr. 63 "
        "EStG), Sanierungsgeld, die zusätzliche Umlage über der Entgeltgrenze und die VBL Ost.";
    netto.angaben.versorgungskasse = Versorgungskasse::vblWest;
    const auto vbl = nettohinweise(netto);
    EXPECT_EQ(std::vector(vbl.begin() + 1, vbl.end()),
              (std::vector<std::string>{
                  "Sozialversicherung: gesetzlich versichert (durchschnittlicher Zusatzbeitrag), "
                  "kinderlos, Zusatzversorgung VBL West",
                  "Zusatzversorgung: VBL West, Umlage des Arbeitgebers 5,49 %, Anteil des "
                  "Beschäftigten 1,81 %.",
                  nichtNachgebildet}));
    netto.angaben.versorgungskasse = Versorgungskasse::eigeneSaetze;
    netto.angaben.zusatzversorgung = Prozentsatz::hundertstel(240);
    netto.mitSonderzahlung = true;
    netto.reihen[1].nachLetztemStand = true;
    const auto mit = nettohinweise(netto);
    ASSERT_EQ(mit.size(), 6u);
    EXPECT_NE(mit[1].find(", Zusatzversorgung 2,4 %"), std::string::npos);
    EXPECT_EQ(mit[2],
              "Zusatzversorgung: eigene Sätze, Umlage des Arbeitgebers 0 %, Anteil des "
              "Beschäftigten 2,4 %.");
    EXPECT_EQ(mit[3], nichtNachgebildet);
    EXPECT_NE(mit[4].find("sonstiger Bezug"), std::string::npos);
    EXPECT_EQ(mit[5], "Lohnsteuer und Sozialversicherung ab 2027 nach dem Stand 2026.");
    // The earliest month below zero of either case.
    Nettomonat unterNull;
    unterNull.netto = -1;
    unterNull.monat = KalenderMonat(2026, 7);
    netto.reihen[0].monate = {unterNull};
    unterNull.monat = KalenderMonat(2026, 6);
    netto.reihen[1].monate = {unterNull};
    EXPECT_EQ(nettohinweise(netto).back(),
              "Nettolohn unter 0 ab 06/2026: der private Beitrag übersteigt das Entgelt.");
}
