// The person's records "pe": their bytes, reading them back, what a field may hold, and the
// settings file with and without them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "personensatz.h"
#include "tariftabelle.h"

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

// A case without a person is saved as before there were persons; with one, its records follow the
// others, and the file gives it back.
TEST(Personensatz, InDerEinstellungsdatei) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen t;
    standardfallSetzen(t);
    const auto ohne = einstellungssaetzeBilden("9", t, tabelle2006());
    ASSERT_EQ(ohne.size(), 1u);
    EXPECT_EQ(ohne[0], einstellungssatzBilden(9, t, gruppen2006));

    t.person = {"Anna Müller", "4711", "", ""};
    const auto mit = einstellungssaetzeBilden("9", t, tabelle2006());
    ASSERT_EQ(mit.size(), 3u);
    EXPECT_EQ(mit[0], ohne[0]);
    std::string fehler;
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, mit, fehler)) << fehler;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    EXPECT_EQ(lesung.hinweis, "");
    Falltabellen zurueck;
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, ausText(""), zurueck, gruppen2006,
                                                 lesung.person));
    EXPECT_EQ(zurueck.person, t.person);
    // Restoring a case without a person clears the one shown before.
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, zurueck, gruppen2006));
    EXPECT_TRUE(zurueck.person.leer());
}

// Of each field the first sound record counts; a damaged one and one of a field this version does
// not know are passed over and named.
TEST(Personensatz, DateiMitDoppeltemBeschaedigtemUndUnbekanntemFeld) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    std::ofstream(datei, std::ios::binary) << "st\x09" + std::string(72, '1') +
                                                  satzText("peNM\xFCller") + satzText("peNAnna") +
                                                  satzText("peNBerta") + satzText("peZZimmer 3");
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_EQ(lesung.ergebnis, Einstellungslesung::Ergebnis::gelesen);
    EXPECT_EQ(lesung.person, (Personenangaben{"Anna", "", "", ""}));
    EXPECT_NE(lesung.hinweis.find("der 2. Satz: Der Personensatz ist beschädigt (Name); der 5. "
                                  "Satz: Die Angabe zur Person \u201EZ\u201C kennt diese Version "
                                  "von Korvalt nicht. Die Datei bleibt unverändert"),
              std::string::npos)
        << lesung.hinweis;
}
