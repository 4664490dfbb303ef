// A case put back from the records a save would write, as an undo step does: every record comes
// back, nothing is said, and the step's change is named by what it changed.
#include <gtest/gtest.h>

#include <fstream>

#include "aenderungsname.h"
#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "kalendersatz.h"
#include "meldungsprotokoll.h"
#include "sicheredatei.h"
#include "speicherfall.h"
#include "svsatz.h"
#include "tariftabelle.h"
#include "textsatz.h"
#include "zeitraumsatz.h"

using namespace korvalt;

namespace {

std::string alsText(const std::vector<Einstellungssatz>& saetze) {
    std::string text;
    for (const auto& satz : saetze) text.append(satz.begin(), satz.end());
    return text;
}

// The case record of the default durations with every group duration `grdauer`.
Einstellungssatz fallsatz(int startgruppe, Integer grdauer = 120) {
    Falltabellen t;
    standardfallSetzen(t);
    for (int spalte = 1; spalte <= 4; ++spalte) t.grdauerN(spalte) = t.grdauerI(spalte) = grdauer;
    return einstellungssatzBilden(startgruppe, t, 15);
}

class FallstandTest : public ::testing::Test {
  protected:
    // Opens the case file of these records as the program's start-up does.
    void oeffnen(const std::vector<Einstellungssatz>& saetze) {
        std::ofstream(datei, std::ios::binary) << alsText(saetze);
        ASSERT_EQ(fall.anzeige.laden({{"."}, datei}, meldungen), "");
        meldungen.warnungen.clear();
    }
    std::vector<Einstellungssatz> stand() const {
        return fall.sitzung.einstellungssaetze(fall.felder.text({Feldname::Startgruppe}));
    }
    // What the fields show of the case: start group, a duration of each case, both totals.
    std::vector<std::string> bild() const {
        return {fall.felder.text({Feldname::Startgruppe}), fall.felder.text({Feldname::GrDauer, 2}),
                fall.felder.text({Feldname::indi1, 3}),    fall.felder.text({Feldname::Ergebnis1}),
                fall.felder.text({Feldname::Ergebnis2}),   fall.felder.text({Feldname::Korvaltei})};
    }

    test::TemporaeresVerzeichnis verzeichnis;
    std::filesystem::path datei = verzeichnis.pfad() / "Fall.korvalt";
    Speicherfall fall;
    test::Meldungsprotokoll meldungen;
};

Kalenderangaben teilzeitAb(KalenderMonat beginn) {
    Kalenderangaben k;
    k.beginn = beginn;
    k.anteilI = 7500;
    return k;
}

}  // namespace

// Table by date, calendar settings, the cases' names, tax settings, person and durations all come
// back, shown, in
// the fields and in a save, after every one of them was changed; the case file stays the one
// opened.
TEST_F(FallstandTest, JederSatzKommtZurueck) {
    std::vector<Einstellungssatz> saetze{fallsatz(10), tabellensatzBilden("vka"),
                                         kalendersatzBilden(teilzeitAb({2026, 7}))};
    for (const auto& satz : fallnamensaetzeBilden({"ohne Aufstieg", "mit Aufstieg"}))
        saetze.push_back(satz);
    Steuerangaben steuer;
    steuer.steuerklasse = 3;
    steuer.kirchensteuerProzent = 9;
    saetze.push_back(svSatzBilden(steuer));
    for (const auto& satz : personensaetzeBilden({"Anna Müller", "4711", "", ""}))
        saetze.push_back(satz);
    oeffnen(saetze);
    const auto vorher = stand();
    const Fallangaben vorherFall = fall.sitzung.fall();
    ASSERT_EQ(vorher, saetze);
    const auto bildVorher = bild();

    std::string fehler;
    ASSERT_TRUE(fall.anzeige.tabelleWechseln(
        fall.sitzung.daten().tabellenkatalog.tabelle("2024-03"), fehler, teilzeitAb({2025, 1})))
        << fehler;
    ASSERT_TRUE(fall.sitzung.personSetzen({"Bernd Meier", "", "", ""}, fehler)) << fehler;
    fall.sitzung.dauerSetzen(Seite::individuell, 1, 3, 12);
    fall.felder.setzeText({Feldname::Startgruppe}, "12");
    fall.anzeige.starten();
    ASSERT_NE(stand(), vorher);

    fall.anzeige.standZeigen(vorherFall);
    EXPECT_EQ(stand(), vorher);
    EXPECT_EQ(bild(), bildVorher);
    EXPECT_EQ(fall.sitzung.tabelle().schluessel, "vka");
    EXPECT_TRUE(meldungen.warnungen.empty());
    EXPECT_EQ(fall.sitzung.einstellungsdatei(), vollerPfad(datei));
}

// Settings the table of 2006 cannot use rest in the case: put back, they rest again, without the
// notice that was given when the case was opened.
TEST_F(FallstandTest, RuhenderKalenderOhneHinweis) {
    const std::vector<Einstellungssatz> saetze{fallsatz(9),
                                               kalendersatzBilden(teilzeitAb({2026, 7}))};
    std::ofstream(datei, std::ios::binary) << alsText(saetze);
    ASSERT_EQ(fall.anzeige.laden({{"."}, datei}, meldungen), "");
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    const auto vorher = stand();
    const Fallangaben vorherFall = fall.sitzung.fall();
    ASSERT_EQ(vorher, saetze);

    std::string fehler;
    ASSERT_TRUE(
        fall.anzeige.tabelleWechseln(fall.sitzung.daten().tabellenkatalog.tabelle("vka"), fehler))
        << fehler;
    ASSERT_FALSE(fall.sitzung.tabellen().kalender.leer());

    fall.anzeige.standZeigen(vorherFall);
    EXPECT_EQ(stand(), vorher);
    EXPECT_TRUE(fall.sitzung.tabellen().kalender.leer());
    EXPECT_EQ(meldungen.warnungen.size(), 1u);
}

// A case by date that waits for a start month waits again, in its side's latest table, when the
// step that gave it one is undone.
TEST_F(FallstandTest, NachDatumWartetWiederAufDenBeginn) {
    oeffnen({fallsatz(10), tabellensatzBilden("vka")});
    const auto vorher = stand();
    const Fallangaben vorherFall = fall.sitzung.fall();
    const std::string vertreten = fall.sitzung.tabelle().schluessel;
    ASSERT_NE(vertreten, "vka");
    std::string fehler;
    ASSERT_TRUE(fall.sitzung.kalenderSetzen(teilzeitAb({2026, 7}), fehler)) << fehler;
    ASSERT_EQ(fall.sitzung.tabelle().schluessel, "vka");

    fall.anzeige.standZeigen(vorherFall);
    EXPECT_EQ(fall.sitzung.tabelle().schluessel, vertreten);
    EXPECT_FALSE(fall.sitzung.vertretungsgrund().empty());
    EXPECT_EQ(stand(), vorher);
}

// The name of a step: the table before the start group it moves, the bonus switch apart from the
// other calendar settings, the start group apart from the durations.
TEST(Aenderungsname, NachDemErstenGeaendertenTeil) {
    Fallangaben fall;
    standardfallSetzen(fall);
    fall.startgruppe = 10;
    const auto mit = [&fall](auto aendern) {
        Fallangaben neu = fall;
        aendern(neu);
        return neu;
    };
    const Fallangaben kalender = mit([](Fallangaben& f) { f.kalender = teilzeitAb({2026, 7}); });
    const Fallangaben ohneBonus = mit([](Fallangaben& f) {
        (f.kalender = teilzeitAb({2026, 7})).mitSonderzahlung = false;
    });
    const Fallangaben andereDauer = mit([](Fallangaben& f) { f.grdauerN(2) = 60; });
    const Fallangaben mitPerson = mit([](Fallangaben& f) { f.person.name = "Anna Müller"; });
    const Fallangaben mitNamen = mit([](Fallangaben& f) { f.namen = {"ohne", "mit"}; });
    const struct {
        const char* fall;
        Fallangaben vorher, nachher;
        std::string name;
    } zeilen[] = {
        {"Dauer", fall, andereDauer, "Dauer ändern"},
        {"Startgruppe", fall, mit([](Fallangaben& f) { f.startgruppe = 11; }),
         "Startgruppe ändern"},
        {"Tabelle mit Startgruppe", fall, mit([](Fallangaben& f) {
             f.startgruppe = 11;
             f.tabelle = "2026-05";
         }),
         "Tabelle wählen"},
        {"Sonderzahlung aus", kalender, ohneBonus, "ohne Jahressonderzahlung"},
        {"Sonderzahlung an", ohneBonus, kalender, "mit Jahressonderzahlung"},
        {"Beginn", kalender, mit([](Fallangaben& f) {
             f.kalender = teilzeitAb({2027, 1});
         }),
         "Beginn, Stufe und Teilzeit ändern"},
        {"erste Kalenderangaben", fall, kalender, "Beginn, Stufe und Teilzeit ändern"},
        {"Person", fall, mitPerson, "Angaben zur Person ändern"},
        {"Person vor Dauer", mitPerson, andereDauer, "Dauer ändern"},
        {"Namen", fall, mitNamen, "Namen der Fälle ändern"},
        {"Dauer vor Namen", mitNamen, andereDauer, "Dauer ändern"},
        {"Steuer", fall, mit([](Fallangaben& f) { f.steuer = Steuerangaben{}; }),
         "Steuer und Sozialversicherung ändern"},
    };
    for (const auto& z : zeilen) EXPECT_EQ(aenderungsname(z.vorher, z.nachher), z.name) << z.fall;
}

// A case file of a later version survives an open, a change of a duration and a save: every record
// the change does not touch goes back byte for byte, in its place — a record of an unknown kind, a
// person field and a case name this version does not know, a damaged name, and a later version's
// positions in the calendar, tax and period records. (The cases' own names would go: a changed
// duration makes a promotion check's case an ordinary one.)
TEST_F(FallstandTest, SpaetereVersionUeberstehtAenderungUndSpeichern) {
    const auto mitSpaeterem = [](Einstellungssatz satz) {
        satz[70] = 'V';
        satz[74] = '9';
        return satz;
    };
    const auto roh = [](std::string_view text) {
        Einstellungssatz satz;
        satz.fill(' ');
        std::copy(text.begin(), text.end(), satz.begin());
        return satz;
    };
    Steuerangaben steuer;
    steuer.steuerklasse = 1;
    Zeitraum elternzeit;
    elternzeit.art = Zeitraumart::elternzeit;
    elternzeit.von = KalenderMonat(2027, 1);
    elternzeit.bis = KalenderMonat(2027, 12);
    const std::vector<Einstellungssatz> saetze{
        fallsatz(10),
        tabellensatzBilden("vka"),
        mitSpaeterem(kalendersatzBilden(teilzeitAb({2026, 7}))),
        roh("zzeine spätere Art"),
        roh("fnXein Fall, den diese Version nicht kennt"),
        roh("fnI\xff\xfe"),
        mitSpaeterem(svSatzBilden(steuer)),
        personensaetzeBilden({"Anna Müller", "", "", ""}).front(),
        roh("peQein Feld, das diese Version nicht kennt"),
        mitSpaeterem(zeitraumsatzBilden(elternzeit))};
    oeffnen(saetze);
    ASSERT_EQ(fall.sitzung.fall().zeitraeume.size(), 1u);
    fall.sitzung.dauerSetzen(Seite::individuell, 1, 3, 30);
    fall.anzeige.fortschreiten(Seite::individuell);
    std::string fehler;
    ASSERT_TRUE(fall.sitzung.speichern(fall.felder.text({Feldname::Startgruppe}), datei, fehler))
        << fehler;
    std::ifstream gelesen(datei, std::ios::binary);
    const std::string inhalt{std::istreambuf_iterator<char>(gelesen), {}};
    ASSERT_EQ(inhalt.size(), saetze.size() * einstellungssatzLaenge);
    for (std::size_t i = 1; i < saetze.size(); ++i)
        EXPECT_EQ(inhalt.substr(i * einstellungssatzLaenge, einstellungssatzLaenge),
                  alsText({saetze[i]}))
            << "Satz " << i + 1;
    EXPECT_NE(inhalt.substr(0, einstellungssatzLaenge), alsText({saetze[0]}));
}
