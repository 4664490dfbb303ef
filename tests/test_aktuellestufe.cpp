// "In step s since MM/JJJJ": column 1 as the walk meets it, the step held at the start month, and
// when the step cannot be set.
#include <gtest/gtest.h>

#include "aktuellestufe.h"

using namespace korvalt;

namespace {

const Stufendauern standard{12, 24, 36, 48, 60, 120};
const KalenderMonat beginn(2026, 7);

}  // namespace

// Step 3 since 04/2024, Beginn 07/2026: 27 months served of 36, 9 left; since 07/2023 the step is
// served to its end, and the case holds step 4 at its start month.
TEST(AktuelleStufe, RestDerStufeAmBeginn) {
    const auto rest = aktuelleStufeAnrechnen(standard, {3, KalenderMonat(2024, 4)}, beginn);
    EXPECT_EQ(rest, (Stufendauern{0, 0, 9, 48, 60, 120}));
    EXPECT_EQ(stufeAmBeginn(rest, 3), 3);
    const auto voll = aktuelleStufeAnrechnen(standard, {3, KalenderMonat(2023, 7)}, beginn);
    EXPECT_EQ(voll, (Stufendauern{0, 0, 0, 48, 60, 120}));
    EXPECT_EQ(stufeAmBeginn(voll, 3), 4);
}

// Step 3 typed down to 12 months after the step was set: the 27 months served run on into step 4.
TEST(AktuelleStufe, KuerzereDauerLaeuftInDieNaechsteStufe) {
    EXPECT_EQ(
        aktuelleStufeAnrechnen({12, 24, 12, 48, 60, 120}, {3, KalenderMonat(2024, 4)}, beginn),
        (Stufendauern{0, 0, 0, 33, 60, 120}));
}

TEST(AktuelleStufe, ZuLangeOderSpaeterAlsDerBeginn) {
    Falltabellen t;
    standardfallSetzen(t);
    EXPECT_EQ(aktuelleStufePruefen(t, {3, KalenderMonat(2023, 7)}, beginn), "");
    EXPECT_EQ(aktuelleStufePruefen(t, {3, KalenderMonat(2023, 6)}, beginn),
              "Normalfall: 37 Monate in Stufe 3 seit 06/2023 überschreiten die Stufenlaufzeit von "
              "36 Monaten.");
    EXPECT_EQ(aktuelleStufePruefen(t, {2, KalenderMonat(2026, 8)}, beginn),
              "Stufe 2 seit 08/2026: dieser Monat liegt nach dem Beginn 07/2026.");
    t.stufendauer(2, 1, 3) = 24;
    EXPECT_EQ(aktuelleStufePruefen(t, {3, KalenderMonat(2024, 4)}, beginn),
              "Individueller Fall: 27 Monate in Stufe 3 seit 04/2024 überschreiten die "
              "Stufenlaufzeit von 24 Monaten.");
}
