// The exact decimals of the wage-tax programs: BigDecimal's roundings, exact and rounded
// division, comparison across scales, and no silent overflow.
#include <gtest/gtest.h>

#include <stdexcept>

#include "dezimal.h"

using namespace korvalt;

namespace {

constexpr auto ab = Rundung::ROUND_DOWN;
constexpr auto auf = Rundung::ROUND_UP;

::testing::AssertionResult gleich(Dezimal ist, Dezimal soll) {
    if (ist.compareTo(soll) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ist.text() << " statt " << soll.text();
}

}  // namespace

// ROUND_DOWN cuts towards zero and ROUND_UP away from it, for negative values too (floor and
// ceiling would differ there); a half gets no special treatment.
TEST(Dezimal, RundungenNachBigDecimal) {
    const struct {
        Dezimal wert;
        Rundung rundung;
        Dezimal ergebnis;
    } faelle[] = {
        {Dezimal(45, 1), ab, Dezimal(4, 0)},        {Dezimal(-45, 1), ab, Dezimal(-4, 0)},
        {Dezimal(41, 1), auf, Dezimal(5, 0)},       {Dezimal(-41, 1), auf, Dezimal(-5, 0)},
        {Dezimal(40, 1), auf, Dezimal(4, 0)},       {Dezimal(12345, 3), ab, Dezimal(1234, 2)},
        {Dezimal(12341, 3), auf, Dezimal(1235, 2)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wert.text());
        const int skala = f.ergebnis.skala();
        EXPECT_TRUE(gleich(f.wert.setScale(skala, f.rundung), f.ergebnis));
        EXPECT_TRUE(gleich(f.wert.divide(Dezimal::ONE, skala, f.rundung), f.ergebnis));
    }
    EXPECT_TRUE(gleich(Dezimal(15, 1).setScale(3, ab), Dezimal(1500, 3)));
    EXPECT_EQ(Dezimal(-27, 1).longValue(), -2);
}

TEST(Dezimal, TeilenMitSkala) {
    EXPECT_TRUE(gleich(Dezimal(10, 0).divide(Dezimal(3, 0), 2, ab), Dezimal(333, 2)));
    EXPECT_TRUE(gleich(Dezimal(10, 0).divide(Dezimal(3, 0), 2, auf), Dezimal(334, 2)));
    EXPECT_TRUE(gleich(Dezimal(-10, 0).divide(Dezimal(3, 0), 2, ab), Dezimal(-333, 2)));
    // The divisor's scale counts: 1 / 0.07 = 14.28…
    EXPECT_TRUE(gleich(Dezimal(1, 0).divide(Dezimal(7, 2), 1, ab), Dezimal(142, 1)));
    EXPECT_TRUE(gleich(Dezimal(123456, 2).divide(Dezimal(12, 0), 0, ab), Dezimal(102, 0)));
}

// The exact quotient keeps every digit, whatever the scales; one without end is refused as
// BigDecimal refuses it.
TEST(Dezimal, ExaktTeilen) {
    EXPECT_TRUE(gleich(Dezimal(55, 1).divide(Dezimal(100, 0)), Dezimal(55, 3)));
    EXPECT_TRUE(gleich(Dezimal(315, 0).divide(Dezimal(12, 0)), Dezimal(2625, 2)));
    EXPECT_TRUE(gleich(Dezimal(100, 0).divide(Dezimal(5, 1)), Dezimal(200, 0)));
    EXPECT_TRUE(gleich(Dezimal(-7, 0).divide(Dezimal(-8, 0)), Dezimal(875, 3)));
    EXPECT_THROW(Dezimal(1, 0).divide(Dezimal(3, 0)), std::domain_error);
}

// compareTo answers -1, 0 or 1 (the programs test `== -1`), by value across scales.
TEST(Dezimal, VergleichUndSummeUeberSkalen) {
    EXPECT_EQ(Dezimal(10, 1).compareTo(Dezimal(1, 0)), 0);
    EXPECT_EQ(Dezimal(29, 1).compareTo(Dezimal(3, 0)), -1);
    EXPECT_EQ(Dezimal(3001, 3).compareTo(Dezimal(3, 0)), 1);
    EXPECT_EQ(Dezimal(-5, 0).compareTo(Dezimal(1, 0)), -1);
    EXPECT_TRUE(gleich(Dezimal(1, 1).add(Dezimal(2, 2)), Dezimal(12, 2)));
    EXPECT_TRUE(gleich(Dezimal(1, 1).subtract(Dezimal(2, 2)), Dezimal(8, 2)));
    EXPECT_TRUE(gleich(Dezimal(15, 1).multiply(Dezimal(-25, 2)), Dezimal(-375, 3)));
}

// BigDecimal.valueOf(double) takes the shortest decimal, not the binary value of 0.1.
TEST(Dezimal, VonDouble) {
    EXPECT_TRUE(gleich(Dezimal::valueOf(0.1), Dezimal(1, 1)));
    EXPECT_TRUE(gleich(Dezimal::valueOf(932.3), Dezimal(9323, 1)));
    EXPECT_TRUE(gleich(Dezimal::valueOf(1.0), Dezimal::ONE));
    EXPECT_TRUE(gleich(Dezimal::valueOf(-0.0025), Dezimal(-25, 4)));
}

// A result beyond 64 bits is an error, never a wrapped number; trailing zeros are dropped first.
TEST(Dezimal, UeberlaufWirdGemeldet) {
    const Dezimal vier(4'000'000'000'000'000'000, 18);
    EXPECT_TRUE(gleich(vier.multiply(vier), Dezimal(16, 0)));
    const Dezimal gross(4'000'000'000'000'000'001, 0);
    EXPECT_THROW(gross.multiply(Dezimal(3, 0)), std::overflow_error);
    EXPECT_THROW(gross.add(gross).add(gross), std::overflow_error);
}
