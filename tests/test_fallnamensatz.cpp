// The records "fn" of the cases' names: their bytes, reading them back, what a name may hold.
#include <gtest/gtest.h>

#include <string>

#include "einstellungssatz.h"
#include "textsatz.h"

using namespace korvalt;

namespace {

Einstellungssatz ausText(const std::string& text) {
    Einstellungssatz satz;
    const std::string ganz = text + std::string(einstellungssatzLaenge - text.size(), ' ');
    std::copy(ganz.begin(), ganz.end(), satz.begin());
    return satz;
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
