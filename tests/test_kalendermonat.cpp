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
    EXPECT_LT(KalenderMonat(2025, 12), KalenderMonat(2026, 1));
}

TEST(KalenderMonat, Texte) {
    const KalenderMonat m(2026, 7);
    EXPECT_EQ(m.text(), "07/2026");
    EXPECT_EQ(m.kurztext(), "07/26");
    EXPECT_EQ(m.schluessel(), "2026-07");
    EXPECT_EQ(KalenderMonat(2100, 1).kurztext(), "01/00");
}

TEST(KalenderMonat, Lesen) {
    const struct {
        const char* text;
        std::optional<KalenderMonat> monat;
    } faelle[] = {
        {"2026-07", KalenderMonat(2026, 7)},
        {"07/2026", KalenderMonat(2026, 7)},
        {" 7/2026 ", KalenderMonat(2026, 7)},
        {"2026-12", KalenderMonat(2026, 12)},
        {"2026-13", std::nullopt},
        {"00/2026", std::nullopt},
        {"26-07", std::nullopt},
        {"07/26", std::nullopt},
        {"2026-7x", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(kalenderMonatLesen(f.text), f.monat);
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
