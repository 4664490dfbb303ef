// The table in force by calendar month, the assumed raise and the part-time pay, on the VKA tables
// of the tariff file.
#include <gtest/gtest.h>

#include <limits>

#include "teilzeit.h"
#include "vkanachdatum.h"

using namespace korvalt;
using test::egr12;
using test::egr4;
using test::egr9b;

namespace {

Tabellenfolge folge(std::optional<AngenommeneErhoehung> erhoehung = std::nullopt) {
    return Tabellenfolge(test::vkaNachDatum().tabellen, erhoehung, KalenderMonat(2080, 12));
}

std::int32_t cent(const Tabellenfolge& f, int jahr, int monat, int gruppe, int stufe) {
    return f.entgelt(KalenderMonat(jahr, monat), gruppe, stufe).value_or(-1);
}

}  // namespace

// The months each table comes into force are checked on a whole case in
// KalenderRechnerTest.VkaNachDatumZahltDieTabelleDesMonats; after the last table it stays in force.
TEST(Tabellenfolge, TabelleImKalendermonat) {
    const Tabellenfolge f = folge();
    EXPECT_EQ(cent(f, 2080, 12, egr9b, 2), 403901);
    EXPECT_EQ(f.tabelleIm(KalenderMonat(2026, 4)).schluessel, "2025-04");
    EXPECT_FALSE(f.entgelt(KalenderMonat(2026, 5), 1, 1));
}

// EGr. 4 step 6 of 05/2026 is 3.620,20; +2,5 % from 04/2027 gives 3.710,705, a half: 3.710,71
// (to the even cent it would be 3.710,70). Twelve months later +2,5 % on 3.710,71 = 3.803,47775,
// 3.803,48.
TEST(Tabellenfolge, ErhoehungJaehrlichAufDenCentGerundet) {
    const Tabellenfolge f = folge(AngenommeneErhoehung{25, KalenderMonat(2027, 4)});
    EXPECT_EQ(cent(f, 2027, 3, egr4, 6), 362020);
    EXPECT_EQ(cent(f, 2027, 4, egr4, 6), 371071);
    EXPECT_EQ(cent(f, 2028, 3, egr4, 6), 371071);
    EXPECT_EQ(cent(f, 2028, 4, egr4, 6), 380348);
    EXPECT_FALSE(f.erhoehungGenutzt(KalenderMonat(2025, 1), KalenderMonat(2027, 3)));
    EXPECT_TRUE(f.erhoehungGenutzt(KalenderMonat(2025, 1), KalenderMonat(2027, 4)));
    EXPECT_TRUE(f.erhoehungGenutzt(KalenderMonat(2030, 1), KalenderMonat(2030, 2)));
}

// A raise from 04/2026 raises the table of 04/2025; the table of 05/2026 replaces it, and the next
// raise in 04/2027 applies to that one.
TEST(Tabellenfolge, SpaetereTabelleErsetztDieErhoehte) {
    const Tabellenfolge f = folge(AngenommeneErhoehung{25, KalenderMonat(2026, 4)});
    EXPECT_EQ(cent(f, 2026, 4, egr9b, 2), centErhoehen(392900, 25));
    EXPECT_EQ(cent(f, 2026, 5, egr9b, 2), 403901);
    EXPECT_EQ(cent(f, 2027, 4, egr9b, 2), centErhoehen(403901, 25));
}

// A yearly raise that falls in the month a table comes into force (05/2025, then 05/2026) raises
// the table in force that month, the new one: 4.039,01 + 2,5 % = 4.139,99 from 05/2026, not the
// table of 04/2025 that the new one replaces; 12 months later 4.243,49.
TEST(Tabellenfolge, ErhoehungImMonatDerNeuenTabelle) {
    const Tabellenfolge f = folge(AngenommeneErhoehung{25, KalenderMonat(2025, 5)});
    EXPECT_EQ(cent(f, 2026, 4, egr9b, 2), centErhoehen(392900, 25));
    EXPECT_EQ(cent(f, 2026, 5, egr9b, 2), 413999);
    EXPECT_EQ(cent(f, 2027, 5, egr9b, 2), 424349);
    EXPECT_EQ(f.tabelleIm(KalenderMonat(2026, 5)).schluessel, "2026-05");
}

TEST(Tabellenfolge, ErhoehungBleibtIm32BitBereich) {
    constexpr auto groesster = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(centErhoehen(groesster, 100), groesster);
}

// EGr. 12 step 3 of 05/2026 is 5.359,50; 75 % of it is 4.019,625, a half cent up: 4.019,63 (to the
// even cent 4.019,62). The month's difference to the full-time case is -1.339,87: -25 % of
// 5.359,50, rounded in the month.
TEST(Teilzeit, AnteilAufDenCentGerundet) {
    EXPECT_EQ(teilzeitCent(535950, 7500), 401963);
    EXPECT_EQ(teilzeitCent(535950, 7500) - 535950, -133987);
    EXPECT_EQ(teilzeitCent(535950, vollzeitAnteil), 535950);
    EXPECT_EQ(teilzeitCent(535950, kleinsterAnteil), 5360);
}
