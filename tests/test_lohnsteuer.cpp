// The wage-tax programs generated from the BMF's XML: the BMF's 207 test values of 2026, hand
// reckoned cases of 2024 and 2025, and which program applies in which month.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lohnsteuer.h"

using namespace korvalt;

namespace {

// "2.5" -> 2.5 exactly; "" -> 0.
Dezimal zahl(const std::string& text) {
    std::int64_t mantisse = 0;
    int skala = -1;
    for (char c : text) {
        if (c == '.') {
            skala = 0;
            continue;
        }
        mantisse = mantisse * 10 + (c - '0');
        if (skala >= 0) ++skala;
    }
    return Dezimal(mantisse, std::max(skala, 0));
}

int ganz(const std::string& text, int vorgabe) {
    return text.empty() ? vorgabe : std::stoi(text);
}

std::vector<std::string> felder(const std::string& zeile) {
    std::vector<std::string> teile;
    std::stringstream strom(zeile);
    std::string teil;
    while (std::getline(strom, teil, ';')) teile.push_back(teil);
    if (!zeile.empty() && zeile.back() == ';') teile.emplace_back();
    return teile;
}

PapEingaben monatslohn(std::int64_t cent, int steuerklasse) {
    PapEingaben e;
    e.RE4 = Dezimal(cent, 0);
    e.STKL = steuerklasse;
    return e;
}

}  // namespace

// Every row of the BMF's interface, to the cent in all six outputs: a wrong translation of any
// statement the rows pass through, a lost rounding or a wrong constant shows here.
TEST(Lohnsteuer, PruefwerteDesBmf2026) {
    std::ifstream datei(KORVALT_PRUEFWERTE);
    ASSERT_TRUE(datei) << KORVALT_PRUEFWERTE;
    std::string zeile;
    std::getline(datei, zeile);
    ASSERT_EQ(zeile, "LZZ;RE4;STKL;KVZ;PVZ;PVS;PVA;ZKF;PKV;PKPV;LSTLZZ;SOLZLZZ;STS;SOLZS;BK;BKS");
    int zeilen = 0;
    for (int nummer = 2; std::getline(datei, zeile); ++nummer) {
        SCOPED_TRACE("Zeile " + std::to_string(nummer) + ": " + zeile);
        const auto f = felder(zeile);
        ASSERT_EQ(f.size(), 16u);
        PapEingaben e;
        e.LZZ = ganz(f[0], 1);
        e.RE4 = zahl(f[1]);
        e.STKL = ganz(f[2], 1);
        e.KVZ = zahl(f[3]);
        e.PVZ = ganz(f[4], 0);
        e.PVS = ganz(f[5], 0);
        e.PVA = zahl(f[6]);
        e.ZKF = zahl(f[7]);
        e.PKV = ganz(f[8], 0);
        e.PKPV = zahl(f[9]);
        const PapErgebnis erwartet{std::stoll(f[10]), std::stoll(f[11]), std::stoll(f[12]),
                                   std::stoll(f[13]), std::stoll(f[14]), std::stoll(f[15])};
        EXPECT_EQ(lohnsteuerBerechnen(Lohnsteuerprogramm::jahr2026, e), erwartet);
        ++zeilen;
    }
    EXPECT_EQ(zeilen, 207);
}

TEST(Lohnsteuer, ProgrammNachMonat) {
    const struct {
        KalenderMonat monat;
        Lohnsteuerprogramm programm;
        bool nachStand2026;
    } faelle[] = {
        {{2024, 1}, Lohnsteuerprogramm::jahr2024, false},
        {{2024, 11}, Lohnsteuerprogramm::jahr2024, false},
        {{2024, 12}, Lohnsteuerprogramm::dezember2024, false},
        {{2025, 1}, Lohnsteuerprogramm::jahr2025, false},
        {{2025, 12}, Lohnsteuerprogramm::jahr2025, false},
        {{2026, 12}, Lohnsteuerprogramm::jahr2026, false},
        {{2027, 1}, Lohnsteuerprogramm::jahr2026, true},
        {{2099, 12}, Lohnsteuerprogramm::jahr2026, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.monat.text());
        EXPECT_EQ(lohnsteuerprogramm(f.monat), f.programm);
        EXPECT_EQ(nachStand2026(f.monat), f.nachStand2026);
    }
}
