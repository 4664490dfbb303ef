// "In step s since MM/JJJJ": the durations of column 1 it gives, and when it changes nothing.
#include <gtest/gtest.h>

#include "aktuellestufe.h"

using namespace korvalt;

namespace {

const Stufendauern standard{12, 24, 36, 48, 60, 120};
const KalenderMonat beginn(2026, 7);

}  // namespace

// Step 3 since 04/2024, Beginn 07/2026: 27 months served of 36, 9 left.
TEST(AktuelleStufe, RestDerStufeAmBeginn) {
    std::string fehler;
    EXPECT_EQ(aktuelleStufeAnrechnen(standard, {3, KalenderMonat(2024, 4)}, beginn, fehler),
              (Stufendauern{0, 0, 9, 48, 60, 120}));
    EXPECT_EQ(aktuelleStufeAnrechnen(standard, {3, KalenderMonat(2023, 7)}, beginn, fehler),
              (Stufendauern{0, 0, 0, 48, 60, 120}));
}

TEST(AktuelleStufe, ZuLangeOderSpaeterAlsDerBeginn) {
    std::string fehler;
    EXPECT_FALSE(aktuelleStufeAnrechnen(standard, {3, KalenderMonat(2023, 6)}, beginn, fehler));
    EXPECT_EQ(fehler,
              "37 Monate in Stufe 3 seit 06/2023 überschreiten die Stufenlaufzeit von 36 "
              "Monaten.");
    EXPECT_FALSE(aktuelleStufeAnrechnen(standard, {2, KalenderMonat(2026, 8)}, beginn, fehler));
    EXPECT_EQ(fehler, "Stufe 2 seit 08/2026: dieser Monat liegt nach dem Beginn 07/2026.");
}

TEST(AktuelleStufe, BeideFaelleOderKeiner) {
    Falltabellen t;
    standardfallSetzen(t);
    t.stufendauer(2, 1, 3) = 24;
    std::string fehler;
    EXPECT_FALSE(aktuelleStufeSetzen(t, {3, KalenderMonat(2024, 4)}, beginn, fehler));
    EXPECT_EQ(fehler,
              "Individueller Fall: 27 Monate in Stufe 3 seit 04/2024 überschreiten die "
              "Stufenlaufzeit von 24 Monaten. Es wurde nichts geändert.");
    EXPECT_EQ(t.stufendauer(1, 1, 1), 12);

    EXPECT_TRUE(aktuelleStufeSetzen(t, {3, KalenderMonat(2024, 10)}, beginn, fehler));
    EXPECT_EQ(t.stufendauer(1, 1, 1), 0);
    EXPECT_EQ(t.stufendauer(1, 1, 3), 15);
    EXPECT_EQ(t.stufendauer(2, 1, 3), 3);
    EXPECT_EQ(t.stufendauer(2, 1, 4), 48);
}
