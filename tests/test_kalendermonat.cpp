// Calendar months: arithmetic across the year, the two ways to write one, the limits of a start
// month.
#include <gtest/gtest.h>

#include "kalendermonat.h"

using namespace korvalt;

TEST(KalenderMonat, RechnetUeberDenJahreswechsel) {
    EXPECT_EQ(KalenderMonat(2026, 12) + 1, KalenderMonat(2027, 1));
    EXPECT_EQ(KalenderMonat(2027, 1) - 1, KalenderMonat(2026, 12));
    // Month n of a case beginning 01/2025 is 01/2025 + n - 1: month 600 is 12/2074.
    EXPECT_EQ(KalenderMonat(2025, 1) + 599, KalenderMonat(2074, 12));
    EXPECT_EQ(KalenderMonat(2026, 7) - KalenderMonat(2024, 4), 27);
}

TEST(KalenderMonat, Texte) {
    const KalenderMonat m(2026, 7);
    EXPECT_EQ(m.text(), "07/2026");
    EXPECT_EQ(m.kurztext(), "07/26");
    EXPECT_EQ(m.schluessel(), "2026-07");
}

TEST(KalenderMonat, Lesen) {
    for (const char* text : {"2026-07", "07/2026", " 7/2026 "}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(kalenderMonatLesen(text), KalenderMonat(2026, 7));
    }
    for (const char* text : {"2026-13", "00/2026", "26-07", "07/26", "2026-7x", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(kalenderMonatLesen(text));
    }
}

TEST(KalenderMonat, BeginnNurVon032024Bis122099) {
    std::string fehler;
    EXPECT_EQ(beginnLesen("2024-03", fehler), KalenderMonat(2024, 3));
    EXPECT_EQ(beginnLesen("12/2099", fehler), KalenderMonat(2099, 12));
    EXPECT_FALSE(beginnLesen("02/2024", fehler));
    EXPECT_EQ(
        fehler,
        "Der Beginn 02/2024 liegt vor 03/2024, dem ersten Monat der aktuellen Tariftabellen.");
    EXPECT_FALSE(beginnLesen("2100-01", fehler));
    EXPECT_EQ(fehler, "Der Beginn 01/2100 liegt nach 12/2099, dem spätesten möglichen Beginn.");
    EXPECT_FALSE(beginnLesen("Juli", fehler));
    EXPECT_EQ(fehler,
              "\u201EJuli\u201C ist kein Monat (JJJJ-MM oder MM/JJJJ, etwa 2026-07 oder "
              "07/2026).");
}
