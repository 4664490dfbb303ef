// The person's records "pe": their bytes, reading them back, what a field may hold; and the
// records of the names, the tax settings and the person in the settings file, with and without
// them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "kalendersatz.h"
#include "svsatz.h"
#include "tariftabelle.h"
#include "textsatz.h"

using namespace korvalt;

namespace {

// The text padded with blanks to a whole record.
std::string satzText(const std::string& text) {
    return text + std::string(einstellungssatzLaenge - text.size(), ' ');
}

Einstellungssatz ausText(const std::string& text) {
    Einstellungssatz satz;
    const std::string ganz = satzText(text);
    std::copy(ganz.begin(), ganz.end(), satz.begin());
    return satz;
}

}  // namespace

// One record per field that is set, in the order N, P, D, B; the text in UTF-8 ("ü" is two
// bytes) and blanks up to 75 bytes.
TEST(Personensatz, BytesUndZurueck) {
    const struct {
        Personenangaben person;
        std::vector<std::string> saetze;
    } faelle[] = {
        {{"Anna Müller", "P-4711", "Stadt Musterstadt", "B. Schäfer"},
         {"peNAnna M\xC3\xBCller", "pePP-4711", "peDStadt Musterstadt",
          "peBB. Sch\xC3\xA4"
          "fer"}},
        {{"", "", "", "B. Schäfer"},
         {"peBB. Sch\xC3\xA4"
          "fer"}},
    };
    for (const auto& f : faelle) {
        const auto saetze = personensaetzeBilden(f.person);
        ASSERT_EQ(saetze.size(), f.saetze.size());
        Personenangaben zurueck;
        for (std::size_t i = 0; i < saetze.size(); ++i) {
            EXPECT_EQ(saetze[i], ausText(f.saetze[i]));
            std::string fehler;
            const auto angabe = personensatzLesen(saetze[i], fehler);
            ASSERT_TRUE(angabe) << fehler;
            zurueck.*angabe->feld->text = angabe->text;
        }
        EXPECT_EQ(zurueck, f.person);
    }
}

// 72 bytes fill the record to its last position and come back whole; one more is refused.
TEST(Personensatz, ZweiundsiebzigBytesPassenGenau) {
    Personenangaben person;
    person.dienststelle = std::string(70, 'x') + "\xC3\xBC";
    const auto saetze = personensaetzeBilden(person);
    ASSERT_EQ(saetze.size(), 1u);
    std::string fehler;
    EXPECT_EQ(personensatzLesen(saetze[0], fehler)->text, person.dienststelle);
    EXPECT_EQ(personenangabePruefen("Dienststelle", person.dienststelle), "");
    EXPECT_EQ(personenangabePruefen("Dienststelle", person.dienststelle + "x"),
              "Dienststelle: zu lang \u2013 bitte um 1 Zeichen kürzen (Platz für 72 Zeichen; ä, "
              "ö, ü und ß zählen doppelt).");
}

TEST(Personensatz, WasEinFeldNichtEnthaltenDarf) {
    const struct {
        std::string text;
        const char* grund;  // "" for a text that can be saved
    } faelle[] = {
        {"Jürgen Weiß, 5 \xE2\x82\xAC", ""}, {"Anna\tMüller", "Steuerzeichen"},
        {"Anna\xC2\x85", "Steuerzeichen"},  // NEL, a control character of two bytes
        {"M\xFCller", "kein UTF-8"},        // Latin-1
        {"\xC0\xAF", "kein UTF-8"},         // "/" in two bytes
    };
    for (const auto& f : faelle) {
        const std::string grund = personenangabePruefen("Name", f.text);
        if (*f.grund == '\0') {
            EXPECT_EQ(grund, "") << f.text;
        } else {
            EXPECT_NE(grund.find(f.grund), std::string::npos) << f.text << ": " << grund;
        }
    }
}

// A case without names, tax settings or person is saved as before there were such records, in
// 2006 its case record alone; with them, in the order of the file: case, table, calendar, the
// names, the tax settings, the person's fields. The file gives them back, and a case restored
// without them has none.
TEST(Zusatzsaetze, InDerEinstellungsdatei) {
    Falltabellen t;
    standardfallSetzen(t);
    const Personenangaben person{"Anna Müller", "4711", "", ""};
    EXPECT_EQ(einstellungssaetzeBilden("9", t, tabelle2006()),
              std::vector<Einstellungssatz>{einstellungssatzBilden(9, t, gruppen2006)});
    t.person = person;
    const auto in2006 = einstellungssaetzeBilden("9", t, tabelle2006());
    ASSERT_EQ(in2006.size(), 3u);
    EXPECT_EQ(in2006[0], einstellungssatzBilden(9, t, gruppen2006));

    Tariftabelle mitCent = tabelle2006();
    mitCent.schluessel = "2026-05";
    mitCent.inCent = true;
    t.person = {};
    t.kalender.beginn = KalenderMonat(2026, 1);
    EXPECT_EQ(einstellungssaetzeBilden("9", t, mitCent).size(), 3u);
    const Fallnamen namen{"ohne Höhergruppierung", "mit Höhergruppierung nach 9b zum 07/2026"};
    Steuerangaben steuer;
    steuer.kirchensteuerProzent = 9;
    t.namen = namen;
    t.steuer = steuer;
    t.person = person;
    const auto saetze = einstellungssaetzeBilden("9", t, mitCent);
    std::vector<Satzart> arten;
    for (const auto& satz : saetze) arten.push_back(satzartVon(satz));
    EXPECT_EQ(arten,
              (std::vector{Satzart::fall, Satzart::tabelle, Satzart::kalender, Satzart::fallnamen,
                           Satzart::fallnamen, Satzart::steuer, Satzart::person, Satzart::person}));
    ASSERT_EQ(saetze.size(), 8u);
    EXPECT_EQ(std::vector(saetze.begin() + 3, saetze.begin() + 5), fallnamensaetzeBilden(namen));
    EXPECT_EQ(saetze[5], svSatzBilden(steuer));
    EXPECT_EQ(std::vector(saetze.begin() + 6, saetze.end()), personensaetzeBilden(person));

    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    std::string fehler;
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, saetze, fehler)) << fehler;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    EXPECT_EQ(lesung.hinweis, "");
    EXPECT_EQ(lesung.steuer, steuer);
    Falltabellen zurueck;
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, *lesung.kalendersatz, zurueck,
                                                 gruppen2006, lesung.person, lesung.fallnamen,
                                                 lesung.steuersatz));
    EXPECT_EQ(zurueck.namen, namen);
    EXPECT_EQ(zurueck.steuer, steuer);
    EXPECT_EQ(zurueck.person, person);
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, zurueck, gruppen2006));
    EXPECT_TRUE(zurueck.namen.standard());
    EXPECT_FALSE(zurueck.steuer);
    EXPECT_TRUE(zurueck.person.leer());
}

// Of each record the first sound one counts; a damaged one, and a name record of a case or a
// person record of a field this version does not know, are passed over and named.
TEST(Zusatzsaetze, DoppelteBeschaedigteUndUnbekannteSaetze) {
    Steuerangaben privatInSachsen;
    privatInSachsen.steuerklasse = 3;
    privatInSachsen.kirchensteuerProzent = 8;
    privatInSachsen.kinder = 1;
    privatInSachsen.sachsen = true;
    privatInSachsen.privatbeitrag = 61250;
    const struct {
        const char* name;
        std::vector<std::string> saetze;
        std::optional<Steuerangaben> steuer;
        Fallnamen namen;
        Personenangaben person;
        const char* hinweis;
    } faelle[] = {
        {"Steuer",
         {"sv 00000", "sv300811    061250", "sv100000"},
         privatInSachsen,
         {},
         {},
         ": der 2. Satz: Der Steuer- und Sozialversicherungssatz ist beschädigt (Steuerklasse). "
         "Die Datei bleibt unverändert"},
        {"Namen",
         {"fnIM\xFC"
          "ller",
          "fnIFall B", "fnIFall C", "fnXFall X", "fnN"},
         {},
         {"Normalfall", "Fall B"},
         {},
         "der 2. Satz: Der Namenssatz ist beschädigt (Name des individuellen Falls); der 5. Satz: "
         "Den Fall \u201EX\u201C eines Namenssatzes kennt diese Version von Korvalt nicht; der 6. "
         "Satz: Der Namenssatz ist beschädigt (Name des Normalfalls). Die Datei bleibt "
         "unverändert"},
        {"Person",
         {"peNM\xFCller", "peNAnna", "peNBerta", "peZZimmer 3"},
         {},
         {},
         {"Anna", "", "", ""},
         "der 2. Satz: Der Personensatz ist beschädigt (Name); der 5. Satz: Die Angabe zur Person "
         "\u201EZ\u201C kennt diese Version von Korvalt nicht. Die Datei bleibt unverändert"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        test::TemporaeresVerzeichnis verzeichnis;
        const auto datei = verzeichnis.pfad() / einstellungsdateiName;
        std::string inhalt = "st\x09" + std::string(72, '1');
        for (const auto& satz : f.saetze) inhalt += satzText(satz);
        std::ofstream(datei, std::ios::binary) << inhalt;
        const Einstellungslesung lesung = einstellungsdateiLesen(datei);
        ASSERT_EQ(lesung.ergebnis, Einstellungslesung::Ergebnis::gelesen);
        EXPECT_EQ(lesung.steuer, f.steuer);
        EXPECT_EQ(lesung.fallnamen, f.namen);
        EXPECT_EQ(lesung.person, f.person);
        EXPECT_NE(lesung.hinweis.find(f.hinweis), std::string::npos) << lesung.hinweis;
    }
}

// The one record of a text, "pe" and "fn": the letter at 3, the text from 4 to 75. Read a byte
// early or late, the letter is another one and the text loses its first or its last byte.
TEST(Textsatz, JedesFeldAnSeinerStelle) {
    const std::string text = "A" + std::string(70, '-') + "Z";
    Personenangaben person;
    person.bearbeiter = text;
    Fallnamen namen;
    namen.individuell = text;
    std::string fehler;
    ASSERT_EQ(personensaetzeBilden(person), std::vector{ausText("peB" + text)});
    ASSERT_EQ(fallnamensaetzeBilden(namen), std::vector{ausText("fnI" + text)});
    const auto angabe = personensatzLesen(ausText("peB" + text), fehler);
    ASSERT_TRUE(angabe) << fehler;
    EXPECT_EQ(angabe->feld->kennbuchstabe, 'B');
    EXPECT_EQ(angabe->text, text);
    const auto name = fallnamensatzLesen(ausText("fnI" + text), fehler);
    ASSERT_TRUE(name) << fehler;
    EXPECT_EQ(name->feld->kennbuchstabe, 'I');
    EXPECT_EQ(name->text, text);
}
