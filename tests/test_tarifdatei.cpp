// The tariff file: the file built from the tariff tables, its record layout, and reading short,
// missing and made-up files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "meldungsprotokoll.h"
#include "tarifdatei.h"
#include "tariftabelle.h"

using namespace korvalt;

namespace {

Tarifsatz satzAus(Tarifdatei& datei, int nummer) {
    Tarifsatz satz;
    datei.lesen(nummer, satz);
    return satz;
}

}  // namespace

TEST(Tarifdatei, GebauteDateiHaeltDieTabelleVon2006) {
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    const Tabellenkatalog katalog = datei.aufsuchen({"."}, meldungen);
    ASSERT_TRUE(datei.offen());
    EXPECT_TRUE(meldungen.warnungen.empty());
    // The file ends with the last table of the list; the one of 2006 stays in records 200..214.
    EXPECT_EQ(std::filesystem::file_size(tarifdateiName),
              std::uintmax_t(katalog.saetzeNoetig()) * tarifsatzLaenge);
    EXPECT_EQ(katalog.standard().satzbasis, 200);

    const struct {
        int gruppe;
        std::int32_t stufe1, stufe6;
    } gruppen[] = {{15, 338400, 503000}, {9, 206100, 318000}, {8, 192600, 249300}, {1, 0, 144000}};
    for (const auto& g : gruppen) {
        const Tarifsatz satz = satzAus(datei, 215 - g.gruppe);
        EXPECT_EQ(satz(1), g.stufe1) << "EGr. " << g.gruppe;
        EXPECT_EQ(satz(6), g.stufe6) << "EGr. " << g.gruppe;
        for (int k = 7; k <= 27; ++k) EXPECT_EQ(satz(k), 0) << "reserved element " << k;
    }
    EXPECT_EQ(satzAus(datei, 206)(3), 241000);  // EGr. 9, step 3
    for (int nummer : {1, 100, 199}) {
        const Tarifsatz satz = satzAus(datei, nummer);
        for (int k = 1; k <= 27; ++k) ASSERT_EQ(satz(k), 0) << "record " << nummer;
    }
}

TEST(Tarifdatei, FehlendeDateiWirdGemeldetUndNichtAngelegt) {
    test::TemporaeresVerzeichnis verzeichnis;
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({verzeichnis.pfad()}, meldungen);
    EXPECT_FALSE(datei.offen());
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("nicht gefunden"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(verzeichnis.pfad() / tarifdateiName));
    const Tarifsatz satz = satzAus(datei, 206);
    EXPECT_EQ(satz(1), 0);
}

TEST(Tarifdatei, ZuKurzeDateiLiefertHinterDemEndeNullen) {
    test::TemporaeresVerzeichnis verzeichnis;
    test::tarifdateiSchreiben(verzeichnis.pfad() / tarifdateiName, test::steigendeTabelle(), 205);
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({verzeichnis.pfad()}, meldungen);
    ASSERT_TRUE(datei.offen());
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("zu kurz"), std::string::npos);
    EXPECT_EQ(satzAus(datei, 205)(1), test::steigendeTabelle()[10][1]);  // EGr. 10 is still there
    EXPECT_EQ(satzAus(datei, 206)(1), 0);  // EGr. 9 lies beyond the end
}

TEST(Tarifdatei, SuchtErstImArbeitsverzeichnisDannBeimProgramm) {
    const auto orte = tarifdateiSuchorte("/opt/korvalt/bin");
    ASSERT_EQ(orte.size(), 3u);
    EXPECT_EQ(orte[0], std::filesystem::path("."));
    EXPECT_EQ(orte[1], std::filesystem::path("/opt/korvalt/bin"));
    EXPECT_EQ(orte[2], std::filesystem::path("/opt/korvalt/bin/../share/korvalt"));

    test::TemporaeresVerzeichnis leer, mitDatei;
    test::tarifdateiSchreiben(mitDatei.pfad() / tarifdateiName, test::steigendeTabelle());
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({leer.pfad(), mitDatei.pfad()}, meldungen);
    EXPECT_EQ(datei.pfad(), mitDatei.pfad() / tarifdateiName);
    EXPECT_TRUE(meldungen.warnungen.empty());
}

TEST(Tarifdatei, NegativeBetraegeBleibenVorzeichenrichtig) {
    test::TemporaeresVerzeichnis verzeichnis;
    auto tabelle = test::steigendeTabelle();
    tabelle[9][2] = -150;
    test::tarifdateiSchreiben(verzeichnis.pfad() / tarifdateiName, tabelle);
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({verzeichnis.pfad()}, meldungen);
    EXPECT_EQ(satzAus(datei, 206)(2), -150);
}

struct Plausibilitaetsfall {
    const char* name;
    std::int32_t cent;
    const char* warnung;  // empty: no warning
};

class Plausibilitaet : public testing::TestWithParam<Plausibilitaetsfall> {};

TEST_P(Plausibilitaet, UnglaubhafteEntgelteWerdenEinmalGemeldet) {
    test::TemporaeresVerzeichnis verzeichnis;
    auto tabelle = test::steigendeTabelle();
    tabelle[9][2] = tabelle[12][5] = GetParam().cent;
    test::tarifdateiSchreiben(verzeichnis.pfad() / tarifdateiName, tabelle);
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({verzeichnis.pfad()}, meldungen);
    if (!*GetParam().warnung) {
        EXPECT_TRUE(meldungen.warnungen.empty());
        return;
    }
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find(GetParam().warnung), std::string::npos)
        << meldungen.warnungen[0];
}

INSTANTIATE_TEST_SUITE_P(
    Tarifdatei, Plausibilitaet,
    testing::Values(Plausibilitaetsfall{"knappUnterEinerMillion", 99'999'999, ""},
                    Plausibilitaetsfall{
                        "knappUeberEinerMillion", 100'000'001,
                        "Monatsentgelte über 1.000.000 Euro (2006, EGr. 9, Stufe 2)"},
                    Plausibilitaetsfall{"null", 0, ""},
                    Plausibilitaetsfall{"einCentUnterNull", -1,
                                        "negative Monatsentgelte (2006, EGr. 9, Stufe 2)"}),
    [](const auto& info) { return std::string(info.param.name); });

// The scan reads the whole file at once: a pay in the last record of a later table, past the 2006
// block, is found and named.
TEST(Tarifdatei, UnglaubhaftesEntgeltEinerSpaeterenTabelleWirdGemeldet) {
    test::TemporaeresVerzeichnis verzeichnis;
    for (const char* name : {tarifdateiName, tabellenlisteName})
        std::filesystem::copy_file(name, verzeichnis.pfad() / name);
    const Tabellenkatalog katalog = [&] {
        test::Meldungsprotokoll stumm;
        Tarifdatei gebaut;
        return gebaut.aufsuchen({verzeichnis.pfad()}, stumm);
    }();
    const Tariftabelle& mai2026 = katalog.tabelle("2026-05");
    {
        std::fstream datei(verzeichnis.pfad() / tarifdateiName,
                           std::ios::binary | std::ios::in | std::ios::out);
        unsigned char satz[tarifsatzLaenge] = {};
        elementSchreiben(satz, 1, -1);
        datei.seekp(std::streamoff(mai2026.satznummer(mai2026.gruppenzahl()) - 1) *
                        tarifsatzLaenge +
                    elementStelle(6));
        datei.write(reinterpret_cast<const char*>(satz), 4);
    }
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({verzeichnis.pfad()}, meldungen);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("negative Monatsentgelte (2026-05, EGr. 15, Stufe 6)"),
              std::string::npos)
        << meldungen.warnungen[0];
}

// EGr. 9 of 2006 (record 206): steps 1..6 as little-endian 32-bit integers, then 21 zero elements.
TEST(Tarifdatei, SatzlayoutAlsBytes) {
    const unsigned char anfang[] = {0x14, 0x25, 0x03, 0x00, 0x88, 0x7e, 0x03, 0x00,
                                    0x68, 0xad, 0x03, 0x00, 0x68, 0x2a, 0x04, 0x00,
                                    0x10, 0x8c, 0x04, 0x00, 0x30, 0xda, 0x04, 0x00};
    unsigned char golden[tarifsatzLaenge] = {};
    std::copy(std::begin(anfang), std::end(anfang), golden);

    unsigned char geschrieben[tarifsatzLaenge] = {};
    const std::int32_t cent[] = {206100, 229000, 241000, 273000, 298000, 318000};
    for (int stufe = 1; stufe <= 6; ++stufe) elementSchreiben(geschrieben, stufe, cent[stufe - 1]);
    EXPECT_TRUE(std::equal(std::begin(golden), std::end(golden), geschrieben));
    for (int stufe = 1; stufe <= 6; ++stufe)
        EXPECT_EQ(elementLesen(golden, stufe), cent[stufe - 1]);
    EXPECT_EQ(tarifsatzNummer(bereichSatzbasis(bereich2006), 15, 9), 206);

    std::ifstream datei(tarifdateiName, std::ios::binary);
    datei.seekg(205 * tarifsatzLaenge);
    unsigned char gebaut[tarifsatzLaenge] = {};
    datei.read(reinterpret_cast<char*>(gebaut), tarifsatzLaenge);
    EXPECT_TRUE(std::equal(std::begin(golden), std::end(golden), gebaut));
}

TEST(Tarifdatei, GebauteDateiHaeltDieTabellenAb2024) {
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    const Tabellenkatalog katalog = datei.aufsuchen({"."}, meldungen);
    const Tariftabelle* mai2026 = katalog.finden("2026-05");
    ASSERT_NE(mai2026, nullptr);
    const Gruppenentgelte neunA = gruppenentgelteLesen(datei, *mai2026, 9);
    EXPECT_EQ(neunA(4), 458677);
    const Gruppenentgelte eins = gruppenentgelteLesen(datei, *mai2026, 1);
    EXPECT_FALSE(eins(1).has_value());  // EGr. 1 runs from step 2
    EXPECT_EQ(eins(2), 253455);
    EXPECT_EQ(gruppenentgelteLesen(datei, *mai2026, 17)(6), 820411);  // EGr. 15
    // In 2006 the missing step is written as 0, and read as a pay of 0.
    EXPECT_EQ(gruppenentgelteLesen(datei, katalog.standard(), 1)(1), 0);
}

TEST(Tarifdatei, ZuKurzFuerDieTabellenDerListe) {
    test::TemporaeresVerzeichnis verzeichnis;
    test::tarifdateiSchreiben(verzeichnis.pfad() / tarifdateiName, test::steigendeTabelle());
    std::ofstream(verzeichnis.pfad() / tabellenlisteName)
        << "schluessel;ueberschrift;gruppen;regel;datei\n"
           "2006;Tariftabellen Stand JANUAR 2006 WEST;1 2 3 4 5 6 7 8 9 10 11 12 13 14 "
           "15;2006;a.csv\n"
           "2024-03;Tariftabellen Stand MÄRZ 2024;1 2 9a 9b;stufengleich;b.csv\n";
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    const Tabellenkatalog katalog = datei.aufsuchen({verzeichnis.pfad()}, meldungen);
    EXPECT_EQ(katalog.tabellen().size(), 2u);
    ASSERT_EQ(meldungen.warnungen.size(), 1u);
    EXPECT_NE(meldungen.warnungen[0].find("zu kurz (23.112 Bytes statt mindestens 24.084)"),
              std::string::npos)
        << meldungen.warnungen[0];
}
