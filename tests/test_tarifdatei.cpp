// The tariff file: the file built from the tariff table, and reading short, missing and made-up
// files.
#include <gtest/gtest.h>

#include <filesystem>

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
    ASSERT_EQ(std::filesystem::file_size(tarifdateiName), 214u * 108u);
    test::Meldungsprotokoll meldungen;
    Tarifdatei datei;
    datei.aufsuchen({"."}, meldungen);
    ASSERT_TRUE(datei.offen());
    EXPECT_TRUE(meldungen.warnungen.empty());

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
