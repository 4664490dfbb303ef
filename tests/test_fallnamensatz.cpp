// The records "fn" of the cases' names: their bytes, reading them back, what a name may hold, and
// the settings file with and without them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "einstellungsdatei.h"
#include "einstellungssatz.h"
#include "fallnamensatz.h"
#include "kalendersatz.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

Einstellungssatz ausText(const std::string& text) {
    Einstellungssatz satz;
    const std::string ganz = text + std::string(einstellungssatzLaenge - text.size(), ' ');
    std::copy(ganz.begin(), ganz.end(), satz.begin());
    return satz;
}

std::string satzText(const std::string& text) {
    const Einstellungssatz satz = ausText(text);
    return std::string(satz.begin(), satz.end());
}

// A table with cents of its own key, so that a case in it has a table record.
Tariftabelle tabelleMitCent() {
    Tariftabelle t = tabelle2006();
    t.schluessel = "2026-05";
    t.inCent = true;
    return t;
}

const Fallnamen hoehergruppierung{"ohne Höhergruppierung",
                                  "mit Höhergruppierung nach 9b zum 07/2026"};

}  // namespace

// The promotion check's names, byte for byte: "ö" is two bytes, blanks up to 75.
TEST(Fallnamensatz, BytesDerHoehergruppierung) {
    const auto saetze = fallnamensaetzeBilden(hoehergruppierung);
    ASSERT_EQ(saetze.size(), 2u);
    EXPECT_EQ(saetze[0], ausText("fnNohne H\xC3\xB6hergruppierung"));
    EXPECT_EQ(saetze[1], ausText("fnImit H\xC3\xB6hergruppierung nach 9b zum 07/2026"));
    Fallnamen zurueck;
    for (const auto& satz : saetze) {
        std::string fehler;
        const auto angabe = fallnamensatzLesen(satz, fehler);
        ASSERT_TRUE(angabe) << fehler;
        zurueck.*angabe->feld->text = angabe->text;
    }
    EXPECT_EQ(zurueck, hoehergruppierung);
}

// Only a name that is not the default one has a record; 72 bytes fill it to its last position.
TEST(Fallnamensatz, NurEigeneNamenUndZweiundsiebzigBytes) {
    EXPECT_TRUE(fallnamensaetzeBilden({}).empty());
    Fallnamen namen;
    namen.individuell = std::string(70, 'x') + "\xC3\xBC";
    const auto saetze = fallnamensaetzeBilden(namen);
    ASSERT_EQ(saetze.size(), 1u);
    EXPECT_EQ(saetze[0][2], 'I');
    std::string fehler;
    EXPECT_EQ(fallnamensatzLesen(saetze[0], fehler)->text, namen.individuell);
    EXPECT_NE(fallnamePruefen("Name", namen.individuell + "x").find("zu lang"), std::string::npos);
}

TEST(Fallnamensatz, WasEinNameNichtEnthaltenDarf) {
    const struct {
        std::string text;
        const char* grund;  // "" for a name that can be saved
    } faelle[] = {
        {"ohne Höhergruppierung", ""},
        {"", "leer"},
        {"   ", "leer"},
        {" Fall A", "Leerzeichen"},
        {"Fall\tA", "Steuerzeichen"},
        {"M\xFCller", "kein UTF-8"},
    };
    for (const auto& f : faelle) {
        const std::string grund = fallnamePruefen("Name des Normalfalls", f.text);
        if (*f.grund == '\0')
            EXPECT_EQ(grund, "") << f.text;
        else
            EXPECT_NE(grund.find(f.grund), std::string::npos) << f.text << ": " << grund;
    }
}

// A case with the default names is saved as before; with names of its own their records stand
// after the calendar record and before the person's, and the file gives them back.
TEST(Fallnamensatz, InDerEinstellungsdatei) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    Falltabellen t;
    standardfallSetzen(t);
    t.kalender.beginn = KalenderMonat(2026, 1);
    t.person.name = "Anna";
    const auto ohne = einstellungssaetzeBilden("9", t, tabelleMitCent());
    t.namen = hoehergruppierung;
    const auto mit = einstellungssaetzeBilden("9", t, tabelleMitCent());
    ASSERT_EQ(mit.size(), ohne.size() + 2);
    EXPECT_EQ(satzartVon(mit[2]), Satzart::kalender);
    EXPECT_EQ(mit[3], fallnamensaetzeBilden(hoehergruppierung)[0]);
    EXPECT_EQ(mit[4], fallnamensaetzeBilden(hoehergruppierung)[1]);
    EXPECT_EQ(satzartVon(mit[5]), Satzart::person);

    std::string fehler;
    ASSERT_TRUE(einstellungsdateiSchreiben(datei, mit, fehler)) << fehler;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    EXPECT_EQ(lesung.hinweis, "");
    EXPECT_EQ(lesung.fallnamen, hoehergruppierung);
    Falltabellen zurueck;
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, *lesung.kalendersatz, zurueck,
                                                 gruppen2006, lesung.person, lesung.fallnamen));
    EXPECT_EQ(zurueck.namen, hoehergruppierung);
    // Restoring a case without names gives it the default ones again.
    ASSERT_TRUE(einstellungssatzWiederherstellen(lesung.satz, zurueck, gruppen2006));
    EXPECT_TRUE(zurueck.namen.standard());
}

// Of each case the first sound record counts; a damaged one and one of a case this version does
// not know are passed over and named, and that case keeps its default name.
TEST(Fallnamensatz, DateiMitDoppeltemBeschaedigtemUndUnbekanntemFall) {
    test::TemporaeresVerzeichnis verzeichnis;
    const auto datei = verzeichnis.pfad() / einstellungsdateiName;
    std::string inhalt = "st\x09" + std::string(72, '1');
    for (const char* satz : {"fnIM\xFC"
                             "ller",
                             "fnIFall B", "fnIFall C", "fnXFall X", "fnN"})
        inhalt += satzText(satz);
    std::ofstream(datei, std::ios::binary) << inhalt;
    const Einstellungslesung lesung = einstellungsdateiLesen(datei);
    ASSERT_EQ(lesung.ergebnis, Einstellungslesung::Ergebnis::gelesen);
    EXPECT_EQ(lesung.fallnamen, (Fallnamen{"Normalfall", "Fall B"}));
    EXPECT_NE(lesung.hinweis.find(
                  "der 2. Satz: Der Namenssatz ist beschädigt (Name des individuellen Falls); der "
                  "5. Satz: Den Fall \u201EX\u201C eines Namenssatzes kennt diese Version von "
                  "Korvalt nicht; der 6. Satz: Der Namenssatz ist beschädigt (Name des "
                  "Normalfalls). Die Datei bleibt unverändert"),
              std::string::npos)
        << lesung.hinweis;
}
