// The year list as a spreadsheet, read back from the file: its numbers are the CSV's.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>

#include "hoehergruppierungsbeispiel.h"
#include "jahresliste_csv.h"
#include "meldungsprotokoll.h"
#include "sitzung.h"
#include "tabellenmappe.h"

using namespace korvalt;

namespace {

// The numbers of the first sheet by row (the heads are row 1) and column (from 0): `unzip -p` gives
// its XML, in which a number is a cell without a type and its value.
std::map<std::pair<int, int>, double> blattzahlen(const std::string& datei) {
    std::string xml;
    if (FILE* rohr = popen(("unzip -p '" + datei + "' xl/worksheets/sheet1.xml").c_str(), "r")) {
        char puffer[4096];
        while (const std::size_t n = fread(puffer, 1, sizeof puffer, rohr)) xml.append(puffer, n);
        pclose(rohr);
    }
    std::map<std::pair<int, int>, double> zahlen;
    const std::regex zelle(R"re(<c r="([A-Z]+)(\d+)"( s="\d+")?><v>([^<]*)</v></c>)re");
    for (std::sregex_iterator i(xml.begin(), xml.end(), zelle), ende; i != ende; ++i) {
        int spalte = 0;
        for (char c : (*i)[1].str()) spalte = spalte * 26 + (c - 'A' + 1);
        zahlen[{std::stoi((*i)[2].str()), spalte - 1}] = std::stod((*i)[4].str());
    }
    return zahlen;
}

}  // namespace

// The faults: an amount written as text, a number in the wrong row or column, cents read as
// euros, a row of the CSV left out.
TEST(Tabellenmappe, JahreslisteHatDieZahlenDerCsv) {
    Sitzung sitzung;
    test::Meldungsprotokoll meldungen;
    ASSERT_EQ(sitzung.oeffnen({{"."}}, meldungen).fehler, "");
    std::string fehler;
    ASSERT_TRUE(sitzung.hoehergruppierungEinrichten(test::hoehergruppierungsbeispiel(), fehler));
    sitzung.starten(sitzung.fall().startgruppe);

    const std::string datei = testing::TempDir() + "jahresliste.xlsx";
    ASSERT_TRUE(mappeSchreiben(datei, jahreslisteMappe(sitzung), fehler)) << fehler;
    const auto zahlen = blattzahlen(datei);

    std::map<std::pair<int, int>, double> erwartet;
    const std::string csv = jahreslisteCsv(jahresdatenBilden(sitzung, true));
    std::size_t anfang = csv.find('\n') + 1;
    // The sheet counts its rows from 1, the heads' row.
    for (int zeile = 2; anfang < csv.size(); ++zeile) {
        const std::size_t ende = csv.find('\n', anfang);
        const std::string text = csv.substr(anfang, ende - anfang);
        anfang = ende + 1;
        int spalte = 0;
        for (std::size_t von = 0; von <= text.size(); ++spalte) {
            const std::size_t bis = std::min(text.find(';', von), text.size());
            std::string zelle = text.substr(von, bis - von);
            von = bis + 1;
            if (zelle.empty() || zelle.find_first_not_of("-0123456789,") != std::string::npos)
                continue;
            std::replace(zelle.begin(), zelle.end(), ',', '.');
            erwartet[{zeile, spalte}] = std::stod(zelle);
        }
    }
    // 20 years and the sum, each with its amounts.
    ASSERT_GT(erwartet.size(), 21u * 7);
    EXPECT_EQ(zahlen, erwartet);
    std::remove(datei.c_str());
}
