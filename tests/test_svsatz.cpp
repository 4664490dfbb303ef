// The tax and insurance settings: their limits, the values as typed, and their record "sv".
#include <gtest/gtest.h>

#include <string>

#include "einstellungssatz.h"
#include "svsatz.h"

using namespace korvalt;

namespace {

Einstellungssatz satzAus(const std::string& text) {
    Einstellungssatz satz;
    satz.fill(' ');
    std::copy(text.begin(), text.end(), satz.begin());
    return satz;
}

Steuerangaben gesetzlich() {
    Steuerangaben a;
    a.kinderfreibetraegeZehntel = 15;
    a.kirchensteuerProzent = 9;
    a.kinder = 2;
    a.zusatzbeitrag = Prozentsatz::hundertstel(290);
    a.zusatzversorgung = Prozentsatz::hundertstel(240);
    return a;
}

Steuerangaben privatInSachsen() {
    Steuerangaben a;
    a.steuerklasse = 3;
    a.kirchensteuerProzent = 8;
    a.kinder = 1;
    a.sachsen = true;
    a.privatbeitrag = 61250;
    return a;
}

}  // namespace

// The golden records: what is not set stays blank, the additional rate and the premium exclude
// each other, and every value reads back.
TEST(SvSatz, BytesUndZurueck) {
    const struct {
        const char* name;
        Steuerangaben angaben;
        const char* bytes;
    } faelle[] = {
        // class, allowances in tenths, church, children, Saxony, additional rate, premium, ZV
        {"gesetzlich", gesetzlich(), "sv1159200290      0240"},
        {"Vorgaben", Steuerangaben{}, "sv100000"},
        {"privat in Sachsen", privatInSachsen(), "sv300811    061250"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(svSatzBilden(f.angaben), satzAus(f.bytes));
        std::string fehler;
        EXPECT_EQ(svSatzLesen(satzAus(f.bytes), fehler), f.angaben) << fehler;
    }
}

TEST(SvSatz, BeschaedigterSatz) {
    const struct {
        const char* text;
        const char* grund;
    } faelle[] = {
        {"sv 00000", "Steuerklasse"},
        {"sv700000", "Die Steuerklasse muss zwischen 1 und 6 liegen"},
        {"sv1x5000", "Kinderfreibeträge"},
        {"sv107000", "Kinderfreibeträge gehen von 0 bis 9,5 in Schritten von 0,5"},
        {"sv510000", "Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV"},
        {"sv100700", "Die Kirchensteuer beträgt 8 oder 9 %"},
        {"sv100002", "Sachsen"},
        {"sv100000 2x0", "Zusatzbeitrag"},
        {"sv1000001001", "Der Zusatzbeitrag von 10,01 % liegt nicht zwischen 0 und 10 %"},
        {"sv100000    000000",
         "Der Monatsbeitrag zur privaten Kranken- und Pflegeversicherung "
         "muss zwischen 0,01 und 9999,99 € liegen"},
        {"sv1000000290061250",
         "Privat Versicherte zahlen keinen Zusatzbeitrag einer gesetzlichen Krankenkasse"},
        {"sv100000          2,40", "Zusatzversorgung"},
        {"sv100000              2", "Zusatzversorgungskasse"},
        {"sv100000          02401", "Die VBL West hat ihre eigenen Sätze"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        std::string fehler;
        EXPECT_FALSE(svSatzLesen(satzAus(f.text), fehler));
        EXPECT_EQ(fehler, std::string("Der Steuer- und Sozialversicherungssatz ist beschädigt (") +
                              f.grund + ").");
    }
    std::string fehler;
    EXPECT_FALSE(svSatzLesen(satzAus("kz202501"), fehler));
}

// Each value as the dialog and the command line take it: the accepted forms, the limits, and the
// German reason.
TEST(Steuerangaben, WerteAlsText) {
    std::string fehler;
    EXPECT_EQ(steuerklasseLesen("3", fehler), 3);
    EXPECT_FALSE(steuerklasseLesen("7", fehler));
    EXPECT_EQ(fehler, "\u201E7\u201C ist keine Steuerklasse (1 bis 6).");
    EXPECT_FALSE(steuerklasseLesen("0", fehler));
    EXPECT_EQ(kinderfreibetraegeLesen("1,5", fehler), 15);
    EXPECT_EQ(kinderfreibetraegeLesen("9.5", fehler), 95);
    EXPECT_FALSE(kinderfreibetraegeLesen("1,2", fehler));
    EXPECT_FALSE(kinderfreibetraegeLesen("10", fehler));
    EXPECT_EQ(fehler,
              "\u201E10\u201C ist keine Zahl von Kinderfreibeträgen (0 bis 9,5 in "
              "Schritten von 0,5).");
    EXPECT_EQ(kirchensteuerLesen("9 %", fehler), 9);
    EXPECT_FALSE(kirchensteuerLesen("7", fehler));
    EXPECT_EQ(kinderLesen("0", fehler), 0);
    EXPECT_FALSE(kinderLesen("10", fehler));
    EXPECT_EQ(zusatzbeitragLesen("2,45", fehler), Prozentsatz::hundertstel(245));
    EXPECT_FALSE(zusatzbeitragLesen("10,5", fehler));
    EXPECT_EQ(fehler, "Der Zusatzbeitrag von 10,5 % liegt nicht zwischen 0 und 10 %.");
    EXPECT_EQ(privatbeitragLesen("612,50 €", fehler), 61250);
    EXPECT_FALSE(privatbeitragLesen("0", fehler));
    EXPECT_FALSE(privatbeitragLesen("12,345", fehler));
    EXPECT_EQ(zusatzversorgungLesen("2,4", fehler), Prozentsatz::hundertstel(240));
    EXPECT_EQ(steuerklasseText(4), "IV");
    EXPECT_EQ(kinderfreibetraegeText(15), "1,5");
    EXPECT_EQ(prozentText(Prozentsatz::hundertstel(290)), "2,9 %");
}

TEST(Steuerangaben, WasZusammenpasst) {
    Steuerangaben a;
    a.steuerklasse = 5;
    a.kinderfreibetraegeZehntel = 10;
    EXPECT_EQ(steuerangabenPruefen(a),
              "Kinderfreibeträge gibt es nur in den Steuerklassen I bis IV.");
    a.steuerklasse = 4;
    EXPECT_EQ(steuerangabenPruefen(a), "");
    a.zusatzbeitrag = Prozentsatz::hundertstel(250);
    a.privatbeitrag = 50000;
    EXPECT_NE(steuerangabenPruefen(a), "");
}

// Each field at its positions: written there and read from there. Read a byte early or late, each
// value changes or the record is damaged.
TEST(SvSatz, JedesFeldAnSeinerStelle) {
    const struct {
        const char* feld;
        Steuerangaben angaben;
        const char* bytes;
    } faelle[] = {
        {"Steuerklasse 3", {.steuerklasse = 4}, "sv400000"},
        {"Kinderfreibeträge 4-5", {.kinderfreibetraegeZehntel = 15}, "sv115000"},
        {"Kirchensteuer 6", {.kirchensteuerProzent = 9}, "sv100900"},
        {"Kinder 7", {.kinder = 3}, "sv100030"},
        {"Sachsen 8", {.sachsen = true}, "sv100001"},
        {"Zusatzbeitrag 9-12", {.zusatzbeitrag = Prozentsatz::hundertstel(1000)}, "sv1000001000"},
        {"private Versicherung 13-18", {.privatbeitrag = 912345}, "sv100000    912345"},
        {"Zusatzversorgung 19-22",
         {.zusatzversorgung = Prozentsatz::hundertstel(1000)},
         "sv100000          1000"},
        {"Zusatzversorgungskasse 23",
         {.versorgungskasse = Versorgungskasse::vblWest},
         "sv100000              1"},
        {"Umlage 24-27", {.umlage = Prozentsatz::hundertstel(1000)}, "sv100000               1000"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.feld);
        EXPECT_EQ(svSatzBilden(f.angaben), satzAus(f.bytes));
        std::string fehler;
        EXPECT_EQ(svSatzLesen(satzAus(f.bytes), fehler), f.angaben) << fehler;
    }
}
